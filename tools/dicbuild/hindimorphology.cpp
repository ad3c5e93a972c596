#include "hindimorphology.h"

#include "devanagari.h"
#include "dictd.h"
#include "entryparser.h"
#include "romanizer.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tolvani::dicbuild {
namespace {


// Sanskrit and Hindi prefixes that keep their own syllables before a word.
// Those ending in a virama (निर्, दुस्, सम्) join the next consonant and
// leave nothing to decide at the seam.
constexpr QStringView kPrefixes[] = {
    u"अ", u"अन", u"अप", u"अभि", u"अव", u"उप", u"नि", u"परि", u"प्र", u"प्रति", u"वि", u"सु", u"स", u"कु",
    u"अधि", u"अनु", u"अति", u"सह", u"महा", u"बे", u"ला", u"कम", u"बद", u"ना", u"गैर", u"हम",
};

constexpr QStringView kPersianPrefixes[] = {u"बे", u"ला", u"कम", u"बद", u"ना", u"गैर", u"हम"};

// अन before a word that begins with a vowel shares the vowel with it.
constexpr QStringView kVowelSharingPrefix = u"अन";

// Suffixes and final members of compounds.
constexpr QStringView kSuffixes[] = {
    u"जनक", u"पन", u"कार", u"दार", u"वाला", u"वाली", u"वाले", u"पूर्ण", u"पूर्वक", u"हीन",
    u"मय", u"शाली", u"वान", u"मान", u"कर", u"गर", u"शील", u"वादी", u"वाद", u"दायक", u"कारी", u"कारक",
    u"युक्त", u"रहित", u"वर्ती", u"वासी", u"कालीन", u"ग्रस्त", u"वत", u"ता", u"नीय",
};

// Members that begin with a or aa, which joins the a a stem ends in
// (आयत + आकार = आयताकार, नियम + अनुसार = नियमानुसार).
constexpr QStringView kVowelMembers[] = {
    u"आकार", u"आलय", u"आत्मक", u"अर्थ", u"आर्थ", u"आधार", u"अनुसार", u"आवली", u"आचरण", u"आगार", u"अधीन",
    u"अध्यक्ष", u"अधिकारी", u"आवरण", u"आसन", u"आहार", u"आश्रम", u"अवस्था", u"अनुकूल", u"आत्मा",
};
// Words of this make that speech has long read as one: musladhar.
constexpr QStringView kWholeVowelCompounds[] = {u"मूसलाधार"};
// A source word read as such a member needs to be common and long.
constexpr int kMinimumVowelMemberCount = 5;
constexpr int kMinimumVowelMemberSyllables = 3;

// The adjective ending -ईय (राष्ट्रीय); its stem is read with it.
constexpr QStringView kAdjectiveEnding = u"ीय";

// Postpositions the source sometimes writes joined to the word before.
constexpr QStringView kJoinedPostpositions[] = {u"से", u"में"};

// Vowel endings after a stem: -ई of adjectives and agents (अनुभवी =
// अनुभव ई), and the plural -एँ, -ओं (सिलवटें = सिलवट एं). Each is
// written as a vowel sign, here with the letter it stands for.
struct VowelEnding {
    QStringView sign;
    QStringView letter;
};
constexpr VowelEnding kVowelEndings[] = {
    {u"ी", u"ई"}, {u"ीं", u"ईं"}, {u"ें", u"एं"}, {u"ेँ", u"एँ"}, {u"ों", u"ओं"}, {u"ोँ", u"ओँ"},
};

bool isVowelEnding(QStringView part)
{
    for (const VowelEnding &ending : kVowelEndings) {
        if (ending.letter == part)
            return true;
    }
    return false;
}

// These are read into the stem only after a plain syllable: after a
// cluster speech keeps the a before them (स्पष्टता, अकल्पनीय, वर्तमान).
bool needsPlainStem(QStringView suffix)
{
    return suffix == u"ता" || suffix == u"नीय" || suffix == u"मान";
}

// A prefix is read as one only before a word of three syllables or more
// (असफल, but अगला is not अ + गला, बदलना not बद + लना); other parts need two.
constexpr int kMinimumSyllablesAfterPrefix = 3;
constexpr int kMinimumSyllables = 2;
// Before a vowel ending a stem of three keeps to the plain rules: पहली,
// नकली, जंगली, सड़कों.
constexpr int kMinimumStemSyllablesBeforeVowel = 4;
// Both words of a compound must occur in the source.
constexpr int kMinimumCompoundCount = 1;
// A member of two letters must be common: rare ones (आर) match the start
// of other words by chance (आरक्षण).
constexpr int kMinimumShortMemberCount = 5;
// A final member needs three letters: रण is too short to be told from the
// end of another word (आधुनिकरण).
constexpr qsizetype kMinimumFinalMemberLetters = 3;
// A left member that goes on into a word this common is no member.
constexpr int kMinimumLongerWordCount = 2;
// A verb form is read as one unless its stem is used alone about as often.
constexpr int kVerbOverStemRatio = 4;
// A verb is not a compound: खुरचना is not खुर + चना.
constexpr QStringView kInfinitive = u"ना";
// How much an affix weighs against a word's count when splits compete.
constexpr double kAffixWeight = 6.0;
constexpr double kUnknownStemWeight = 0.5;
// Parts within parts: prefix, two members, suffix and an ending at most.
constexpr int kMaximumDepth = 4;

constexpr char16_t kYa = 0x092F;
constexpr char16_t kRa = 0x0930;
constexpr char16_t kVa = 0x0935;
constexpr char16_t kHa = 0x0939;

bool isVowelSign(char16_t c)
{
    return c >= 0x093E && c <= 0x094C;
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

// Whether the last consonant stands alone, not at the end of a cluster.
bool endsInPlainSyllable(QStringView stem)
{
    for (qsizetype i = stem.size() - 1; i >= 0; --i) {
        if (isDevanagariConsonant(stem[i].unicode()))
            return i == 0 || stem[i - 1].unicode() != kVirama;
    }
    return false;
}

// A consonant with its inherent a: no virama, vowel sign or nasal after it.
// Returns where the next syllable begins, or -1.
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

using dicbuild::isOneOf;

template <std::size_t N>
bool isOneOf(QStringView part, const QStringView (&list)[N])
{
    for (QStringView item : list) {
        if (item == part)
            return true;
    }
    return false;
}

} // namespace

bool isPrefix(QStringView part)
{
    return isOneOf(part, kPrefixes);
}

bool isPersianPrefix(QStringView part)
{
    return isOneOf(part, kPersianPrefixes);
}

bool isSuffix(QStringView part)
{
    return isOneOf(part, kSuffixes) || isVowelEnding(part) || isOneOf(part, kJoinedPostpositions);
}

namespace {

struct Split {
    QString left;
    QString right;
    double score = 0;
};

class Splitter {
public:
    explicit Splitter(const HindiVocabulary &vocabulary) : vocabulary_(vocabulary) {}

