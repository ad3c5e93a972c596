#pragma once

#include "examples.h"
#include "selection.h"
#include "writer.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// Where the source lives once the Debian packages dict-freedict-eng-hin
// and wordnet-base are installed.
struct BuildInputs {
    QString index = QStringLiteral("/usr/share/dictd/freedict-eng-hin.index");
    QString data = QStringLiteral("/usr/share/dictd/freedict-eng-hin.dict.dz");
    QString wordnet = QStringLiteral("/usr/share/wordnet");
};

struct BuildReport {
    SourceStats source;
    WriteStats written;
    std::vector<DicLine> lines;
    std::vector<std::pair<QChar, int>> shortLetters;
    ExampleStats examples; // of the lines kept
    int withoutExample() const;
};

// Reads the inputs and gives the dictionary file's bytes. Throws
// std::runtime_error when an input cannot be read.
QByteArray buildDictionary(const BuildInputs &inputs, BuildReport &report);

// Entries per letter, lines without example, what was dropped.
QString summary(const BuildReport &report);

// Where the kept lines' examples came from, the sense lines recovered and
// the damaged text repaired or dropped, by kind.
QString examplesAndRepairsSummary(const BuildReport &report);

} // namespace tolvani::dicbuild
