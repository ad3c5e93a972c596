#pragma once

#include "english/wordnet.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// The forms of one headword, found once and looked for in any number of
// sentences (see WordForms::uses).
class HeadwordForms {
public:
    bool usedIn(QStringView sentence) const;

private:
    friend class WordForms;
    QStringList phrases_;            // forms of several words, each between blanks
    std::vector<QStringList> words_; // the forms of each word of the headword
};

// Recognises an English headword in a sentence, inflected or not: the
// regular endings (-s, -es, -ies, -ed, -d, -ied, -ing with the final e
// dropped or the consonant doubled, -er, -est) and the irregular forms
// of WordNet's exception lists (verb.exc, noun.exc, adj.exc).
class WordForms {
public:
    // Knows the regular endings only.
    WordForms() = default;
    // Also the irregular forms of WordNet's verbs, nouns and adjectives.
    explicit WordForms(const WordNet &wordnet);

    // The forms of one word, itself included, lower case.
    QStringList formsOf(QStringView word) const;

    // True when the sentence holds the headword or one of its forms; a
    // headword of several words needs all of them, in order.
    //   uses(u"took", u"He took the blame.") with verb.exc => true
    //   uses(u"ice cream", u"Two ice creams, please.")     => true
    bool uses(QStringView headword, QStringView sentence) const { return of(headword).usedIn(sentence); }
    HeadwordForms of(QStringView headword) const;

private:
    QHash<QString, QStringList> irregular_; // base form -> inflected forms
};

// The words of a text, lower case: runs of letters; apostrophes and
// hyphens split words ("house's" -> "house", "s").
QStringList wordsOf(QStringView text);

} // namespace tolvani::dicbuild
