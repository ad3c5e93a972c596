#pragma once

#include "entryparser.h"
#include "frequency.h"
#include "repairs.h"
#include "wordfrequency.h"

#include <QString>

#include <array>
#include <map>
#include <vector>

namespace tolvani::dicbuild {

// Where a line came from.
enum class Origin { FreeDict, Supplement, Spelling };

// One line of the dictionary, before encoding.
struct DicLine {
    QString headword;
    QString code;
    QString meaning; // romanized meanings, joined with ", "
    QString example;
    int sourceOrder = 0; // keeps the source's order among equal headwords
    Origin origin = Origin::FreeDict;
    QStringList sourceExamples = {}; // every example of its articles, as the source writes them
    bool exampleByHand = false; // written for this dictionary: no rule replaces it
};

// What was left out on the way from the source's articles to lines.
struct SourceStats {
    int articles = 0;
    int unreadable = 0;       // no header with a category
    int badHeadword = 0;      // see cleanHeadword
    int outsideRanges = 0;    // initial X, which the search cannot reach
    int unknownCategory = 0;
    int merged = 0;           // same headword and code as an earlier article
    std::map<QString, int> unknownCategories;
    int recoveredSenses = 0;  // sense lines hidden among the examples
    int hiddenArticles = 0;   // articles written into another's examples
    RepairCounts repairs;     // damaged text in the meanings
};

// One line per headword and word-type code, in source order. Articles that
// repeat a headword and code add their meanings and examples to the first
// and give it an example if it had none. Damaged meanings are repaired or
// dropped (see repairMeaning).
std::vector<DicLine> linesFromSource(const std::vector<SourceEntry> &entries, SourceStats &stats);

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
Rank rankOf(const DicLine &line, const WordFrequencies &frequencies, const UsageFrequencies &usage);

// Fills each letter's quota with its best-ranked lines and returns them
// grouped by letter and sorted case-insensitively within each; a letter
// that has fewer lines than its quota is reported in `shortLetters`
// (letter, lines available) and gets what there is.
std::vector<DicLine> selectLines(const std::vector<DicLine> &lines, const WordFrequencies &frequencies,
                                 const UsageFrequencies &usage, std::vector<std::pair<QChar, int>> &shortLetters);

// The order within a letter: by the lower-cased headword, code point by
// code point, so that a headword comes before every longer one it begins;
// equal headwords keep the source's order.
bool sortsBefore(const DicLine &a, const DicLine &b);

} // namespace tolvani::dicbuild