    QStringList parts(const QString &word, int depth = 0)
    {
        const std::optional<Split> split = depth < kMaximumDepth ? best(word) : std::nullopt;
        if (!split)
            return {word};
        const bool leftIsAffix = isPrefix(split->left);
        const bool rightIsAffix = isSuffix(split->right);
        QStringList out = leftIsAffix ? QStringList{split->left} : parts(split->left, depth + 1);
        out += rightIsAffix ? QStringList{split->right} : parts(split->right, depth + 1);
        return out;
    }

private:
    double weight(QStringView word) const { return std::log(1.0 + vocabulary_.count(word)); }

    bool isWord(QStringView word, int minimumSyllables, int minimumCount) const
    {
        return vocabulary_.count(word) >= minimumCount && syllableCount(word) >= minimumSyllables;
    }

    bool isCompoundMember(QStringView word) const
    {
        const int minimumCount = word.size() <= 2 ? kMinimumShortMemberCount : kMinimumCompoundCount;
        return isWord(word, kMinimumSyllables, minimumCount);
    }

    // A final member may carry a plural ending, or -ता of nouns made from
    // it: रंग-कलाएँ, धर्म-निरपेक्षता.
    bool isCompoundMemberOrPlural(QStringView word) const
    {
        if (isCompoundMember(word))
            return true;
        if (word.endsWith(u"ता") && syllableCount(word) > kMinimumSyllablesAfterPrefix
            && isCompoundMember(word.chopped(2)))
            return true;
        for (QStringView plural : {QStringView(u"एँ"), QStringView(u"एं"), QStringView(u"ें"), QStringView(u"ेँ"),
                                   QStringView(u"ों"), QStringView(u"ओं")}) {
            if (word.endsWith(plural) && isCompoundMember(word.chopped(plural.size())))
                return true;
        }
        return false;
    }

