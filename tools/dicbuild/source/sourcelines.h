#pragma once

#include "common/dicline.h"
#include "hindi/romanizer.h"
#include "source/entryparser.h"
#include "source/repairs.h"

#include <QString>

#include <map>
#include <vector>

namespace tolvani::dicbuild {

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

// An article of the source that can make a line: its headword as the file
// writes it (see cleanHeadword) and its word-type code (see wordTypeCode).
struct SourceArticle {
    QString headword;
    QString code;
    SourceEntry entry;
};

// The articles whose headword the list can show, outside X, and whose
// category has a code, each headword cleaned once; the others are counted.
std::vector<SourceArticle> usableArticles(std::vector<SourceEntry> entries, SourceStats &stats);

// One line per line key, in source order. Articles that repeat a key add
// their meanings and examples to the first and give it an example if it
// had none. Damaged meanings are repaired or dropped (see repairMeaning),
// the rest romanized.
std::vector<DicLine> linesFromSource(const std::vector<SourceArticle> &articles, const Romanizer &romanizer,
                                     SourceStats &stats);

} // namespace tolvani::dicbuild
