#pragma once

#include "entryparser.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// The Hindi words of a text and how often each occurs; what the romanizer
// asks to tell a compound from a word that only looks like one.
class HindiVocabulary {
public:
    // Counts every Devanagari word of the text.
    void addText(QStringView text);
    int count(QStringView word) const;
    bool isEmpty() const { return counts_.isEmpty(); }
    // A word of a meaning that sounds like its English headword (रबर for
    // rubber) is borrowed from it and takes no Sanskrit prefix.
    void addMeaning(QStringView headword, QStringView meaning);
    bool isLoanword(QStringView word) const { return !loanSource(word).isEmpty(); }
    // The English word a loanword was borrowed from, lower case, or an empty string.
    QString loanSource(QStringView word) const;

private:
    QHash<QString, int> counts_;
    QHash<QString, QString> loanwords_;
};

// One consonant of a word's outline and the run of Latin letters it stands
// for ("bb" in rubber).
struct OutlineLetter {
    QChar letter;
    qsizetype first;
    qsizetype last;
};

// The consonants of Latin text as either script writes them, with what the
// other cannot tell apart merged: rubber and rabar both give r, b, r.
std::vector<OutlineLetter> consonantOutline(QStringView latin);

// Every word of the source's meanings and examples.
HindiVocabulary vocabularyOf(const std::vector<SourceEntry> &entries);

// The same, read from a dictd index and its data. Throws std::runtime_error when either cannot be read.
HindiVocabulary sourceVocabulary(const QString &index, const QString &data);

// The parts a reader sees in a word: a prefix before a word (असफल = अ
// सफल), a word before a suffix or final member (सुविधाजनक = सुविधा जनक),
// words joined into a compound (राजमहल = राज महल). Where a prefix ends
// in the vowel the next part begins with, the next part gets it back
// (अनपेक्षित = अन अपेक्षित). A word with no convincing split is one part.
QStringList morphemeParts(QStringView word, const HindiVocabulary &vocabulary);

// Whether morphemeParts reads the part as a prefix, or as a suffix or
// ending.
bool isPrefix(QStringView part);
// The Persian and Hindi prefixes among them (बे, गैर, बद...).
bool isPersianPrefix(QStringView part);
bool isSuffix(QStringView part);

} // namespace tolvani::dicbuild
