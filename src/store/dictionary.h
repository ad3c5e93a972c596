#pragma once

#include "platform/error.h"
#include "store/linetable.h"

#include <QStringList>

#include <optional>
#include <variant>

namespace tolvani {

// The dictionary file that the program reads from `folder`.
//   dictionaryPathIn(u"/opt/tolvani") => "/opt/tolvani/Complete.dic"
QString dictionaryPathIn(QStringView folder);

// The proper-cased headword of a line: the text before its first "||".
//   displayWord("ice cream||n||...") => "Ice Cream"
//   displayWord("TV||n")             => "Tv"
//   displayWord("no separator")      => "No Separator"
QString displayWord(QByteArrayView line);

// The display word of every line, made from the line when asked for. The
// window shows a screenful of words long before anything reads them all,
// so start-up builds no string per line; the whole list is made once, the
// first time it is read as a list (the search does).
class DisplayWords
{
public:
    DisplayWords() = default;
    explicit DisplayWords(LineTable lines);
    explicit DisplayWords(QStringList words);

    qsizetype size() const { return m_list ? m_list->size() : m_lines.size(); }
    bool isEmpty() const { return size() == 0; }
    QString at(qsizetype index) const;
    QString operator[](qsizetype index) const { return at(index); }

    const QStringList &list() const;
    operator const QStringList &() const { return list(); }
    friend bool operator==(const DisplayWords &words, const QStringList &list)
    {
        return words.list() == list;
    }

private:
    LineTable m_lines;
    mutable std::optional<QStringList> m_list;
};

// The dictionary as the window works on it: every line of the file, and
// the display word of each line at the same position.
struct Dictionary {
    LineTable lines;
    DisplayWords displayWords;
};

// The lines and display words of a dictionary file's bytes; an empty text
// gives an empty dictionary. loadDictionary builds through this.
//   dictionaryFromBytes("apple||n\r\nTV\r\n") => lines {"apple||n", "TV"},
//                                                words {"Apple", "Tv"}
Dictionary dictionaryFromBytes(QByteArray bytes);

// Reads the file in one go and builds its display words. A missing,
// unreadable or empty file is an error that names the path.
std::variant<Dictionary, Error> loadDictionary(const QString &path);

} // namespace tolvani
