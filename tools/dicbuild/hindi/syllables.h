#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// A consonant as written: its letter without the nukta, and whether a
// nukta marks it (क़ written as one code point or as क and the nukta).
struct Consonant {
    char16_t base;
    bool nukta;
};

// One written syllable: a consonant or conjunct (possibly none, for an
// independent vowel) and the vowel that follows it.
struct Syllable {
    enum class Vowel { Inherent, Explicit, None };
    std::vector<Consonant> onset;
    Vowel kind = Vowel::Inherent;
    char16_t vowel = 0;
    bool nasal = false;
    bool anusvara = false; // the nasal is written with ं, not ँ
    bool visarga = false;
    bool keepSchwa = true;
    bool openConjunct = false; // ended in a virama that a following consonant may join

    bool sounded() const { return kind == Vowel::Explicit || (kind == Vowel::Inherent && keepSchwa); }
    bool schwaDeletable() const { return kind == Vowel::Inherent && !nasal && !visarga && !onset.empty(); }
    bool hasVowel(char16_t sign) const { return kind == Vowel::Explicit && vowel == sign; }
    // One consonant, `letter`, with or without a nukta.
    bool isSingle(char16_t letter) const { return onset.size() == 1 && onset.front().base == letter; }
};

// The syllables of a word, every inherent a still sounded.
std::vector<Syllable> parseWord(QStringView word);

// An independent अ or आ.
bool startsWithA(const Syllable &s);
// इ, ई or their signs.
bool isIVowel(char16_t c);
// The next syllable opens with p, ph, b, bh or m, before which a nasal is m.
bool isLabial(const Syllable *next);

QLatin1StringView consonantText(Consonant c);
QLatin1StringView vowelText(char16_t c);

// The syllables in Latin letters, each inherent a as its keepSchwa says.
QString spell(const std::vector<Syllable> &syllables);

// The same units counted on the written word: where a syllable begins, how
// many there are, and whether the last consonant stands alone.
bool startsSyllable(QStringView word, qsizetype at);
int syllableCount(QStringView word);
bool endsInPlainSyllable(QStringView stem);
// A consonant with its inherent a: no virama, vowel sign or nasal after it.
// Returns where the next syllable begins, or -1.
qsizetype plainSyllableEnd(QStringView word, qsizetype at);

} // namespace tolvani::dicbuild
