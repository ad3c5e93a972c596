#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tolvani::testdata {

// A made-up dictionary laid out like the bundled one: 15,500 lines grouped
// by initial letter so that every letter's headwords fill its range of the
// letter table up to one before the range's end, sorted within each
// letter, no headword beginning with X. The same seed gives the same file.
struct SampleDictionary {
    QStringList headwords; // as written in the file, in file order
    QByteArray fileText;   // CR LF after every line, Windows-1252
};

// `words` (lower case, beginning with a letter other than x) are placed in
// their letters' ranges among the made-up ones.
SampleDictionary makeSampleDictionary(int lineCount = 15500, unsigned seed = 1,
                                      const QStringList &words = {});

// Writes `text` to `path`; fails the calling test if it cannot.
void writeFile(const QString &path, const QByteArray &text);

} // namespace tolvani::testdata
