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

// Limits far above any real dictionary (the bundled one is about 1.2 MB,
// its longest line a few hundred bytes) that keep a hostile file from
// taking all memory or stalling every redraw of the window.
inline constexpr qint64 kDictionaryFileLimit = 64 * 1024 * 1024;
inline constexpr qsizetype kDictionaryLineLimit = 64 * 1024;

// The lines of a dictionary file's bytes, or the error that refuses them,
// naming `path`: an empty text, or a line longer than kDictionaryLineLimit
// (a dictionary is refused whole, never shown cut). loadDictionary builds
// through this.
//   dictionaryFromBytes("apple||n\r\nTV\r\n") => lines {"apple||n", "TV"}
std::variant<Dictionary, Error> dictionaryFromBytes(QByteArray bytes, const QString &path);

// Reads the file in one go and splits it into lines. A missing,
// unreadable, empty or oversized file, anything but a regular file, a
// line over the limit, and running out of memory are each an error that
// names the path.
std::variant<Dictionary, Error> loadDictionary(const QString &path);

} // namespace tolvani
