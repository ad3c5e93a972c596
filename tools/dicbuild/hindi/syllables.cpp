#include "hindi/syllables.h"

#include "hindi/devanagari.h"

namespace tolvani::dicbuild {

QLatin1StringView consonantText(Consonant c)
{
    if (c.nukta) {
        switch (c.base) {
        case kKa: return QLatin1StringView("q");
        case kJa: return QLatin1StringView("z");
        case kPha: return QLatin1StringView("f");
        default: break; // ड़, ढ़, ख़, ग़ and य़ are written like their base letter
        }
    }
    static constexpr const char *table[] = {
        "k", "kh", "g", "gh", "n",       // क ख ग घ ङ
        "ch", "chh", "j", "jh", "n",     // च छ ज झ ञ
        "t", "th", "d", "dh", "n",       // ट ठ ड ढ ण
        "t", "th", "d", "dh", "n", "n",  // त थ द ध न ऩ
        "p", "ph", "b", "bh", "m",       // प फ ब भ म
        "y", "r", "r", "l", "l", "l", "v", // य र ऱ ल ळ ऴ व
        "sh", "sh", "s", "h",            // श ष स ह
    };
    return QLatin1StringView(table[c.base - kKa]);
}

QLatin1StringView vowelText(char16_t c)
{
    // Long vowels like short ones; the vowels of other languages like the
    // Hindi one nearest them.
    switch (c) {
    case kLetterA: case kLetterAa: case kSignAa: case kLetterCandraA:
        return QLatin1StringView("a");
    case kLetterI: case kLetterIi: case kSignI: case kSignIi:
        return QLatin1StringView("i");
    case kLetterU: case kLetterUu: case kSignU: case kSignUu: case kSignUe: case kSignUue:
        return QLatin1StringView("u");
    case kLetterVocalicR: case kLetterVocalicRr: case kSignVocalicR: case kSignVocalicRr:
        return QLatin1StringView("ri");
    case kLetterVocalicL: case kLetterVocalicLl: case kSignVocalicL: case kSignVocalicLl:
        return QLatin1StringView("li");
    case kLetterShortA: case kLetterCandraE: case kLetterShortE: case kLetterE:
    case kSignCandraE: case kSignShortE: case kSignE: case kSignCandraLongE: case kSignOe:
        return QLatin1StringView("e");
    case kLetterAi: case kSignAi:
        return QLatin1StringView("ai");
    case kLetterCandraO: case kLetterShortO: case kLetterO:
    case kSignCandraO: case kSignShortO: case kSignO: case kSignOoe:
        return QLatin1StringView("o");
    case kLetterAu: case kSignAu: case kSignAw:
        return QLatin1StringView("au");
    default:
        return QLatin1StringView(""); // ॎ: no sound of its own in modern Hindi
    }
}

bool isIVowel(char16_t c)
{
    return isOneOf(c, {kLetterI, kLetterIi, kSignI, kSignIi});
}

bool startsWithA(const Syllable &s)
{
    return s.onset.empty() && (s.hasVowel(kLetterA) || s.hasVowel(kLetterAa));
}

bool isLabial(const Syllable *next)
{
    if (!next || next->onset.empty() || next->onset.front().nukta)
        return false;
    return isOneOf(next->onset.front().base, {kPa, kPha, kBa, kBha, kMa});
}

std::vector<Syllable> parseWord(QStringView word)
{
    std::vector<Syllable> syllables;
    const qsizetype n = word.size();
    auto current = [&]() -> Syllable & {
        if (syllables.empty())
            syllables.emplace_back().kind = Syllable::Vowel::None;
        return syllables.back();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = word[i].unicode();
        if (isDevanagariConsonant(c)) {
            Consonant consonant{withoutNukta(c), c >= kQa};
            if (i + 1 < n && word[i + 1].unicode() == kNukta) {
                consonant.nukta = true;
                ++i;
            }
            if (!syllables.empty() && syllables.back().openConjunct)
                syllables.back().onset.push_back(consonant);
            else
                syllables.emplace_back().onset.push_back(consonant);
            Syllable &s = syllables.back();
            s.openConjunct = false;
            s.kind = Syllable::Vowel::Inherent;
            if (i + 1 < n && word[i + 1].unicode() == kVirama) {
                s.kind = Syllable::Vowel::None;
                s.openConjunct = true;
                ++i;
            } else if (i + 1 < n && isVowelSign(word[i + 1].unicode())) {
                s.kind = Syllable::Vowel::Explicit;
                s.vowel = word[i + 1].unicode();
                ++i;
            }
        } else if (isDevanagariIndependentVowel(c) || isVowelSign(c)) {
            Syllable &s = syllables.emplace_back();
            s.kind = Syllable::Vowel::Explicit;
            s.vowel = c;
        } else if (isNasalSign(c)) {
            current().nasal = true;
            current().anusvara = current().anusvara || c == kAnusvara;
        } else if (c == kVisarga || c == u':') {
            current().visarga = true;
        } else if (c == kZeroWidthJoiner) {
            continue; // keeps a conjunct open, as if nothing stood here
        } else if (!syllables.empty()) {
            syllables.back().openConjunct = false; // ZWNJ, a stray virama or nukta, avagraha
        }
    }
    return syllables;
}

QString spell(const std::vector<Syllable> &syllables)
{
    QString out;
    for (std::size_t k = 0; k < syllables.size(); ++k) {
        const Syllable &s = syllables[k];
        const Syllable *before = k > 0 ? &syllables[k - 1] : nullptr;
        const Syllable *next = k + 1 < syllables.size() ? &syllables[k + 1] : nullptr;
        for (std::size_t j = 0; j < s.onset.size(); ++j) {
            if (s.onset[j].base == kJa && j + 1 < s.onset.size() && s.onset[j + 1].base == kNya) {
                out += QLatin1StringView("gy");
                ++j;
            } else {
                out += consonantText(s.onset[j]);
            }
        }
        if (s.kind == Syllable::Vowel::Explicit) {
            const bool afterVowel = s.onset.empty() && before && before->kind == Syllable::Vowel::Explicit;
            // लिए is typed liye: a glide joins i to a following e.
            if (afterVowel && s.vowel == kLetterE && isIVowel(before->vowel) && !before->nasal)
                out += u'y';
            // कुँआरी is typed kunwari: after a nasal u, a w carries it into the
            // a, which would else read as part of the nasal (kunari).
            if (afterVowel && startsWithA(s) && before->nasal && vowelText(before->vowel) == QLatin1StringView("u"))
                out += u'w';
            out += vowelText(s.vowel);
        } else if (s.kind == Syllable::Vowel::Inherent && s.keepSchwa) {
            out += u'a';
        }
        // A final anusvara after the inherent a is the m of Sanskrit: svayam,
        // evam; on g it is the ng that English loans write so (क्रासिगं).
        const bool finalM = !next && s.anusvara && s.kind == Syllable::Vowel::Inherent && s.onset.back().base != kGa;
        if (s.nasal)
            out += isLabial(next) || finalM ? u'm' : u'n';
        if (s.visarga)
            out += u'h';
    }
    return out;
}

bool startsSyllable(QStringView word, qsizetype at)
{
    const char16_t c = word[at].unicode();
    if (isDevanagariIndependentVowel(c))
        return true;
    if (!isDevanagariConsonant(c))
        return false;
    return at == 0 || (word[at - 1].unicode() != kVirama && word[at - 1].unicode() != kZeroWidthJoiner);
}

int syllableCount(QStringView word)
{
    int count = 0;
    for (qsizetype i = 0; i < word.size(); ++i)
        count += startsSyllable(word, i) ? 1 : 0;
    return count;
}

bool endsInPlainSyllable(QStringView stem)
{
    for (qsizetype i = stem.size() - 1; i >= 0; --i) {
        if (isDevanagariConsonant(stem[i].unicode()))
            return i == 0 || stem[i - 1].unicode() != kVirama;
    }
    return false;
}

qsizetype plainSyllableEnd(QStringView word, qsizetype at)
{
    if (at >= word.size() || !isDevanagariConsonant(word[at].unicode()))
        return -1;
    qsizetype end = at + 1;
    if (end < word.size() && word[end].unicode() == kNukta)
        ++end;
    if (end < word.size() && !isDevanagariConsonant(word[end].unicode()))
        return -1;
    return end;
}

} // namespace tolvani::dicbuild
