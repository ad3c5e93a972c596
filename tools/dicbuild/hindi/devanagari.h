#pragma once

#include <QChar>
#include <QStringView>

#include <algorithm>
#include <initializer_list>

// The code points of the Devanagari block that the builder's rules name,
// each named here once, after its Unicode name, and the tests for kinds of
// characters that the stages share.
namespace tolvani::dicbuild {

// Signs
inline constexpr char16_t kInvertedChandrabindu = 0x0900, kChandrabindu = 0x0901, kAnusvara = 0x0902;
inline constexpr char16_t kVisarga = 0x0903, kNukta = 0x093C, kAvagraha = 0x093D, kVirama = 0x094D;

// Independent vowels
inline constexpr char16_t kLetterShortA = 0x0904, kLetterA = 0x0905, kLetterAa = 0x0906;
inline constexpr char16_t kLetterI = 0x0907, kLetterIi = 0x0908, kLetterU = 0x0909, kLetterUu = 0x090A;
inline constexpr char16_t kLetterVocalicR = 0x090B, kLetterVocalicL = 0x090C, kLetterVocalicRr = 0x0960,
                          kLetterVocalicLl = 0x0961;
inline constexpr char16_t kLetterCandraE = 0x090D, kLetterShortE = 0x090E, kLetterE = 0x090F, kLetterAi = 0x0910;
inline constexpr char16_t kLetterCandraO = 0x0911, kLetterShortO = 0x0912, kLetterO = 0x0913, kLetterAu = 0x0914;
inline constexpr char16_t kLetterCandraA = 0x0972;

// Vowel signs
inline constexpr char16_t kSignOe = 0x093A, kSignOoe = 0x093B, kSignAa = 0x093E, kSignI = 0x093F,
                          kSignIi = 0x0940;
inline constexpr char16_t kSignU = 0x0941, kSignUu = 0x0942, kSignVocalicR = 0x0943, kSignVocalicRr = 0x0944;
inline constexpr char16_t kSignCandraE = 0x0945, kSignShortE = 0x0946, kSignE = 0x0947, kSignAi = 0x0948;
inline constexpr char16_t kSignCandraO = 0x0949, kSignShortO = 0x094A, kSignO = 0x094B, kSignAu = 0x094C;
inline constexpr char16_t kSignPrishthamatraE = 0x094E, kSignAw = 0x094F, kSignCandraLongE = 0x0955,
                          kSignUe = 0x0956, kSignUue = 0x0957;
inline constexpr char16_t kSignVocalicL = 0x0962, kSignVocalicLl = 0x0963;

// Consonants, row by row of the letter chart
inline constexpr char16_t kKa = 0x0915, kKha = 0x0916, kGa = 0x0917, kGha = 0x0918, kNga = 0x0919;
inline constexpr char16_t kCa = 0x091A, kCha = 0x091B, kJa = 0x091C, kJha = 0x091D, kNya = 0x091E;
inline constexpr char16_t kTta = 0x091F, kTtha = 0x0920, kDda = 0x0921, kDdha = 0x0922, kNna = 0x0923;
inline constexpr char16_t kTa = 0x0924, kTha = 0x0925, kDa = 0x0926, kDha = 0x0927, kNa = 0x0928,
                          kNnna = 0x0929;
inline constexpr char16_t kPa = 0x092A, kPha = 0x092B, kBa = 0x092C, kBha = 0x092D, kMa = 0x092E;
inline constexpr char16_t kYa = 0x092F, kRa = 0x0930, kRra = 0x0931, kLa = 0x0932, kLla = 0x0933,
                          kLlla = 0x0934, kVa = 0x0935;
inline constexpr char16_t kSha = 0x0936, kSsa = 0x0937, kSa = 0x0938, kHa = 0x0939;
// The consonants with a nukta written as one code point, क़ to य़.
inline constexpr char16_t kQa = 0x0958, kYya = 0x095F;

// Punctuation, digits and the block's bounds
inline constexpr char16_t kOm = 0x0950, kDanda = 0x0964, kDoubleDanda = 0x0965, kAbbreviationSign = 0x0970;
inline constexpr char16_t kDigitZero = 0x0966, kDigitNine = 0x096F;
inline constexpr char16_t kBlockFirst = 0x0900, kBlockLast = 0x097F;
inline constexpr char16_t kZeroWidthNonJoiner = 0x200C, kZeroWidthJoiner = 0x200D;

// Any character of the Devanagari block: letters and signs, but also
// digits and the danda.
constexpr bool isDevanagari(QChar ch)
{
    return ch.unicode() >= kBlockFirst && ch.unicode() <= kBlockLast;
}

inline bool hasDevanagari(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isDevanagari);
}

// क to ह and the precomposed nukta letters.
constexpr bool isDevanagariConsonant(char16_t c)
{
    return (c >= kKa && c <= kHa) || (c >= kQa && c <= kYya);
}

constexpr bool isDevanagariIndependentVowel(char16_t c)
{
    return (c >= kLetterShortA && c <= kLetterAu) || c == kLetterVocalicRr || c == kLetterVocalicLl
        || c == kLetterCandraA;
}

// A vowel written after a consonant, Hindi's and those of the other
// languages the block serves.
constexpr bool isVowelSign(char16_t c)
{
    return (c >= kSignOe && c <= kSignAu && c != kNukta && c != kAvagraha) || c == kSignPrishthamatraE
        || c == kSignAw || (c >= kSignCandraLongE && c <= kSignUue) || c == kSignVocalicL || c == kSignVocalicLl;
}

constexpr bool isNasalSign(char16_t c)
{
    return c == kAnusvara || c == kChandrabindu || c == kInvertedChandrabindu;
}

constexpr bool isDevanagariDigit(char16_t c)
{
    return c >= kDigitZero && c <= kDigitNine;
}

// The letters and signs that make up words, leaving out digits, the danda
// and the other punctuation of the block.
constexpr bool isDevanagariLetter(QChar ch)
{
    const char16_t c = ch.unicode();
    return isDevanagariConsonant(c) || isDevanagariIndependentVowel(c) || isVowelSign(c) || isNasalSign(c)
        || c == kVisarga || c == kNukta || c == kVirama || c == kAvagraha;
}

inline bool hasDevanagariLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isDevanagariLetter);
}

// The base letter of a precomposed nukta letter (ज़ => ज); others as they are.
constexpr char16_t withoutNukta(char16_t c)
{
    constexpr char16_t bases[] = {kKa, kKha, kGa, kJa, kDda, kDdha, kPha, kYa};
    return (c >= kQa && c <= kYya) ? bases[c - kQa] : c;
}

// The independent vowel a vowel sign stands for (ि => इ), or 0.
constexpr char16_t independentVowel(char16_t sign)
{
    switch (sign) {
    case kSignAa: return kLetterAa;
    case kSignI: return kLetterI;
    case kSignIi: return kLetterIi;
    case kSignU: return kLetterU;
    case kSignUu: return kLetterUu;
    case kSignVocalicR: return kLetterVocalicR;
    case kSignE: return kLetterE;
    case kSignAi: return kLetterAi;
    case kSignO: return kLetterO;
    case kSignAu: return kLetterAu;
    default: return 0;
    }
}

constexpr bool isOneOf(char16_t c, std::initializer_list<char16_t> letters)
{
    return std::find(letters.begin(), letters.end(), c) != letters.end();
}

} // namespace tolvani::dicbuild
