#pragma once

#include <QChar>
#include <QStringView>

#include <algorithm>
#include <initializer_list>

// The tests for Devanagari characters that the builder's steps share.
namespace tolvani::dicbuild {

// The signs the builder's steps name.
inline constexpr char16_t kInvertedChandrabindu = 0x0900;
inline constexpr char16_t kChandrabindu = 0x0901;
inline constexpr char16_t kAnusvara = 0x0902;
inline constexpr char16_t kVisarga = 0x0903;
inline constexpr char16_t kNukta = 0x093C;
inline constexpr char16_t kAvagraha = 0x093D;
inline constexpr char16_t kSignAa = 0x093E;
inline constexpr char16_t kVirama = 0x094D;
inline constexpr char16_t kIndependentA = 0x0905;
inline constexpr char16_t kIndependentAa = 0x0906;
inline constexpr char16_t kZeroWidthNonJoiner = 0x200C;
inline constexpr char16_t kZeroWidthJoiner = 0x200D;

// Any character of the Devanagari block, U+0900 to U+097F: letters and
// signs, but also digits and the danda.
constexpr bool isDevanagari(QChar ch)
{
    return ch.unicode() >= 0x0900 && ch.unicode() <= 0x097F;
}

inline bool hasDevanagari(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isDevanagari);
}

// क to ह and the eight precomposed nukta letters (क़ to य़).
constexpr bool isDevanagariConsonant(char16_t c)
{
    return (c >= 0x0915 && c <= 0x0939) || (c >= 0x0958 && c <= 0x095F);
}

constexpr bool isDevanagariIndependentVowel(char16_t c)
{
    return (c >= 0x0904 && c <= 0x0914) || c == 0x0960 || c == 0x0961 || c == 0x0972;
}

// The base letter of a precomposed nukta letter (ज़ => ज); others as they are.
constexpr char16_t withoutNukta(char16_t c)
{
    constexpr char16_t bases[] = {0x0915, 0x0916, 0x0917, 0x091C, 0x0921, 0x0922, 0x092B, 0x092F};
    return (c >= 0x0958 && c <= 0x095F) ? bases[c - 0x0958] : c;
}

constexpr bool isOneOf(char16_t c, std::initializer_list<char16_t> letters)
{
    return std::find(letters.begin(), letters.end(), c) != letters.end();
}

// The letters and signs that make up words, leaving out digits, the danda
// and the other punctuation of the block. Defined beside the romanizer's
// vowel and nasal signs.
bool isDevanagariLetter(QChar ch);

} // namespace tolvani::dicbuild