    // The rest is a word, or a word and a suffix (अ समर्थ-नीय, अ समाधान-ीय).
    bool isWordOrSuffixed(QStringView rest) const
    {
        if (isWord(rest, kMinimumSyllablesAfterPrefix, 1))
            return true;
        for (QStringView suffix : kSuffixes) {
            if (rest.endsWith(suffix) && isWord(rest.chopped(suffix.size()), kMinimumSyllablesAfterPrefix, 1))
                return true;
        }
        return rest.endsWith(kAdjectiveEnding)
            && isWord(rest.chopped(kAdjectiveEnding.size()), kMinimumSyllablesAfterPrefix, 1);
    }

    // A Sanskrit prefix of two syllables is clear before a common word of
    // two (उप-हास, अप-मान), where one syllable (अ-गला) is not.
    bool isCommonShortWordAfter(QStringView prefix, QStringView rest) const
    {
        return syllableCount(prefix) >= 2 && !isPersianPrefix(prefix) && syllableCount(rest) == 2
            && vocabulary_.count(rest) >= kMinimumShortMemberCount;
    }

    std::optional<Split> prefixSplit(QStringView prefix, const QString &rest) const
    {
        if (!isPersianPrefix(prefix) && vocabulary_.isLoanword(rest))
            return std::nullopt;
        if (!isCommonShortWordAfter(prefix, rest)
            && (syllableCount(rest) < kMinimumSyllablesAfterPrefix || !isWordOrSuffixed(rest)))
            return std::nullopt;
        return Split{prefix.toString(), rest, kAffixWeight + weight(rest)};
    }

    // रखा, रखी, रखे: a compound does not end in a verb (अंगरखा is no अंग +
    // रखा) unless its stem is a word of its own as well (सुन-हरा, रस-भरी).
    bool isVerbForm(QStringView right) const
    {
        if (right.size() < 3 || !isDevanagariConsonant(right[right.size() - 2].unicode()))
            return false;
        const char16_t ending = right.back().unicode();
        const QStringView stem = right.chopped(1);
        const int verbCount = vocabulary_.count(stem.toString() + kInfinitive.toString());
        return (ending == kSignAa || ending == 0x0940 || ending == 0x0947) && verbCount > 0
            && vocabulary_.count(stem) * kVerbOverStemRatio < verbCount;
    }

    // The left member goes on into a word of its own with the next
    // consonant: अन्तर-अंग, not अन्त-रंग; अन्तर-आल, not अन्त-राल.
    bool isLongerWordAt(const QString &word, qsizetype at) const
    {
        qsizetype end = at + 1;
        if (end < word.size() && word[end].unicode() == kNukta)
            ++end;
        const bool inCluster = end < word.size() && word[end].unicode() == kVirama;
        return isDevanagariConsonant(word[at].unicode()) && !inCluster
            && vocabulary_.count(QStringView(word).first(end)) >= kMinimumLongerWordCount;
    }

