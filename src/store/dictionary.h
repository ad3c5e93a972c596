#pragma once

#include "platform/error.h"
#include "store/linetable.h"

#include <QString>
#include <QStringView>

#include <variant>

namespace tolvani {

// The dictionary file that the program reads from `folder`.
//   dictionaryPathIn(u"/opt/tolvani") => "/opt/tolvani/Complete.dic"
QString dictionaryPathIn(QStringView folder);

// The dictionary as the window works on it: every line of the file. The
// display word of a line is made from the line when it is asked for, so
// loading builds no list of words.
struct Dictionary {
    LineTable lines;
};

// The proper-cased headword of a line: the text before its first "||".
//   displayWord("ice cream||n||...") => "Ice Cream"
//   displayWord("TV||n")             => "Tv"
//   displayWord("no separator")      => "No Separator"
QString displayWord(QByteArrayView line);

// The lines of a dictionary file's bytes; an empty text gives an empty
// dictionary. loadDictionary builds through this.
//   dictionaryFromBytes("apple||n\r\nTV\r\n") => lines {"apple||n", "TV"}
Dictionary dictionaryFromBytes(QByteArray bytes);

// Reads the file in one go and splits it into lines. A missing,
// unreadable or empty file is an error that names the path.
std::variant<Dictionary, Error> loadDictionary(const QString &path);

} // namespace tolvani
