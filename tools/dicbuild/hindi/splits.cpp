#include "hindi/splits.h"

#include "hindi/devanagari.h"
#include "hindi/syllables.h"

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

using namespace limits;

// How much an affix weighs against a word's count when readings compete,
// and a part the source never writes alone.
constexpr double kAffixWeight = 6.0;
constexpr double kUnknownStemWeight = 0.5;
// A final member needs three letters: रण is too short to be told from the
// end of another word (आधुनिकरण).
constexpr qsizetype kMinimumFinalMemberLetters = 3;

// The adjective ending -ईय (राष्ट्रीय); its stem is read with it.
constexpr QStringView kAdjectiveEnding = u"ीय";

// The endings of verb forms that a word after a Persian prefix cannot
// have: बेचना is no बे + चना.
constexpr QStringView kVerbEndings[] = {u"ना", u"ने", u"नी", u"ता", u"ते", u"ती"};

// Prefixes whose last consonant takes the vowel of the word after them:
// अन-अपेक्षित, पुनर्-उत्थान. The first may take an a as well.
constexpr QStringView kVowelSharingPrefixes[] = {u"अन", u"पुनर"};

// Vowel endings after a stem: -ई of adjectives and agents (अनुभवी =
// अनुभव ई), -आ of nouns and adjectives (मसखरा = मसखर आ), the Persian
// superlative -ईन (बेहतरीन = बेहतर ईन) and the plural -एँ, -ओं (सिलवटें =
// सिलवट एं). Each is written as a vowel sign, here with the letter it
// stands for.
struct VowelEnding {
    QStringView sign;
    QStringView letter;
};
// These two follow only a stem of the source or the lists, as no sound
// of the word tells them from its own letters: मशकबीन is mashak-bin.
constexpr QStringView kLongAEnding = u"ा";
constexpr QStringView kSuperlativeEnding = u"ीन";
constexpr VowelEnding kVowelEndings[] = {
    {u"ी", u"ई"},  {u"ीं", u"ईं"}, {u"ें", u"एं"},          {u"ेँ", u"एँ"},
    {u"ों", u"ओं"}, {u"ोँ", u"ओँ"}, {kLongAEnding, u"आ"}, {kSuperlativeEnding, u"ईन"},
};

} // namespace

bool isSuffix(QStringView part, const HindiWordLists &words)
{
    const bool vowelEnding = std::any_of(std::begin(kVowelEndings), std::end(kVowelEndings),
                                         [&](const VowelEnding &ending) { return ending.letter == part; });
    return words.isListedSuffix(part) || vowelEnding || words.joinedPostpositions.contains(part);
}

std::optional<Split> SplitFinder::best(const QString &word) const
{
    std::optional<Split> chosen;
    auto consider = [&](std::optional<Split> candidate) {
        if (candidate && (!chosen || candidate->score > chosen->score))
            chosen = std::move(candidate);
    };
    for (qsizetype at = 1; at < word.size(); ++at) {
        if (!startsSyllable(word, at))
            continue;
        consider(prefixAt(word, at));
        consider(suffixAt(word, at));
        consider(compoundAt(word, at));
    }
    for (qsizetype at = 2; at + 1 < word.size(); ++at) {
        if (word[at].unicode() == kSignAa)
            consider(vowelMemberAt(word, at));
    }
    for (const VowelEnding &ending : kVowelEndings)
        consider(vowelEnding(word, ending.sign, ending.letter));
    for (QStringView postposition : words_.joinedPostpositions)
        consider(joinedPostposition(word, postposition));
    consider(sharedVowel(word));
    return chosen;
}

// A prefix before a word of the source (अ-सफल, अ-समर्थ), or before a word
// and a suffix (अ-समाधानीय); a prefix of two syllables before a common
// word of two (अधि-पति). Not before a loanword (अरबर), nor where the word
// is a commoner word with an ending (अलगाई is अलग आई).
std::optional<Split> SplitFinder::prefixAt(const QString &word, qsizetype at) const
{
    const QStringView left = QStringView(word).first(at);
    const QString right = word.sliced(at);
    if (!words_.isPrefix(left) || startsWithCommonerStem(word, at, right))
        return std::nullopt;
    return prefixSplit(left, right);
}

// A word before a suffix or final member: सुविधा-जनक, अपमान-जनक; a stem the
// source never writes alone before a member of two syllables (ब्रह्म-वादी).
// After a cluster speech keeps the a before -ता, -नीय, -मान: स्पष्टता,
// वर्तमान are read whole.
std::optional<Split> SplitFinder::suffixAt(const QString &word, qsizetype at) const
{
    const QStringView left = QStringView(word).first(at);
    const QString right = word.sliced(at);
    if (!words_.isListedSuffix(right) || (words_.plainStemSuffixes.contains(right) && !endsInPlainSyllable(left)))
        return std::nullopt;
    // After a verb's stem -ता is its participle, read whole: घटता, not घट-ता.
    if (right == u"ता" && known_.count(left.toString() + kInfinitive.toString()) > 0)
        return std::nullopt;
    if (known_.isWord(left, kSyllables, 1))
        return Split{left.toString(), right, kAffixWeight + known_.weight(left)};
    // Any split into known words is more convincing.
    if (syllableCount(left) >= kSyllables && syllableCount(right) >= kSyllables)
        return Split{left.toString(), right, kUnknownStemWeight};
    return std::nullopt;
}

