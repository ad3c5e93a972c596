#pragma once

#include "common/dicline.h"
#include "detectors/detectors.h"
#include "selection/coverage.h"
#include "selection/examples.h"
#include "selection/lineorder.h"
#include "source/sourcelines.h"
#include "writer/writer.h"

#include <QChar>
#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// What each stage of a build did.
struct BuildReport {
    SourceStats source;
    WriteStats written;
    std::vector<DicLine> lines;
    std::vector<std::pair<QChar, int>> shortLetters;
    std::map<QString, int> correctionsApplied; // by field
    std::vector<Coverage> coverage;            // top 1,000, 3,000 and 5,000
    NotKept notKept;                           // candidates not kept
    ExampleStats examples;                     // of the lines kept
    LineOrderStats lineOrder;                  // headwords whose first line changed, by rule
    QStringList outnumberedFirstLines;         // of the 5,000 most used lemmas, see outnumberedFirstLines
    std::vector<Finding> findings;             // when the detectors ran; they point into `lines`
    int withoutExample() const;
};

// Entries per letter and by origin, coverage of the most used words,
// corrections applied, lines without example, what was dropped.
QString summary(const BuildReport &report);

// Where the kept lines' examples came from, the sense lines recovered and
// the damaged text repaired or dropped, by kind.
QString examplesAndRepairsSummary(const BuildReport &report);

} // namespace tolvani::dicbuild
