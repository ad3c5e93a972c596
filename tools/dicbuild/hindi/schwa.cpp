#include "hindi/schwa.h"

#include "hindi/devanagari.h"
#include "hindi/splits.h"

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

using Vowel = Syllable::Vowel;

bool endsInSemivowelOrR(const std::vector<Consonant> &onset)
{
    const Consonant last = onset.back();
    if (last.base == kNya && onset.size() >= 2 && onset[onset.size() - 2].base == kJa)
        return true; // ज्ञ sounds gy
    return isOneOf(last.base, {kYa, kRa, kVa});
}

// One consonant, or the Persian ख्व, one sound (तनख्वाह: tankhvah).
bool soundsAsOne(const std::vector<Consonant> &onset)
{
    return onset.size() == 1 || (onset.size() == 2 && onset[0].base == kKha && onset[1].base == kVa);
}

bool isPlainInherent(const Syllable &s)
{
    return s.kind == Vowel::Inherent && s.onset.size() == 1 && !s.nasal && !s.visarga;
}

// Nouns in -रण, -मन, -लन, -तन keep the a before the ending as a unit of
// their own: paryavaran, udaharan, sankalan; but not those whose short
// form is in common use (the list's short forms).
bool keepsSchwaBeforeEnding(QStringView word, const std::vector<Syllable> &syllables, const HindiWordLists &words)
{
    const std::size_t n = syllables.size();
    if (n < 4 || !isPlainInherent(syllables[n - 3]) || !isPlainInherent(syllables[n - 2])
        || !isPlainInherent(syllables[n - 1]) || syllables[n - 1].onset.front().nukta)
        return false;
    const char16_t ending = syllables[n - 1].onset.front().base;
    const char16_t before = syllables[n - 2].onset.front().base;
    const bool stemEnding = (before == kRa && ending == kNna) || (ending == kNa && isOneOf(before, {kMa, kLa, kTa}));
    return stemEnding && !words.shortForms.contains(word);
}

// Where a verb ending (-ना, -ने, -नी, -ता, -ते, -ती, -कर, -नेवाला) begins,
// or npos. Before it an anusvara is only a nasal vowel: हंसना, रंगकर.
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

// The prefix सं (सं-गति, अ-सं-र-चित, सं-यम), the Sanskrit -ां- of अंतर,
// अंजलि (रूपां-तरित, श्रद्धां-जलि) and any anusvara before a dental or
// labial and r (अं-त-रिक्ष, आं-त-रिक, पारं-प-रिक) end in a nasal consonant:
// the consonant after it keeps its a, as after a cluster; not in words
// that only look like these (संतरा, संकरे).
bool afterNasalConsonant(const std::vector<Syllable> &syllables, std::size_t k)
{
    const std::size_t at = k - 1;
    const Syllable &nasal = syllables[at];
    const bool initial = at == 0 || (at == 1 && startsWithA(syllables[0]));
    const bool sam = initial && nasal.kind == Vowel::Inherent && nasal.isSingle(kSa);
    const bool longA = nasal.hasVowel(kSignAa);
    const Syllable &after = syllables[k + 1];
    const bool beforeR = after.isSingle(kRa) && syllables[k].onset.size() == 1
        && isOneOf(syllables[k].onset.front().base, {kTa, kTha, kDa, kDha, kPa, kPha, kBa, kBha});
    if (!nasal.anusvara || !(sam || longA || beforeR))
        return false;
    if (syllables[k].onset.size() != 1)
        return false;
    const Consonant consonant = syllables[k].onset.front();
    if (sam && consonant.base == kYa)
        return true;
    if (longA && (consonant.nukta || consonant.base > kMa))
        return false; // ट्रांसफार्मर: before s it is a nasal vowel
    const bool tadbhavaEnding = k + 2 == syllables.size() && after.kind == Vowel::Explicit
        && isOneOf(after.vowel, {kSignAa, kSignIi, kSignE});
    return after.onset.size() == 1 && !tadbhavaEnding;
}

// Written without its a, s, t, p or b before ह would read as one letter
// (sh, th, ph, bh), and the word is said with the a: असहिष्णुता stays
// asahishnuta, असहाय asahay, दोपहर dopahar. (लकडहारा and अलगहोना are said
// without it.)
bool joinsWithH(const Syllable &s, const Syllable &next)
{
    if (next.onset.empty() || next.onset.front().base != kHa || s.onset.front().nukta)
        return false;
    return isOneOf(s.onset.front().base, {kTa, kPa, kBa, kSa});
}

