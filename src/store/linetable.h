#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace tolvani {

// The dictionary's lines, kept as the file's own bytes plus where each line
// starts. Keeping the 8-bit text and decoding one line when it is shown
// holds the whole file in half the memory a list of QStrings would take.
//
// A line ends at CR LF, at LF alone or at CR alone; the break itself is
// never part of the line. A final line break adds no empty line, and a
// last line without one is still a line.
//   "apple||n\r\nbat||n\r\n" => {"apple||n", "bat||n"}
//   "apple||n\nbat||n"       => {"apple||n", "bat||n"}
//   "\r\napple||n\r\n"       => {"", "apple||n"}
class LineTable
{
public:
    LineTable() = default;
    explicit LineTable(QByteArray text);

    qsizetype size() const { return m_starts.isEmpty() ? 0 : m_starts.size() - 1; }
    bool isEmpty() const { return size() == 0; }

    QByteArrayView lineBytes(qsizetype index) const;
    QString line(qsizetype index) const; // decoded from Windows-1252

    // The index of the first line of more than `limit` bytes, or -1.
    qsizetype firstLineLongerThan(qsizetype limit) const;

private:
    QByteArray m_text;
    // Start of every line, then one past the end of the text: line i spans
    // [m_starts[i], m_starts[i + 1]) less its line break.
    QList<qsizetype> m_starts;
};

} // namespace tolvani
