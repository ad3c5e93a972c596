#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

// Where a line came from.
enum class Origin { FreeDict, Supplement, Spelling };

// Where a line's example came from.
enum class ExampleSource {
    None,
    SourceUsingHeadword, // an English example of the source that uses the headword or a form of it
    WordNet,             // from WordNet's glosses, of the same word class
    SourceHindi,         // a Hindi example of the source, romanized
    SourceOther,         // an English example of the source without the headword
    Corrections,         // written for this dictionary in corrections.tsv
    Supplement,          // written for this dictionary in supplement.tsv
};

// One line of the dictionary, before encoding.
struct DicLine {
    QString headword;
    QString code;
    QString meaning; // romanized meanings, joined with ", "
    QString example;
    int sourceOrder = 0; // keeps the source's order among equal headwords
    Origin origin = Origin::FreeDict;
    QStringList sourceExamples = {}; // every example of its articles, as the source writes them
    ExampleSource exampleSource = ExampleSource::None;
    bool exampleRomanized = false; // English with Devanagari residue, romanized
    QStringList hindi = {}; // the Devanagari of each meaning, repaired, as it was romanized

    // Written for this dictionary: no rule replaces it.
    bool exampleByHand() const
    {
        return exampleSource == ExampleSource::Corrections || exampleSource == ExampleSource::Supplement;
    }
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
