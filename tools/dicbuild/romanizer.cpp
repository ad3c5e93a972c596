#include "romanizer.h"

#include "builder.h"
#include "devanagari.h"

#include <QFile>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

namespace tolvani::dicbuild {
namespace {

constexpr char16_t kIndependentE = 0x090F;
constexpr char16_t kJa = 0x091C;
constexpr char16_t kNya = 0x091E;
constexpr char16_t kHa = 0x0939;

bool isVowelSign(char16_t c)
{
    return (c >= 0x093A && c <= 0x094C && c != kNukta && c != kAvagraha) || c == 0x094E || c == 0x094F
        || (c >= 0x0955 && c <= 0x0957) || c == 0x0962 || c == 0x0963;
}

bool isNasalSign(char16_t c)
{
    return c == kAnusvara || c == kChandrabindu || c == kInvertedChandrabindu;
}

struct Consonant {
    char16_t base;
    bool nukta;
};

QLatin1StringView consonantText(Consonant c)
{
    if (c.nukta) {
        switch (c.base) {
        case 0x0915: return QLatin1StringView("q");
        case 0x091C: return QLatin1StringView("z");
        case 0x092B: return QLatin1StringView("f");
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
    return QLatin1StringView(table[c.base - 0x0915]);
}

QLatin1StringView vowelText(char16_t c)
{
    switch (c) {
    case 0x0905: case 0x0906: case 0x093E: case 0x0972: return QLatin1StringView("a");
    case 0x0907: case 0x0908: case 0x093F: case 0x0940: return QLatin1StringView("i");
    case 0x0909: case 0x090A: case 0x0941: case 0x0942: case 0x0956: case 0x0957: return QLatin1StringView("u");
    case 0x090B: case 0x0960: case 0x0943: case 0x0944: return QLatin1StringView("ri");
    case 0x090C: case 0x0961: case 0x0962: case 0x0963: return QLatin1StringView("li");
    case 0x0904: case 0x090D: case 0x090E: case 0x090F: case 0x0945: case 0x0946: case 0x0947: case 0x0955: case 0x093A:
        return QLatin1StringView("e");
    case 0x0910: case 0x0948: return QLatin1StringView("ai");
    case 0x0911: case 0x0912: case 0x0913: case 0x0949: case 0x094A: case 0x094B: case 0x093B: return QLatin1StringView("o");
    case 0x0914: case 0x094C: case 0x094F: return QLatin1StringView("au");
    default: return QLatin1StringView(""); // ॎ: no sound of its own in modern Hindi
    }
}

bool isIVowel(char16_t c)
{
    return c == 0x0907 || c == 0x0908 || c == 0x093F || c == 0x0940;
}

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
};

bool startsWithA(const Syllable &s)
{
    return s.onset.empty() && s.kind == Syllable::Vowel::Explicit && (s.vowel == 0x0905 || s.vowel == 0x0906);
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
            Consonant consonant{withoutNukta(c), c >= 0x0958};
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

bool endsInSemivowelOrR(const std::vector<Consonant> &onset)
{
    const Consonant last = onset.back();
    if (last.base == kNya && onset.size() >= 2 && onset[onset.size() - 2].base == kJa)
        return true; // ज्ञ sounds gy
    return last.base == 0x092F || last.base == 0x0930 || last.base == 0x0935;
}

// One consonant, or the Persian ख्व, one sound (तनख्वाह: tankhvah).
bool soundsAsOne(const std::vector<Consonant> &onset)
{
    return onset.size() == 1 || (onset.size() == 2 && onset[0].base == 0x0916 && onset[1].base == 0x0935);
}

bool isPlainInherent(const Syllable &s)
{
    return s.kind == Syllable::Vowel::Inherent && s.onset.size() == 1 && !s.nasal && !s.visarga;
}

// Nouns in -रण, -मन, -लन, -तन keep the a before the ending as a unit of
// their own: paryavaran, udaharan, sankalan. A few have the short form in
// common use.
bool keepsSchwaBeforeEnding(QStringView word, const std::vector<Syllable> &syllables)
{
    static constexpr QStringView shortForms[] = {u"जागरण", u"वितरण", u"विवरण", u"बरतन"};
    const std::size_t n = syllables.size();
    if (n < 4 || !isPlainInherent(syllables[n - 3]) || !isPlainInherent(syllables[n - 2])
        || !isPlainInherent(syllables[n - 1]) || syllables[n - 1].onset.front().nukta)
        return false;
    const char16_t ending = syllables[n - 1].onset.front().base;
    const char16_t before = syllables[n - 2].onset.front().base;
    const bool stemEnding = (before == 0x0930 && ending == 0x0923)
        || (ending == 0x0928 && (before == 0x092E || before == 0x0932 || before == 0x0924));
    return stemEnding && std::find(std::begin(shortForms), std::end(shortForms), word) == std::end(shortForms);
}

// Where a verb ending (-ना, -ने, -नी, -ता, -ते, -ती, -कर) begins, or
// npos. Before it an anusvara is only a nasal vowel: हंसना, रंगकर.
std::size_t verbEndingStart(QStringView word, const std::vector<Syllable> &syllables)
{
    static constexpr QStringView endings[] = {u"ना", u"ने", u"नी", u"ता", u"ते", u"ती", u"कर",
                                              u"नेवाला", u"नेवाले", u"नेवाली"};
    const std::size_t n = syllables.size();
    for (QStringView ending : endings) {
        if (word.endsWith(ending)) {
            const std::size_t length = ending.startsWith(u"ने") && ending.size() > 2 ? 3 : ending == u"कर" ? 2 : 1;
            return n > length ? n - length : std::size_t(-1);
        }
    }
    return std::size_t(-1);
}

// The prefix सं (सं-गति, अ-सं-र-चित, सं-यम) and the Sanskrit -ां- of
// अंतर, अंजलि (रूपां-तरित, श्रद्धां-जलि) end in a nasal consonant: the
// consonant after it keeps its a, as after a cluster; not in words that
// only look like these (संतरा, संकरे).
bool afterNasalConsonant(const std::vector<Syllable> &syllables, std::size_t k)
{
    const std::size_t at = k - 1;
    const Syllable &nasal = syllables[at];
    const bool initial = at == 0 || (at == 1 && startsWithA(syllables[0]));
    const bool sam = initial && nasal.kind == Syllable::Vowel::Inherent && nasal.onset.size() == 1
        && nasal.onset.front().base == 0x0938;
    const bool longA = nasal.kind == Syllable::Vowel::Explicit && nasal.vowel == 0x093E;
    if (!nasal.anusvara || !(sam || longA))
        return false;
    if (syllables[k].onset.size() != 1)
        return false;
    const Consonant consonant = syllables[k].onset.front();
    if (sam && consonant.base == 0x092F)
        return true;
    if (longA && (consonant.nukta || consonant.base > 0x092E))
        return false; // ट्रांसफार्मर: before s it is a nasal vowel
    const Syllable &after = syllables[k + 1];
    const bool tadbhavaEnding = k + 2 == syllables.size() && after.kind == Syllable::Vowel::Explicit
        && isOneOf(after.vowel, {0x093E, 0x0940, 0x0947});
    return after.onset.size() == 1 && !tadbhavaEnding;
}

// Written without its a, s, t, p or b before ह would read as one letter
// (sh, th, ph, bh), and the word is said with the a: असहिष्णुता stays
// asahishnuta, असहाय asahay, दोपहर dopahar. (लकडहारा and अलगहोना are said
// without it.)
bool joinsWithH(const Syllable &s, const Syllable &next)
{
    if (next.onset.empty() || next.onset.front().base != 0x0939 || s.onset.front().nukta)
        return false;
    return isOneOf(s.onset.front().base, {0x0924, 0x092A, 0x092C, 0x0938});
}

// Hindi speech drops the inherent a at the end of a word and between a
// sounded syllable and a consonant followed by a vowel (V C _ C V). The
// rule runs from the right, so each drop sees the drops after it:
// समझना keeps the a of म because झ has already lost its own.
void dropSchwas(std::vector<Syllable> &syllables, bool keepBeforeEnding, std::size_t verbEnding)
{
    const std::size_t n = syllables.size();
    if (n < 2)
        return;
    // The syllable before -रण, -मन, -लन, -तन (see keepsSchwaBeforeEnding).
    const std::size_t kept = keepBeforeEnding ? n - 3 : n;
    Syllable &last = syllables.back();
    const Syllable &beforeLast = syllables[n - 2];
    const bool conjunctKeeps = last.onset.size() >= 2 && endsInSemivowelOrR(last.onset);
    // भारतीय, प्रिय: -iya, as the adjective ending is typed.
    const bool iyaKeeps = last.onset.size() == 1 && last.onset.front().base == 0x092F
        && beforeLast.kind == Syllable::Vowel::Explicit && isIVowel(beforeLast.vowel);
    if (last.schwaDeletable() && !conjunctKeeps && !iyaKeeps)
        last.keepSchwa = false;
    for (std::size_t k = n - 2; k >= 1; --k) {
        Syllable &s = syllables[k];
        const Syllable &before = syllables[k - 1];
        const Syllable &after = syllables[k + 1];
        // य after i keeps its a: नियमित, प्रियतम, and so does -ीयता (वरीयता).
        const bool iyaTa = after.kind == Syllable::Vowel::Explicit && after.vowel == 0x093E
            && after.onset.size() == 1 && after.onset.front().base == 0x0924;
        const bool iya = s.onset.size() == 1 && s.onset.front().base == 0x092F
            && before.kind == Syllable::Vowel::Explicit && (before.vowel == 0x093F || (before.vowel == 0x0940 && iyaTa));
        const bool afterNasal = k + 1 != verbEnding && afterNasalConsonant(syllables, k);
        // A final short i ends Sanskrit nouns, which keep the a before it:
        // pragati, anumati, avadhi; and the conjunction कि (jabki).
        const bool beforeFinalShortI = k + 2 == n && after.kind == Syllable::Vowel::Explicit && after.vowel == 0x093F
            && after.onset.size() == 1 && after.onset.front().base != 0x0915;
        // So do the participles in -इत: prachalit, virachit, sankalit.
        const bool beforeParticipleIt = k + 3 == n && after.kind == Syllable::Vowel::Explicit
            && after.vowel == 0x093F && after.onset.size() == 1 && syllables[n - 1].kind == Syllable::Vowel::Inherent
            && syllables[n - 1].onset.size() == 1 && syllables[n - 1].onset.front().base == 0x0924;
        if (k != kept && s.schwaDeletable() && s.onset.size() == 1 && before.sounded() && soundsAsOne(after.onset)
            && after.sounded() && !iya && !afterNasal && !beforeFinalShortI && !beforeParticipleIt
            && !joinsWithH(s, after))
            s.keepSchwa = false;
        // An a or aa written after the consonant takes the place of its a: मेकअप.
        if (s.schwaDeletable() && startsWithA(after))
            s.keepSchwa = false;
    }
}

bool isLabial(const Syllable *next)
{
    if (!next || next->onset.empty() || next->onset.front().nukta)
        return false;
    const char16_t c = next->onset.front().base;
    return c == 0x092A || c == 0x092B || c == 0x092C || c == 0x092D || c == 0x092E;
}

std::vector<Syllable> partSyllables(QStringView part)
{
    // आवली, a row, is read avali (shabd-avali): the Sanskrit word ends in a short i.
    static constexpr QStringView avali = u"\u0906\u0935\u0932\u0940";
    std::vector<Syllable> own = parseWord(part);
    dropSchwas(own, keepsSchwaBeforeEnding(part, own), verbEndingStart(part, own));
    if (part == avali)
        own[1].keepSchwa = true;
    return own;
}

QString spell(const std::vector<Syllable> &syllables)
{
    QString out;
    for (std::size_t k = 0; k < syllables.size(); ++k) {
        const Syllable &s = syllables[k];
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
            // लिए is typed liye: a glide joins i to a following e.
            const bool glide = s.onset.empty() && s.vowel == kIndependentE && k > 0
                && syllables[k - 1].kind == Syllable::Vowel::Explicit && isIVowel(syllables[k - 1].vowel)
                && !syllables[k - 1].nasal;
            // कुँआरी is typed kunwari: after a nasal u, a w carries it into the
            // a, which would else read as part of the nasal (kunari).
            const bool wGlide = s.onset.empty() && (s.vowel == 0x0905 || s.vowel == 0x0906) && k > 0
                && syllables[k - 1].kind == Syllable::Vowel::Explicit && syllables[k - 1].nasal
                && vowelText(syllables[k - 1].vowel) == QLatin1StringView("u");
            if (glide)
                out += u'y';
            if (wGlide)
                out += u'w';
            out += vowelText(s.vowel);
        } else if (s.kind == Syllable::Vowel::Inherent && s.keepSchwa) {
            out += u'a';
        }
        // A final anusvara after the inherent a is the m of Sanskrit: svayam,
        // evam; on g it is the ng that English loans write so (क्रासिगं).
        const bool finalM = !next && s.anusvara && s.kind == Syllable::Vowel::Inherent
            && s.onset.back().base != 0x0917;
        if (s.nasal)
            out += isLabial(next) || finalM ? u'm' : u'n';
        if (s.visarga)
            out += u'h';
    }
    return out;
}

// Second elements of compounds that speech treats as words of their own:
// अमूर्तिकरण is amurti-karan, not amurtikran.
qsizetype fixedCompoundSplit(QStringView word)
{
    static constexpr QStringView atEnd = u"\u0915\u0930\u0923";                   // करण
    static constexpr QStringView anywhere = u"\u0936\u093E\u0938\u094D\u0924\u094D\u0930"; // शास्त्र
    auto startsSyllable = [&](qsizetype at) {
        return at > 0 && word[at - 1].unicode() != kVirama && word[at - 1].unicode() != kZeroWidthJoiner;
    };
    if (word.endsWith(atEnd) && startsSyllable(word.size() - atEnd.size()))
        return word.size() - atEnd.size();
    if (const qsizetype at = word.indexOf(anywhere); startsSyllable(at))
        return at;
    return -1;
}

// Whether the part before a seam keeps its final a, which standing alone
// it would drop.
bool keepsSchwaAtSeam(const std::vector<Syllable> &before, const Syllable &next, QStringView prefix, QStringView nextPart)
{
    const bool nextIsSuffix = isSuffix(nextPart);
    const Syllable &last = before.back();
    const Syllable *beforeLast = before.size() >= 2 ? &before[before.size() - 2] : nullptr;
    const bool closedBefore = last.onset.size() == 1 && beforeLast && (beforeLast->nasal || !beforeLast->sounded());
    if (last.kind != Syllable::Vowel::Inherent)
        return false;
    // A Sanskrit prefix keeps it before a cluster (ava-dhvanik, apa-vyay)
    // and before h, which would otherwise read as an aspirate (apa-haran);
    // a Persian one never does (gair-haziri, bad-chalan).
    if (!prefix.isEmpty())
        return !isPersianPrefix(prefix)
            && (next.onset.size() >= 2 || (!next.onset.empty() && next.onset.front().base == kHa));
    // Before a part that begins with a vowel any other part keeps it too
    // (grishma-ritu), or the two would read as one syllable.
    if (next.onset.empty())
        return !nextIsSuffix && !startsWithA(next);
    // Nor does the abstract -ता follow a t that closes a cluster, where
    // three consonants would meet: ananta-ta, jivanta-ta.
    if (nextPart == u"\u0924\u093E" && last.onset.back().base == 0x0924 && closedBefore)
        return true;
    // A cluster keeps it before h, which would otherwise read as an
    // aspirate or a third consonant: rakta-hin, atma-hatya.
    if (next.onset.front().base == kHa && last.onset.size() >= 2)
        return true;
    // No consonant can follow a doubled one: uchcha-vansh, uchcha-tar; a
    // doubled nasal closes the syllable: prasann-chit.
    const std::size_t n = last.onset.size();
    return n >= 2 && last.onset[n - 1].base == last.onset[n - 2].base
        && !isOneOf(last.onset[n - 1].base, {0x0923, 0x0928, 0x092E});
}

// A loanword keeps its a's only where its English spelling has vowels:
// इंटरव्यू is intarvyu (interview), not intravyu, and लिपस्टिक lipstik. Where
// speech says fewer a's than the spelling has vowels (कैमरा, kaimra), the
// word is left as speech has it.
void placeSchwasAsSpelled(std::vector<Syllable> &syllables, QStringView english)
{
    // The consonants of the Hindi word in Latin letters, each letter marked
    // with its syllable; the a's are left out, as the outline skips vowels.
    QString latin;
    std::vector<std::size_t> syllableOf;
    std::vector<qsizetype> lastOnsetChar(syllables.size(), -1);
    for (std::size_t k = 0; k < syllables.size(); ++k) {
        const Syllable &s = syllables[k];
        for (const Consonant &c : s.onset) {
            latin += consonantText(c);
            syllableOf.resize(latin.size(), k);
        }
        lastOnsetChar[k] = s.onset.empty() ? -1 : latin.size() - 1;
        if (s.nasal) {
            latin += isLabial(k + 1 < syllables.size() ? &syllables[k + 1] : nullptr) ? u'm' : u'n';
            syllableOf.resize(latin.size(), k);
        }
    }
    const std::vector<OutlineLetter> hindi = consonantOutline(latin);
    const std::vector<OutlineLetter> spelled = consonantOutline(english);
    if (hindi.size() != spelled.size())
        return;
    for (std::size_t i = 0; i < hindi.size(); ++i) {
        if (hindi[i].letter != spelled[i].letter)
            return;
    }
    std::vector<std::pair<std::size_t, bool>> placed; // syllable, keeps its a
    int spoken = 0;
    int written = 0;
    for (std::size_t i = 0; i + 1 < hindi.size(); ++i) {
        const std::size_t k = syllableOf[hindi[i].last];
        const Syllable &s = syllables[k];
        if (hindi[i].last != lastOnsetChar[k] || !s.schwaDeletable() || k + 1 == syllables.size()
            || syllableOf[hindi[i + 1].first] == k)
            continue;
        const QStringView between = english.sliced(spelled[i].last + 1, spelled[i + 1].first - spelled[i].last - 1);
        const bool vowel = std::any_of(between.begin(), between.end(),
                                       [](QChar c) { return QStringView(u"aeiouy").contains(c.toLower()); });
        // Speech never drops the a of the first syllable: पलटन is paltan
        // (platoon).
        if (k == 0 && !vowel)
            return;
        // Nor one that would close a word with two consonants: जंगल is
        // jangal (jungle), बोतल botal.
        if (!vowel && syllables[k + 1].kind != Syllable::Vowel::Explicit)
            continue;
        placed.emplace_back(k, vowel);
        spoken += s.keepSchwa ? 1 : 0;
        written += vowel ? 1 : 0;
    }
    if (written > spoken)
        return;
    for (const auto &[k, keeps] : placed)
        syllables[k].keepSchwa = keeps;
}

QString romanizeWord(QStringView word, const HindiVocabulary &vocabulary)
{
    // -ीकरण and -ीकृत make a noun or participle of the word before them,
    // which keeps its own reading: प्रकट-ीकरण is prakatikaran, not praktikaran.
    for (QStringView ending : {QStringView(u"\u0940\u0915\u0930\u0923"), QStringView(u"\u0940\u0915\u0943\u0924")}) {
        const QStringView stem = word.chopped(std::min(word.size(), ending.size()));
        if (word.endsWith(ending) && stem.size() >= 2 && isDevanagariConsonant(stem.back().unicode())) {
            QString text = romanizeWord(stem, vocabulary);
            if (text.endsWith(u'a'))
                text.chop(1);
            return text + u'i' + romanizeWord(ending.sliced(1), vocabulary);
        }
    }
    std::vector<Syllable> syllables;
    QString prefix;
    for (const QString &part : morphemeParts(word, vocabulary)) {
        const qsizetype split = fixedCompoundSplit(part);
        for (QStringView piece : split > 0 ? std::vector<QStringView>{QStringView(part).first(split),
                                                                      QStringView(part).sliced(split)}
                                           : std::vector<QStringView>{part}) {
            std::vector<Syllable> own = partSyllables(piece);
            if (!syllables.empty() && !own.empty()
                && keepsSchwaAtSeam(syllables, own.front(), prefix, piece))
                syllables.back().keepSchwa = true;
            // A member's a or aa takes the place of the a before it: कार्य-आलय.
            if (!syllables.empty() && !own.empty() && startsWithA(own.front())
                && syllables.back().kind == Syllable::Vowel::Inherent)
                syllables.back().keepSchwa = false;
            syllables.insert(syllables.end(), own.begin(), own.end());
            prefix.clear();
        }
        if (isPrefix(part))
            prefix = part;
    }
    if (const QString english = vocabulary.loanSource(word); !english.isEmpty())
        placeSchwasAsSpelled(syllables, english);
    return spell(syllables);
}

std::mutex vocabularyMutex;
std::optional<HindiVocabulary> vocabularyInUse;

// The builder hands over the vocabulary of the source it reads; --romanize
// and the tests fall back to the installed source's, read once.
const HindiVocabulary &currentVocabulary()
{
    const std::lock_guard lock(vocabularyMutex);
    if (!vocabularyInUse) {
        const BuildInputs installed;
        vocabularyInUse.emplace();
        if (QFile::exists(installed.index) && QFile::exists(installed.data))
            vocabularyInUse = sourceVocabulary(installed.index, installed.data);
    }
    return *vocabularyInUse;
}

bool isWordChar(char16_t c)
{
    return isDevanagariConsonant(c) || isDevanagariIndependentVowel(c) || isVowelSign(c) || isNasalSign(c) || c == kVisarga
        || c == kNukta || c == kVirama || c == kAvagraha;
}

} // namespace

bool isDevanagariLetter(QChar ch)
{
    return isWordChar(ch.unicode());
}

void useVocabulary(HindiVocabulary vocabulary)
{
    const std::lock_guard lock(vocabularyMutex);
    vocabularyInUse = std::move(vocabulary);
}

QString romanize(QStringView text)
{
    return romanize(text, currentVocabulary());
}

QString romanize(QStringView text, const HindiVocabulary &vocabulary)
{
    QString out;
    out.reserve(text.size() * 2);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (isWordChar(c)) {
            qsizetype end = i + 1;
            // A colon written for a visarga (वस्तुत:, दु:ख) and joiners stay in the word.
            while (end < n) {
                const char16_t d = text[end].unicode();
                if (!isWordChar(d) && d != u':' && d != kZeroWidthJoiner && d != kZeroWidthNonJoiner)
                    break;
                ++end;
            }
            out += romanizeWord(text.sliced(i, end - i), vocabulary);
            i = end;
            continue;
        }
        if (c == u'~')
            out += u' ';
        else if (c == 0x0964 || c == 0x0965 || c == 0x0970)
            out += u'.';
        else if (c >= 0x0966 && c <= 0x096F)
            out += QChar(u'0' + (c - 0x0966));
        else if (c == 0x0950)
            out += QLatin1StringView("om");
        else if (c != kZeroWidthJoiner && c != kZeroWidthNonJoiner)
            out += QChar(c);
        ++i;
    }
    return out;
}

} // namespace tolvani::dicbuild
