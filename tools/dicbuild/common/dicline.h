#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

// Where a line came from.
enum class Origin { FreeDict, Supplement, Spelling };

// One line of the dictionary, before encoding.
struct DicLine {
    QString headword;
    QString code;
    QString meaning; // romanized meanings, joined with ", "
    QString example;
    int sourceOrder = 0; // keeps the source's order among equal headwords
    Origin origin = Origin::FreeDict;
    QStringList sourceExamples = {}; // every example of its articles, as the source writes them
    bool exampleByHand = false; // written for this dictionary: no rule replaces it
};

// What tells one line from another: the headword, lower-cased, and its
// word-type code. Articles that share it make one line, and the hand
// tables' rows find their line by it.
inline QString lineKey(QStringView headword, QStringView code)
{
    QString key = headword.toString().toLower();
    key += u'\n';
    key += code;
    return key;
}

inline QString lineKey(const DicLine &line)
{
    return lineKey(line.headword, line.code);
}

} // namespace tolvani::dicbuild