// Persian and Arabic words say no a after a final cluster, where Sanskrit
// keeps it before r: क़ब्र is qabr, फ़िक्र fikr, but वक्र vakra. A nukta on
// क, ख, ग, ज or फ marks them (ड़ and ढ़ are Hindi's own), and so does a
// final ब्र, which ends no Sanskrit word (सब्र, sabr); the others are listed
// (उम्र, umr).
bool isPersianWord(QStringView part, const std::vector<Syllable> &syllables, const HindiWordLists &words)
{
    const bool nukta = std::any_of(syllables.begin(), syllables.end(), [](const Syllable &s) {
        return std::any_of(s.onset.begin(), s.onset.end(), [](Consonant c) {
            return c.nukta && isOneOf(c.base, {kKa, kKha, kGa, kJa, kPha});
        });
    });
    return nukta || part.endsWith(u"ब्र") || words.persianWords.contains(part);
}

// ण and न are both written n: without the a between them गणना would read
// ganna (गन्ना), so the a is said (ganana). न before न keeps it only where
// `naBeforeNa` says: not before a verb's ending (jan-na), but before -नीय
// (mana-niya). A member before another is read apart (pran-nashak,
// bhavan-nirman).
bool readsAsDoubled(const Syllable &s, const Syllable &next, bool naBeforeNa)
{
    const char16_t last = s.onset.back().base;
    return !next.onset.empty() && next.onset.front().base == kNa && (last == kNna || (last == kNa && naBeforeNa));
}

// The final a is said after a cluster that ends in y, r or v (karya,
// vakra, bandhutva), but not after a doubled r, one long sound (barr), nor
// in a Persian word; and in -iya, as the adjective ending is typed
// (bhartiya, priya).
bool finalSchwaKept(const std::vector<Syllable> &syllables, bool persian)
{
    const Syllable &last = syllables.back();
    const Syllable &beforeLast = syllables[syllables.size() - 2];
    const std::size_t n = last.onset.size();
    const bool doubledR = n >= 2 && last.onset[n - 1].base == kRa && last.onset[n - 2].base == kRa;
    const bool conjunct = n >= 2 && endsInSemivowelOrR(last.onset) && !doubledR && !persian;
    const bool iya = last.isSingle(kYa) && beforeLast.kind == Vowel::Explicit && isIVowel(beforeLast.vowel);
    return conjunct || iya;
}

// The a of syllable k, between two sounded ones, that speech keeps all the
// same.
bool medialSchwaKept(const std::vector<Syllable> &syllables, std::size_t k, std::size_t verbEnding)
{
    const std::size_t n = syllables.size();
    const Syllable &s = syllables[k];
    const Syllable &before = syllables[k - 1];
    const Syllable &after = syllables[k + 1];
    // य after i keeps its a: नियमित, प्रियतम, and so does -ीयता (वरीयता).
    const bool iyaTa = after.hasVowel(kSignAa) && after.isSingle(kTa);
    const bool iya = s.isSingle(kYa) && (before.hasVowel(kSignI) || (before.hasVowel(kSignIi) && iyaTa));
    const bool afterNasal = k + 1 != verbEnding && afterNasalConsonant(syllables, k);
    // A final short i ends Sanskrit nouns, which keep the a before it:
    // pragati, anumati, avadhi; not the conjunction कि (jabki).
    const bool beforeFinalShortI = k + 2 == n && after.hasVowel(kSignI) && after.onset.size() == 1
        && after.onset.front().base != kKa;
    // So do the participles in -इत: prachalit, virachit, sankalit.
    const bool beforeParticipleIt = k + 3 == n && after.hasVowel(kSignI) && after.onset.size() == 1
        && syllables[n - 1].kind == Vowel::Inherent && syllables[n - 1].isSingle(kTa);
    // A final yi or ye would read as a cluster with the consonant before
    // it: vijayi, sanchayi, rupaye; and -तया, the adverb of -ता, is said
    // whole: purnataya.
    const bool finalY = k + 2 == n && after.isSingle(kYa)
        && (after.hasVowel(kSignIi) || after.hasVowel(kSignE) || (s.isSingle(kTa) && after.hasVowel(kSignAa)));
    return iya || afterNasal || beforeFinalShortI || beforeParticipleIt || finalY || joinsWithH(s, after)
        || readsAsDoubled(s, after, k + 1 != verbEnding);
}