    // कतरनी, छलनी: nouns in -नी from a verb (कतरना) are read as wholes.
    bool isNounOfVerb(const QString &word) const
    {
        static const QString ni = QStringLiteral("नी");
        return word.endsWith(ni) && vocabulary_.count(word.chopped(ni.size()) + kInfinitive.toString()) > 0;
    }

    // Nor does one begin with a verb's stem that is rare alone: सुनहरा is
    // no सुन + हरा.
    bool isVerbStem(QStringView left) const
    {
        const int alone = vocabulary_.count(left);
        return alone < kMinimumShortMemberCount && alone < vocabulary_.count(left.toString() + kInfinitive.toString());
    }

    // अलगाई is अलग + आई, not अ + लगाई: the word is a word more common
    // than the rest, which is no prefixed word itself, and a vowel ending.
    bool startsWithCommonerStem(const QString &word, qsizetype prefixEnd, QStringView rest) const
    {
        for (qsizetype end = prefixEnd + 1; end < word.size(); ++end) {
            const QStringView ending = QStringView(word).sliced(end);
            const bool vowelsOnly = std::none_of(ending.begin(), ending.end(), [](QChar c) { return isDevanagariConsonant(c.unicode()); });
            if (isDevanagariConsonant(word[end - 1].unicode()) && isVowelSign(word[end].unicode()) && vowelsOnly
                && vocabulary_.count(QStringView(word).first(end)) > vocabulary_.count(rest)
                && !prefixSplit(QStringView(word).first(prefixEnd), word.first(end).sliced(prefixEnd)))
                return true;
        }
        return false;
    }

    // A stem the source never writes alone still reads as one before a
    // vowel ending when it ends in two plain syllables after a third:
    // karvat-en, hathkad-i. Not a verb (बदल-ती) or a feminine in -नी
    // (जादूगर-नी), nor a stem with h inside, whose a speech keeps (kachahri),
    // nor -ची of agents or the y that joins i to an ending (padriyon).
    bool isUnknownStemBeforeVowel(const QString &stem) const
    {
        if (syllableCount(stem) < kMinimumStemSyllablesBeforeVowel)
            return false;
        qsizetype last = stem.size() - 1;
        if (stem[last].unicode() == kNukta)
            --last;
        qsizetype penultimate = last - 1;
        if (penultimate >= 0 && stem[penultimate].unicode() == kNukta)
            --penultimate;
        if (penultimate < 1 || plainSyllableEnd(stem, penultimate) != last
            || !isDevanagariConsonant(stem[penultimate - 1].unicode()) || plainSyllableEnd(stem, last) != stem.size())
            return false;
        const char16_t c2 = stem[last].unicode();
        const QStringView shorter = QStringView(stem).first(last);
        const bool verb = vocabulary_.count(shorter.toString() + kInfinitive.toString()) > 0;
        const bool feminine = c2 == 0x0928 && vocabulary_.count(shorter) > 0; // जादूगर-नी
        return !verb && !feminine && !stem.sliced(1).contains(QChar(kHa)) && c2 != kYa && c2 != 0x091A;
    }

    bool isCommonVowelWord(const QString &member) const
    {
        return vocabulary_.count(member) >= kMinimumVowelMemberCount
            && syllableCount(member) >= kMinimumVowelMemberSyllables && !member.endsWith(kInfinitive)
            && !isVerbForm(member);
    }

