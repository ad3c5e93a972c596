#pragma once

#include "hindi/knownwords.h"
#include "hindi/wordlists.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tolvani::dicbuild {

// A word read as two parts, and how convincing the reading is.
struct Split {
    QString left;
    QString right;
    double score = 0;
};

// The readings of a word as two parts, each step one way a Hindi word is
// made: a prefix before a word, a word before a suffix, two words, a stem
// before a member that opens with a vowel, before a vowel ending or before
// a postposition written joined to it, and अन or पुनर् sharing a vowel.
class SplitFinder {
public:
    SplitFinder(const HindiVocabulary &vocabulary, const HindiWordLists &words) : known_(vocabulary), words_(words) {}

    // The best-scored reading, or nullopt. Of readings that score alike the
    // first found wins: the seams from left to right, each trying a prefix,
    // a suffix and a compound, then the steps that read the word's ending.
    std::optional<Split> best(const QString &word) const;

private:
    std::optional<Split> prefixAt(const QString &word, qsizetype at) const;
    std::optional<Split> suffixAt(const QString &word, qsizetype at) const;
    std::optional<Split> compoundAt(const QString &word, qsizetype at) const;
    std::optional<Split> vowelMemberAt(const QString &word, qsizetype sign) const;
    std::optional<Split> vowelEnding(const QString &word, QStringView sign, QStringView letter) const;
    std::optional<Split> joinedPostposition(const QString &word, QStringView postposition) const;
    std::optional<Split> sharedVowel(const QString &word) const;

    std::optional<Split> prefixSplit(QStringView prefix, const QString &rest) const;
    bool isWordOrSuffixed(QStringView rest) const;
    bool isCommonShortWordAfter(QStringView prefix, QStringView rest) const;
    bool startsWithCommonerStem(const QString &word, qsizetype prefixEnd, QStringView rest) const;
    bool isClusterSeam(QStringView left, QStringView right) const;

    KnownWords known_;
    const HindiWordLists &words_;
};

// Whether a part is read as a suffix: a listed suffix or final member, a
// vowel ending (-ई, -एँ, -ओं) or a joined postposition.
bool isSuffix(QStringView part, const HindiWordLists &words);

} // namespace tolvani::dicbuild
