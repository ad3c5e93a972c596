#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

// Recognises an English headword in a sentence, inflected or not: the
// regular endings (-s, -es, -ies, -ed, -d, -ied, -ing with the final e
// dropped or the consonant doubled, -er, -est) and the irregular forms
// of WordNet's exception lists (verb.exc, noun.exc, adj.exc).
class WordForms {
public:
    // Exception list lines: "inflected-form base-form ...".
    void addExceptions(QByteArrayView exc);

    // Reads {verb,noun,adj}.exc from a WordNet directory; throws
    // std::runtime_error if one is missing.
    void load(const QString &directory);

    // The forms of one word, itself included, lower case.
    QSet<QString> formsOf(QStringView word) const;

    // True when the sentence holds the headword or one of its forms; a
    // headword of several words needs all of them, in order.
    //   uses(u"took", u"He took the blame.") with verb.exc => true
    //   uses(u"ice cream", u"Two ice creams, please.")     => true
    bool uses(QStringView headword, QStringView sentence) const;

private:
    QHash<QString, QStringList> irregular_; // base form -> inflected forms
};

// The words of a text, lower case: runs of letters; apostrophes and
// hyphens split words ("house's" -> "house", "s").
QStringList wordsOf(QStringView text);

} // namespace tolvani::dicbuild
