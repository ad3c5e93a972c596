#pragma once

#include "platform/error.h"
#include "store/linetable.h"

#include <QStringList>

#include <variant>

namespace tolvani {

// The dictionary file that the program reads from `folder`.
//   dictionaryPathIn(u"/opt/tolvani") => "/opt/tolvani/Complete.dic"
QString dictionaryPathIn(QStringView folder);

// The dictionary as the window works on it: every line of the file, and
// the display word of each line at the same position.
struct Dictionary {
    LineTable lines;
    QStringList displayWords;
};

// The proper-cased headword of a line: the text before its first "||".
//   displayWord("ice cream||n||...") => "Ice Cream"
//   displayWord("TV||n")             => "Tv"
//   displayWord("no separator")      => "No Separator"
QString displayWord(QByteArrayView line);

// The lines and display words of a dictionary file's bytes; an empty text
// gives an empty dictionary. loadDictionary builds through this.
//   dictionaryFromBytes("apple||n\r\nTV\r\n") => lines {"apple||n", "TV"},
//                                                words {"Apple", "Tv"}
Dictionary dictionaryFromBytes(QByteArray bytes);

// Reads the file in one go and builds its display words. A missing,
// unreadable or empty file is an error that names the path.
std::variant<Dictionary, Error> loadDictionary(const QString &path);

} // namespace tolvani
