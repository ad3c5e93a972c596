#pragma once

#include "common/exceptions.h"
#include "hindi/romanizer.h"
#include "report.h"

#include <QByteArray>
#include <QString>

namespace tolvani::dicbuild {

// Where the source lives once the Debian packages dict-freedict-eng-hin
// and wordnet-base are installed.
struct BuildInputs {
    QString index = QStringLiteral("/usr/share/dictd/freedict-eng-hin.index");
    QString data = QStringLiteral("/usr/share/dictd/freedict-eng-hin.dict.dz");
    QString wordnet = QStringLiteral("/usr/share/wordnet");
    // The repository's data/ folder: subtlex-us.tsv and the hand-written
    // tables corrections.tsv, supplement.tsv, spellings.tsv and
    // exceptions.tsv.
    QString tables = QStringLiteral(TOLVANI_DICBUILD_TABLES);
    // What the detectors read besides: Debian's English word lists
    // (wamerican-huge, wbritish-huge) and Hindi word list (hunspell-hi).
    QStringList englishWordLists = {QStringLiteral("/usr/share/dict/american-english-huge"),
                                    QStringLiteral("/usr/share/dict/british-english-huge")};
    QString hindiWordList = QStringLiteral("/usr/share/hunspell/hi_IN.dic");
};

// Whether the build also runs the detectors over its lines.
enum class Review { No, Detectors };

// Reads the inputs and gives the dictionary file's bytes, running the
// stages in turn. Throws std::runtime_error when an input cannot be read,
// a table has a bad row or a correction no longer applies.
QByteArray buildDictionary(const BuildInputs &inputs, BuildReport &report, Review review = Review::No);

// The rules' word lists, read from the tables folder.
ExceptionWords readExceptionWords(const BuildInputs &inputs);

// The romanizer the build uses: one that splits words with the source's
// vocabulary and the rules' word lists.
Romanizer sourceRomanizer(const BuildInputs &inputs);

} // namespace tolvani::dicbuild