// Two words of the source (राज-महल, शब्द-कोश), the second perhaps with a
// plural ending or -ता; or a word before one that opens with a cluster in
// r, y or v (बुध-ग्रह). Not where the second is a verb or verb form
// (खुरचना, अंगरखा), the first a rare verb stem (सुनहरा) or the start of a
// longer word (अन्तरंग).
std::optional<Split> SplitFinder::compoundAt(const QString &word, qsizetype at) const
{
    const QStringView left = QStringView(word).first(at);
    const QString right = word.sliced(at);
    if (known_.isLongerWordAt(word, at) || known_.isVerbStem(left))
        return std::nullopt;
    // A listed member is no verb, though it may end like one (जन-गणना).
    const bool verbLike = right.endsWith(kInfinitive) || known_.isVerbForm(right);
    if (known_.isCompoundMember(left) && known_.isCompoundMemberOrPlural(right)
        && right.size() >= kMinimumFinalMemberLetters && (!verbLike || words_.members.contains(right)))
        return Split{left.toString(), right, known_.weight(left) + known_.weight(right)};
    if (isClusterSeam(left, right))
        return Split{left.toString(), right, kUnknownStemWeight};
    return std::nullopt;
}

// A stem ending in its a and a member that begins with a or aa, written
// with the aa sign between them: भोजन-आलय, नियम-अनुसार. The stem is a word
// of the source, or one it never writes (आयत-आकार) before a listed member;
// a stem the source often writes with the aa (रचना-त्मक) keeps the sign as
// usual, and so do the words listed as one (मूसलाधार).
std::optional<Split> SplitFinder::vowelMemberAt(const QString &word, qsizetype sign) const
{
    const QString stem = word.first(sign);
    if (!isDevanagariConsonant(stem.back().unicode()) || syllableCount(stem) < kSyllables)
        return std::nullopt;
    const bool known = known_.count(stem) > 0;
    if (words_.oneWords.contains(word) || (!known && known_.count(word.first(sign + 1)) >= kLongerWordCount))
        return std::nullopt;
    std::optional<Split> chosen;
    for (QChar vowel : {QChar(kLetterAa), QChar(kLetterA)}) {
        const QString member = vowel + word.sliced(sign + 1);
        const bool listed = words_.vowelMembers.contains(member);
        if (!(listed || (known && known_.isCommonVowelWord(member))))
            continue;
        // A listed member weighs as an affix: आयता-कार is no reading.
        const double score = (listed ? kAffixWeight : 0) + (known ? known_.weight(stem) : 0) + known_.weight(member);
        if (!chosen || score > chosen->score)
            chosen = Split{stem, member, score};
    }
    return chosen;
}

// A long stem of the source before a vowel ending (अनुभव-ई, सिलवट-एं), or
// one it never writes alone (see isUnknownStemBeforeVowel). A stem of three
// syllables keeps to the plain rules (पहली), and so does a noun in -नी from
// a verb (कतरनी).
std::optional<Split> SplitFinder::vowelEnding(const QString &word, QStringView sign, QStringView letter) const
{
    if (!word.endsWith(sign))
        return std::nullopt;
    const QString stem = word.chopped(sign.size());
    if (stem.isEmpty())
        return std::nullopt;
    // -ा after a stem is as often an infinitive or a participle (टपकन-ा,
    // उत्तेजन-ा), unless the stem is listed as a member (मसखर-ा, परगन-ा).
    const bool verbLike = sign == kLongAEnding && (word.endsWith(kInfinitive) || word.endsWith(u"ता"))
        && !words_.members.contains(stem);
    const QChar last = stem.size() >= 2 && stem.back() == QChar(kNukta) ? stem[stem.size() - 2] : stem.back();
    if (isDevanagariConsonant(last.unicode()) && known_.isWord(stem, kStemSyllablesBeforeVowel, 1)
        && endsInPlainSyllable(stem) && !known_.isNounOfVerb(word) && !verbLike)
        return Split{stem, letter.toString(), kAffixWeight + known_.weight(stem)};
    if (sign != kLongAEnding && sign != kSuperlativeEnding && known_.isUnknownStemBeforeVowel(stem))
        return Split{stem, letter.toString(), kUnknownStemWeight};
    return std::nullopt;
}

// A word of three syllables or more and the postposition joined to it.
std::optional<Split> SplitFinder::joinedPostposition(const QString &word, QStringView postposition) const
{
    if (!word.endsWith(postposition))
        return std::nullopt;
    const QString stem = word.chopped(postposition.size());
    if (!known_.isWord(stem, kSyllablesAfterPrefix, 1))
        return std::nullopt;
    return Split{stem, postposition.toString(), kAffixWeight + known_.weight(stem)};
}

