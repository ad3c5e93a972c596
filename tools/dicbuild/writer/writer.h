#pragma once

#include "common/dicline.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

namespace tolvani::dicbuild {

// What encoding had to change.
struct WriteStats {
    int fieldsRepaired = 0;                 // held "||" or a line break
    std::map<char16_t, int> droppedChars;   // not in Windows-1252, by character
    int dropped() const;
};

// The four fields joined by "||". A field may hold neither the separator
// nor a line break: a break becomes a space and "||" a single "|".
QString formatLine(const DicLine &line, WriteStats &stats);

// The whole file in Windows-1252, CR LF after every line including the
// last. A character outside the code page is dropped and counted.
QByteArray encodeDictionary(const std::vector<DicLine> &lines, WriteStats &stats);

} // namespace tolvani::dicbuild