// Hindi speech drops the inherent a at the end of a word and between a
// sounded syllable and a consonant followed by a vowel (V C _ C V). The
// rule runs from the right, so each drop sees the drops after it:
// समझना keeps the a of म because झ has already lost its own.
void dropSchwas(std::vector<Syllable> &syllables, bool keepBeforeEnding, std::size_t verbEnding, bool persian)
{
    const std::size_t n = syllables.size();
    if (n < 2)
        return;
    if (syllables.back().schwaDeletable() && !finalSchwaKept(syllables, persian))
        syllables.back().keepSchwa = false;
    // The syllable before -रण, -मन, -लन, -तन (see keepsSchwaBeforeEnding).
    const std::size_t kept = keepBeforeEnding ? n - 3 : n;
    for (std::size_t k = n - 2; k >= 1; --k) {
        Syllable &s = syllables[k];
        const Syllable &after = syllables[k + 1];
        // A Persian verb's stem (बख़्श-ना) is no Sanskrit noun in -ना
        // (कल्पना, kalpana): its cluster says no a before the ending.
        const bool persianStem = persian && k + 2 == n && after.isSingle(kNa) && after.hasVowel(kSignAa)
            && s.onset.size() >= 2;
        if (k != kept && s.schwaDeletable() && (s.onset.size() == 1 || persianStem) && syllables[k - 1].sounded()
            && soundsAsOne(after.onset) && after.sounded() && !medialSchwaKept(syllables, k, verbEnding))
            s.keepSchwa = false;
        // An a or aa written after the consonant takes the place of its a: मेकअप.
        if (s.schwaDeletable() && startsWithA(after))
            s.keepSchwa = false;
    }
}

} // namespace

std::vector<Syllable> partSyllables(QStringView part, const HindiWordLists &words)
{
    std::vector<Syllable> own = parseWord(part);
    dropSchwas(own, keepsSchwaBeforeEnding(part, own, words), verbEndingStart(part, own),
               isPersianWord(part, own, words));
    if (words.keepEveryA.contains(part)) {
        for (std::size_t k = 0; k + 1 < own.size(); ++k)
            own[k].keepSchwa = own[k].keepSchwa || own[k].kind == Vowel::Inherent;
    }
    return own;
}

bool keepsSchwaAtSeam(const std::vector<Syllable> &before, const Syllable &next, QStringView prefix,
                      QStringView nextPart, const HindiWordLists &words)
{
    const bool nextIsSuffix = isSuffix(nextPart, words);
    const Syllable &last = before.back();
    const Syllable *beforeLast = before.size() >= 2 ? &before[before.size() - 2] : nullptr;
    const bool closedBefore = last.onset.size() == 1 && beforeLast && (beforeLast->nasal || !beforeLast->sounded());
    if (last.kind != Vowel::Inherent)
        return false;
    // A Sanskrit prefix keeps it before a cluster (ava-dhvanik, apa-vyay)
    // and before h, which would otherwise read as an aspirate (apa-haran);
    // a Persian one never does (gair-haziri, bad-chalan).
    if (!prefix.isEmpty())
        return !words.isPersianPrefix(prefix)
            && (next.onset.size() >= 2 || (!next.onset.empty() && next.onset.front().base == kHa));
    // Before a part that begins with a vowel any other part keeps it too
    // (grishma-ritu), or the two would read as one syllable.
    if (next.onset.empty())
        return !nextIsSuffix && !startsWithA(next);
    // So does a t that closes a cluster before the abstract -ता, where
    // three consonants would meet: ananta-ta, jivanta-ta; and a t or ṭ
    // alone, which would read doubled: ekjuta-ta, nikata-ta.
    const bool tBeforeTa = last.isSingle(kTta) || last.isSingle(kTa) || (last.onset.back().base == kTa && closedBefore);
    if (nextPart == u"ता" && tBeforeTa)
        return true;
    // A cluster keeps it before h, which would otherwise read as an
    // aspirate or a third consonant: rakta-hin, atma-hatya; and so does a
    // t, p, b or s (anta-hin), as inside a part.
    if (next.onset.front().base == kHa && (last.onset.size() >= 2 || joinsWithH(last, next)))
        return true;
    if (nextIsSuffix && readsAsDoubled(last, next, true))
        return true;
    // No consonant can follow a doubled one: uchcha-vansh, uchcha-tar; a
    // doubled nasal closes the syllable: prasann-chit.
    const std::size_t n = last.onset.size();
    return n >= 2 && last.onset[n - 1].base == last.onset[n - 2].base
        && !isOneOf(last.onset[n - 1].base, {kNna, kNa, kMa});
}

} // namespace tolvani::dicbuild
