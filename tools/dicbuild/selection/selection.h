#pragma once

#include "common/dicline.h"
#include "english/usage.h"
#include "english/wordnetcounts.h"

#include <QChar>

#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// Lines a learner needs most come first: a line with a meaning before one
// without, single words before phrases and idioms, then the word people
// use more often (SUBTLEX-US counts of its lemma), lines with an example
// before lines without, function words before the rest, and then the
// more common word after WordNet. Ties go alphabetically, then by source
// order (see selectLines), so the choice never depends on anything but the input.
struct Rank {
    bool hasMeaning = false;
    bool singleWord = false;
    qint64 usage = 0;
    bool hasExample = false;
    bool functionWord = false;
    Commonness commonness;
    friend auto operator<=>(const Rank &, const Rank &) = default;
};
Rank rankOf(const DicLine &line, const WordNetCounts &commonness, const UsageFrequencies &usage);

// Fills each letter's quota with its best-ranked lines and returns them
// grouped by letter and sorted case-insensitively within each; a letter
// that has fewer lines than its quota is reported in `shortLetters`
// (letter, lines available) and gets what there is.
std::vector<DicLine> selectLines(const std::vector<DicLine> &lines, const WordNetCounts &commonness,
                                 const UsageFrequencies &usage, std::vector<std::pair<QChar, int>> &shortLetters);

// The order within a letter: by the lower-cased headword, code point by
// code point, so that a headword comes before every longer one it begins;
// equal headwords keep the source's order.
bool sortsBefore(const DicLine &a, const DicLine &b);

// The index of a headword's initial letter, 0 for A to 25 for Z.
int letterIndex(const QString &headword);

} // namespace tolvani::dicbuild