    // A word that begins with a stop or sibilant closed by r, y or v (ग्रह,
    // व्यय, ज्वर, श्रुति) is seldom the tail of a Sanskrit word, so a
    // member before it is clear when either of the two is a word of the
    // source: budh-grah, mit-vyayi, desh-vyapi. Not after s, a nasal or r,
    // which begin clusters inside words (sarasvati, samanvit, punarvichar),
    // nor before the endings -tva and -tra (ghanatva, ekatra).
    bool isClusterSeam(QStringView left, QStringView right) const
    {
        if (isPrefix(left) || right.size() < 4 || right[1].unicode() != kVirama || syllableCount(left) < kMinimumSyllables
            || syllableCount(right) < kMinimumSyllables || right.endsWith(kInfinitive) || isVerbForm(right))
            return false;
        const char16_t first = withoutNukta(right[0].unicode());
        const char16_t second = right[2].unicode();
        if (!isOneOf(second, {kRa, kYa, kVa}) || isOneOf(first, {0x0919, 0x091E, 0x0923, 0x0928, 0x092E, kRa, 0x0938})
            || (first == 0x0924 && second != kYa))
            return false;
        const bool leftKnown = isCompoundMember(left);
        const bool rightKnown = isCompoundMember(right)
            || (right.endsWith(u"ी") && vocabulary_.count(right.chopped(1)) > 0);
        return leftKnown != rightKnown;
    }

    // A stem ending in its a and a member that begins with a or aa, written
    // with the aa sign between them. The stem is a word of the source, or
    // one it never writes (आयत-आकार) before a listed member; a stem the
    // source often writes with the aa (रचना-त्मक) keeps the sign as usual.
    std::optional<Split> vowelMemberSplit(const QString &word, qsizetype sign) const
    {
        const QString stem = word.first(sign);
        if (!isDevanagariConsonant(stem.back().unicode()) || syllableCount(stem) < kMinimumSyllables)
            return std::nullopt;
        const bool known = vocabulary_.count(stem) > 0;
        if (isOneOf(QStringView(word), kWholeVowelCompounds)
            || (!known && vocabulary_.count(word.first(sign + 1)) >= kMinimumLongerWordCount))
            return std::nullopt;
        std::optional<Split> chosen;
        for (QChar vowel : {QChar(kIndependentAa), QChar(kIndependentA)}) {
            const QString member = vowel + word.sliced(sign + 1);
            const bool listed = isOneOf(QStringView(member), kVowelMembers);
            if (!(listed || (known && isCommonVowelWord(member))))
                continue;
            // A listed member weighs as an affix: आयता-कार is no reading.
            const double score = (listed ? kAffixWeight : 0) + (known ? weight(stem) : 0) + weight(member);
            if (!chosen || score > chosen->score)
                chosen = Split{stem, member, score};
        }
        return chosen;
    }

