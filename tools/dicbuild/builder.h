#pragma once

#include "examples.h"
#include "selection.h"
#include "writer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// Where the source lives once the Debian packages dict-freedict-eng-hin
// and wordnet-base are installed.
struct BuildInputs {
    QString index = QStringLiteral("/usr/share/dictd/freedict-eng-hin.index");
    QString data = QStringLiteral("/usr/share/dictd/freedict-eng-hin.dict.dz");
    QString wordnet = QStringLiteral("/usr/share/wordnet");
    // The repository's data/ folder: subtlex-us.tsv, spellings.tsv,
    // corrections.tsv and supplement.tsv.
    QString tables = QStringLiteral(TOLVANI_DICBUILD_TABLES);
};

// How many of the most used lemmas are headwords, themselves or in their
// other spelling.
struct Coverage {
    int top = 0;
    int covered = 0;
    QStringList missing; // most used first
};

struct BuildReport {
    SourceStats source;
    WriteStats written;
    std::vector<DicLine> lines;
    std::vector<std::pair<QChar, int>> shortLetters;
    std::map<QString, int> correctionsApplied; // by field
    std::vector<Coverage> coverage;            // top 1,000, 3,000 and 5,000
    std::array<int, 26> notKept{};             // candidates not kept, by letter
    QStringList mostUsedNotKept;               // the most used of them
    ExampleStats examples; // of the lines kept
    int withoutExample() const;
};

// Reads the inputs and gives the dictionary file's bytes. Throws
// std::runtime_error when an input cannot be read, a table has a bad row
// or a correction no longer applies.
QByteArray buildDictionary(const BuildInputs &inputs, BuildReport &report);

// Entries per letter and by origin, coverage of the most used words,
// corrections applied, lines without example, what was dropped.
QString summary(const BuildReport &report);

// Where the kept lines' examples came from, the sense lines recovered and
// the damaged text repaired or dropped, by kind.
QString examplesAndRepairsSummary(const BuildReport &report);

} // namespace tolvani::dicbuild
