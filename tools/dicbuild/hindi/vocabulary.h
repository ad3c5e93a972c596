#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// The Hindi words of a text and how often each occurs, and which of them
// are borrowed from English; what the romanizer asks to tell a compound
// from a word that only looks like one.
class HindiVocabulary {
public:
    // Counts every Devanagari word of the text.
    void addText(QStringView text);
    int count(QStringView word) const;
    bool isEmpty() const { return counts_.isEmpty(); }

    // The word is borrowed from the English word (lower case), unless an
    // earlier call gave it another.
    void addLoanword(QStringView word, const QString &english);
    bool isLoanword(QStringView word) const { return !loanSource(word).isEmpty(); }
    // The English word a loanword was borrowed from, or an empty string.
    QString loanSource(QStringView word) const;

private:
    // The words' keys (see spellingKey), which the counts and loanwords
    // are filed under as views, so that a word that is its own key is
    // looked up without a copy.
    QStringList keys_;
    QHash<QStringView, int> counts_;
    QHash<QStringView, QString> loanwords_;
    QStringView keep(const QString &key);
    template<typename Value>
    Value lookUp(const QHash<QStringView, Value> &hash, QStringView word) const;
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

// The same consonants in the same order.
bool sameOutline(const std::vector<OutlineLetter> &a, const std::vector<OutlineLetter> &b);

} // namespace tolvani::dicbuild