    std::optional<Split> best(const QString &word) const
    {
        std::optional<Split> chosen;
        auto consider = [&](std::optional<Split> candidate) {
            if (candidate && (!chosen || candidate->score > chosen->score))
                chosen = std::move(candidate);
        };
        for (qsizetype at = 1; at < word.size(); ++at) {
            if (!startsSyllable(word, at))
                continue;
            const QStringView left = QStringView(word).first(at);
            const QString right = word.sliced(at);
            if (isOneOf(left, kPrefixes) && !startsWithCommonerStem(word, at, right))
                consider(prefixSplit(left, right));
            if (isOneOf(QStringView(right), kSuffixes) && (!needsPlainStem(right) || endsInPlainSyllable(left))) {
                if (isWord(left, kMinimumSyllables, 1))
                    consider(Split{left.toString(), right, kAffixWeight + weight(left)});
                // A final member of two syllables is clear enough after a stem
                // the source never writes alone (ब्रह्मवादी), but any split
                // into known words is more convincing.
                else if (syllableCount(left) >= kMinimumSyllables && syllableCount(right) >= kMinimumSyllables)
                    consider(Split{left.toString(), right, kUnknownStemWeight});
            }
            if (isCompoundMember(left) && isCompoundMemberOrPlural(right) && right.size() >= kMinimumFinalMemberLetters
                && !right.endsWith(kInfinitive) && !isVerbForm(right) && !isLongerWordAt(word, at)
                && !isVerbStem(left))
                consider(Split{left.toString(), right, weight(left) + weight(right)});
            else if (isClusterSeam(left, right) && !isLongerWordAt(word, at) && !isVerbStem(left))
                consider(Split{left.toString(), right, kUnknownStemWeight});
        }
        for (qsizetype at = 2; at + 1 < word.size(); ++at) {
            if (word[at].unicode() == kSignAa)
                consider(vowelMemberSplit(word, at));
        }
        for (const VowelEnding &ending : kVowelEndings) {
            if (!word.endsWith(ending.sign))
                continue;
            const QString stem = word.chopped(ending.sign.size());
            if (!stem.isEmpty() && isDevanagariConsonant(stem.back().unicode())
                && isWord(stem, kMinimumStemSyllablesBeforeVowel, 1) && endsInPlainSyllable(stem)
                && !isNounOfVerb(word))
                consider(Split{stem, ending.letter.toString(), kAffixWeight + weight(stem)});
            else if (!stem.isEmpty() && isUnknownStemBeforeVowel(stem))
                consider(Split{stem, ending.letter.toString(), kUnknownStemWeight});
        }
        for (QStringView postposition : kJoinedPostpositions) {
            if (!word.endsWith(postposition))
                continue;
            const QString stem = word.chopped(postposition.size());
            if (isWord(stem, kMinimumSyllablesAfterPrefix, 1))
                consider(Split{stem, postposition.toString(), kAffixWeight + weight(stem)});
        }
        // अन + अपेक्षित is written अनपेक्षित, अन + आवरण अनावरण.
        const qsizetype shared = kVowelSharingPrefix.size() - 1;
        if (word.startsWith(kVowelSharingPrefix) && word.size() > shared + 2) {
            const bool longA = word[shared + 1].unicode() == kSignAa;
            const QChar vowel = longA ? kIndependentAa : kIndependentA;
            const QString rest = vowel + word.sliced(shared + (longA ? 2 : 1));
            if (longA || isDevanagariConsonant(word[shared + 1].unicode()))
                consider(prefixSplit(kVowelSharingPrefix, rest));
        }
        return chosen;
    }

    const HindiVocabulary &vocabulary_;
};

} // namespace

namespace {

// The source writes the nukta only now and then (घुड़सवार, घुडसवार), and
// a nasal before a consonant either as a letter or as an anusvara (अनन्त,
// अनंत): words are counted without the nukta and with the anusvara.
QString spellingKey(QStringView word)
{
    QString key;
    key.reserve(word.size());
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c == kNukta)
            continue;
        const bool nasalLetter = isOneOf(c, {0x0919, 0x091E, 0x0923, 0x0928, 0x092E});
        if (nasalLetter && i + 2 < word.size() && word[i + 1].unicode() == kVirama
            && isDevanagariConsonant(word[i + 2].unicode())) {
            key += QChar(kAnusvara);
            ++i;
            continue;
        }
        key += QChar(withoutNukta(c));
    }
    return key;
}

} // namespace

void HindiVocabulary::addText(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isDevanagariLetter(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && (isDevanagariLetter(text[end]) || text[end].unicode() == kZeroWidthJoiner))
            ++end;
        ++counts_[spellingKey(text.sliced(i, end - i))];
        i = end;
    }
}

int HindiVocabulary::count(QStringView word) const
{
    return counts_.value(spellingKey(word));
}

std::vector<OutlineLetter> consonantOutline(QStringView latin)
{
    std::vector<OutlineLetter> outline;
    for (qsizetype i = 0; i < latin.size(); ++i) {
        QChar c = latin[i].toLower();
        if (c == u'p' && i + 1 < latin.size() && latin[i + 1].toLower() == u'h')
            c = u'f';
        else if (c == u'c' || c == u'q')
            c = u'k';
        else if (c == u'w')
            c = u'v';
        if (!c.isLetter() || QStringView(u"aeiouyh").contains(c))
            continue;
        if (!outline.empty() && outline.back().letter == c)
            outline.back().last = i;
        else
            outline.push_back({c, i, i});
    }
    return outline;
}

