#include "hindi/knownwords.h"

#include "hindi/devanagari.h"
#include "hindi/syllables.h"

#include <cmath>

namespace tolvani::dicbuild {

using namespace limits;

double KnownWords::weight(QStringView word) const
{
    return std::log(1.0 + vocabulary_.count(word));
}

bool KnownWords::isWord(QStringView word, int minimumSyllables, int minimumCount) const
{
    return vocabulary_.count(word) >= minimumCount && syllableCount(word) >= minimumSyllables;
}

bool KnownWords::isCompoundMember(QStringView word) const
{
    const int minimumCount = word.size() <= 2 ? kShortMemberCount : kCompoundCount;
    return isWord(word, kSyllables, minimumCount);
}

bool KnownWords::isCompoundMemberOrPlural(QStringView word) const
{
    if (isCompoundMember(word))
        return true;
    if (word.endsWith(u"ता") && syllableCount(word) > kSyllablesAfterPrefix && isCompoundMember(word.chopped(2)))
        return true;
    for (QStringView plural : {QStringView(u"एँ"), QStringView(u"एं"), QStringView(u"ें"), QStringView(u"ेँ"),
                               QStringView(u"ों"), QStringView(u"ओं")}) {
        if (word.endsWith(plural) && isCompoundMember(word.chopped(plural.size())))
            return true;
    }
    return false;
}

bool KnownWords::isVerbForm(QStringView right) const
{
    if (right.size() < 3 || !isDevanagariConsonant(right[right.size() - 2].unicode()))
        return false;
    const char16_t ending = right.back().unicode();
    const QStringView stem = right.chopped(1);
    const int verbCount = vocabulary_.count(stem.toString() + kInfinitive.toString());
    return isOneOf(ending, {kSignAa, kSignIi, kSignE}) && verbCount > 0
        && vocabulary_.count(stem) * kVerbOverStemRatio < verbCount;
}

bool KnownWords::isVerbStem(QStringView left) const
{
    const int alone = vocabulary_.count(left);
    return alone < kShortMemberCount && alone < vocabulary_.count(left.toString() + kInfinitive.toString());
}

bool KnownWords::isLongerWordAt(const QString &word, qsizetype at) const
{
    qsizetype end = at + 1;
    if (end < word.size() && word[end].unicode() == kNukta)
        ++end;
    const bool inCluster = end < word.size() && word[end].unicode() == kVirama;
    return isDevanagariConsonant(word[at].unicode()) && !inCluster
        && vocabulary_.count(QStringView(word).first(end)) >= kLongerWordCount;
}

bool KnownWords::isNounOfVerb(const QString &word) const
{
    static const QString ni = QStringLiteral("नी");
    return word.endsWith(ni) && vocabulary_.count(word.chopped(ni.size()) + kInfinitive.toString()) > 0;
}

bool KnownWords::isUnknownStemBeforeVowel(const QString &stem) const
{
    if (syllableCount(stem) < kStemSyllablesBeforeVowel)
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
    const bool feminine = c2 == kNa && vocabulary_.count(shorter) > 0; // जादूगर-नी
    return !verb && !feminine && !stem.sliced(1).contains(QChar(kHa)) && c2 != kYa && c2 != kCa;
}

bool KnownWords::isCommonVowelWord(const QString &member) const
{
    return vocabulary_.count(member) >= kVowelMemberCount && syllableCount(member) >= kVowelMemberSyllables
        && !member.endsWith(kInfinitive) && !isVerbForm(member);
}

} // namespace tolvani::dicbuild