// अन + अपेक्षित is written अनपेक्षित, अन + आवरण अनावरण: the prefix's last
// consonant carries the next word's vowel, as पुनर् + उत्थान is written
// पुनरुत्थान (punar-utthan).
std::optional<Split> SplitFinder::sharedVowel(const QString &word) const
{
    for (QStringView prefix : kVowelSharingPrefixes) {
        if (!word.startsWith(prefix) || word.size() <= prefix.size() + 1)
            continue;
        const char16_t next = word[prefix.size()].unicode();
        if (isDevanagariConsonant(next) && prefix == kVowelSharingPrefixes[0])
            return prefixSplit(prefix, QChar(kLetterA) + word.sliced(prefix.size()));
        if (const char16_t vowel = independentVowel(next))
            return prefixSplit(prefix, QChar(vowel) + word.sliced(prefix.size() + 1));
    }
    return std::nullopt;
}

std::optional<Split> SplitFinder::prefixSplit(QStringView prefix, const QString &rest) const
{
    if (!words_.isPersianPrefix(prefix) && known_.isLoanword(rest))
        return std::nullopt;
    if (!isCommonShortWordAfter(prefix, rest)
        && (syllableCount(rest) < kSyllablesAfterPrefix || !isWordOrSuffixed(rest)))
        return std::nullopt;
    return Split{prefix.toString(), rest, kAffixWeight + known_.weight(rest)};
}

// The rest is a word, or a word and a suffix (अ समर्थ-नीय, अ समाधान-ीय).
bool SplitFinder::isWordOrSuffixed(QStringView rest) const
{
    auto isStem = [&](QStringView ending) {
        return rest.endsWith(ending) && known_.isWord(rest.chopped(ending.size()), kSyllablesAfterPrefix, 1);
    };
    return known_.isWord(rest, kSyllablesAfterPrefix, 1) || std::any_of(words_.suffixes.begin(), words_.suffixes.end(), isStem)
        || std::any_of(words_.plainStemSuffixes.begin(), words_.plainStemSuffixes.end(), isStem)
        || isStem(kAdjectiveEnding);
}

// A Sanskrit prefix of two syllables is clear before a common word of
// two (उप-हास, अप-मान), where one syllable (अ-गला) is not; a Persian prefix
// before any word of two but a verb form (बे-वफ़ा, बद-मज़ा; not बे-चना).
bool SplitFinder::isCommonShortWordAfter(QStringView prefix, QStringView rest) const
{
    if (syllableCount(rest) != 2)
        return false;
    if (words_.isPersianPrefix(prefix)) {
        const bool verbForm = std::any_of(std::begin(kVerbEndings), std::end(kVerbEndings),
                                          [&](QStringView ending) { return rest.endsWith(ending); });
        return known_.count(rest) > 0 && !verbForm && !known_.isVerbForm(rest);
    }
    return syllableCount(prefix) >= 2 && known_.count(rest) >= kShortMemberCount;
}

// अलगाई is अलग + आई, not अ + लगाई: the word is a word more common
// than the rest, which is no prefixed word itself, and a vowel ending.
bool SplitFinder::startsWithCommonerStem(const QString &word, qsizetype prefixEnd, QStringView rest) const
{
    for (qsizetype end = prefixEnd + 1; end < word.size(); ++end) {
        const QStringView ending = QStringView(word).sliced(end);
        const bool vowelsOnly =
            std::none_of(ending.begin(), ending.end(), [](QChar c) { return isDevanagariConsonant(c.unicode()); });
        if (isDevanagariConsonant(word[end - 1].unicode()) && isVowelSign(word[end].unicode()) && vowelsOnly
            && known_.count(QStringView(word).first(end)) > known_.count(rest)
            && !prefixSplit(QStringView(word).first(prefixEnd), word.first(end).sliced(prefixEnd)))
            return true;
    }
    return false;
}

// A word that begins with a stop or sibilant closed by r, y or v (ग्रह,
// व्यय, ज्वर, श्रुति) is seldom the tail of a Sanskrit word, so a
// member before it is clear when either of the two is a word of the
// source: budh-grah, mit-vyayi, desh-vyapi. Not after s, a nasal or r,
// which begin clusters inside words (sarasvati, samanvit, punarvichar),
// nor before the endings -tva and -tra (ghanatva, ekatra).
bool SplitFinder::isClusterSeam(QStringView left, QStringView right) const
{
    if (words_.isPrefix(left) || right.size() < 4 || right[1].unicode() != kVirama || syllableCount(left) < kSyllables
        || syllableCount(right) < kSyllables || right.endsWith(kInfinitive) || known_.isVerbForm(right))
        return false;
    const char16_t first = withoutNukta(right[0].unicode());
    const char16_t second = right[2].unicode();
    if (!isOneOf(second, {kRa, kYa, kVa}) || isOneOf(first, {kNga, kNya, kNna, kNa, kMa, kRa, kSa})
        || (first == kTa && second != kYa))
        return false;
    const bool leftKnown = known_.isCompoundMember(left);
    const bool rightKnown =
        known_.isCompoundMember(right) || (right.endsWith(u"ी") && known_.count(right.chopped(1)) > 0);
    return leftKnown != rightKnown;
}

} // namespace tolvani::dicbuild
