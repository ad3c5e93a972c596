#pragma once

#include "common/dicline.h"
#include "english/wordforms.h"
#include "hindi/romanizer.h"

#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// The entries written for this dictionary for common words the source
// lacks (data/supplement.tsv, header "headword code hindi example note"):
// the Hindi meanings are romanized like the source's, and each line then
// competes for its letter's room like any other. Throws std::runtime_error
// for a row with an unknown code, no Hindi, an example that does not use
// the headword or one of its forms, or a headword and code that `sourceLines` already has.
//   "please  interj  कृपया, कृपा करके  Please sit down."
//     => please||interj||kripya, kripa karke||Please sit down.
std::vector<DicLine> supplementLines(QByteArrayView table, const QString &name, const std::vector<DicLine> &sourceLines,
                                     const WordForms &forms, const Romanizer &romanizer);

// The headword and Hindi of each row, as written: what the romanizer
// learns the rows' loanwords from before any line is made.
std::vector<std::pair<QString, QString>> supplementMeanings(QByteArrayView table, const QString &name);

} // namespace tolvani::dicbuild