namespace {

bool sameOutline(const std::vector<OutlineLetter> &a, const std::vector<OutlineLetter> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const OutlineLetter &x, const OutlineLetter &y) { return x.letter == y.letter; });
}

} // namespace

void HindiVocabulary::addMeaning(QStringView headword, QStringView meaning)
{
    addText(meaning);
    const std::vector<OutlineLetter> english = consonantOutline(headword);
    if (english.size() < 2)
        return;
    // A piece of one word, or of one word and the verb that makes a verb of
    // it (इंटरव्यू लेना); a word inside a phrase (वानर के समान for simian)
    // only sounds like the headword by chance.
    static const QStringList lightVerbs{QStringLiteral("करना"), QStringLiteral("लेना"), QStringLiteral("देना"),
                                        QStringLiteral("होना")};
    for (const QString &piece : meaning.toString().split(u',')) {
        const QStringList words = QString(piece).replace(u'~', u' ').split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.size() > 2 || (words.size() == 2 && !lightVerbs.contains(words[1])))
            continue;
        const QString &word = words.front();
        if (!std::all_of(word.begin(), word.end(), [](QChar c) { return isDevanagariLetter(c); }))
            continue;
        const QString key = spellingKey(word);
        if (!loanwords_.contains(key) && sameOutline(consonantOutline(romanize(word, HindiVocabulary())), english))
            loanwords_.insert(key, headword.toString().toLower());
    }
}

QString HindiVocabulary::loanSource(QStringView word) const
{
    return loanwords_.value(spellingKey(word));
}

HindiVocabulary vocabularyOf(const std::vector<SourceEntry> &entries)
{
    HindiVocabulary vocabulary;
    for (const SourceEntry &entry : entries) {
        for (const QString &sense : entry.senses)
            vocabulary.addMeaning(entry.headword, sense);
        for (const QString &example : entry.examples)
            vocabulary.addText(example);
    }
    return vocabulary;
}

HindiVocabulary sourceVocabulary(const QString &index, const QString &data)
{
    std::vector<SourceEntry> entries;
    const QByteArray bytes = readGzipInput(data);
    for (const QString &article : dictdArticles(parseDictdIndex(readInput(index)), bytes)) {
        if (std::optional<SourceEntry> entry = parseEntry(article))
            entries.push_back(std::move(*entry));
    }
    return vocabularyOf(entries);
}

namespace {

// Sound words repeat a pair of syllables, whole or with a new first
// consonant, and add an ending: भन-भनाना, चर-मराना, गड़-बड़ी, गड़-बड़ा. Where the
// first pair ends, or -1.
qsizetype echoPairEnd(QStringView word)
{
    const qsizetype second = plainSyllableEnd(word, 0);
    const qsizetype third = second < 0 ? -1 : plainSyllableEnd(word, second);
    const qsizetype fourth = third < 0 ? -1 : plainSyllableEnd(word, third);
    const qsizetype length = third - second;
    if (fourth < 0 || fourth + length >= word.size() || word.sliced(second, length) != word.sliced(fourth, length))
        return -1;
    const qsizetype ending = fourth + length;
    const char16_t vowel = word[ending].unicode();
    // A final aa after न is the infinitive of a verb: पनपना is panap-na.
    const bool infinitive = ending + 1 == word.size() && word.endsWith(kInfinitive);
    const bool longA = vowel == kSignAa && !infinitive;
    return longA || vowel == 0x0940 ? third : -1;
}

} // namespace

QStringList morphemeParts(QStringView word, const HindiVocabulary &vocabulary)
{
    if (const qsizetype pairEnd = echoPairEnd(word); pairEnd > 0)
        return QStringList{word.first(pairEnd).toString()} + morphemeParts(word.sliced(pairEnd), vocabulary);
    if (vocabulary.isEmpty())
        return {word.toString()};
    return Splitter(vocabulary).parts(word.toString());
}

} // namespace tolvani::dicbuild
