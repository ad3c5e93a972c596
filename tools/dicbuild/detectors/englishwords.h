#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

// The English words an example may use: Debian's word lists
// (wamerican-huge and wbritish-huge, one word a line) and the reviewed
// list of names and Indian English words in data/example-words.tsv.
class EnglishWords {
public:
    // A word list, one word a line; "'s" forms and all.
    void addWordList(QByteArrayView list);
    // The reviewed list (header "word reason"); throws std::runtime_error
    // for a row without a reason or a word given twice.
    void addReviewed(QByteArrayView table, const QString &name);

    // True when a list has the word as written, or in lower case, or
    // without an "'s", "'ll", "'ve", "'re", "'d" or "'m" after it.
    //   knows("didn't") => true;  knows("Ravi's") => true if Ravi is listed
    //   knows("recieved") => false
    bool knows(QStringView word) const;

    // The words of an example that no list knows, in order. A word is a
    // run of letters with apostrophes inside it; hyphens part words, and a
    // run of letters stuck to a digit ("10th", "5kg") is left out.
    //   unknownWords("He recieved 10th prize, didn't he?") => {"recieved"}
    QStringList unknownWords(QStringView example) const;

private:
    bool listed(const QString &word) const;
    QSet<QString> words_;
};

} // namespace tolvani::dicbuild
