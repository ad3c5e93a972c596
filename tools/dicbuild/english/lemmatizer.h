#pragma once

#include "english/wordnet.h"

#include <QHash>
#include <QString>

#include <array>

namespace tolvani::dicbuild {

// The base form of an English word form after WordNet's morphology: its
// exception lists first, then the plain endings of each part of speech,
// each giving a base only when WordNet has it as a lemma of that part.
//   baseOf(u"went")    => "go"       (verb.exc)
//   baseOf(u"cities")  => "city"
//   baseOf(u"watches") => "watch"
//   baseOf(u"hoping")  => "hope"
//   baseOf(u"boss")    => "boss"     (no rule strips -ss, -us, -is)
//   baseOf(u"as")      => "as"       (words under four letters only by exception)
class Lemmatizer {
public:
    // Keeps a reference to `wordnet`, which must outlive it.
    explicit Lemmatizer(const WordNet &wordnet);

    bool isLemma(const QString &word) const;
    // The base form, or the word itself when nothing reduces it. Lower-case
    // in, lower-case out.
    QString baseOf(const QString &form) const;

private:
    bool isLemma(WordNetPart part, const QString &word) const { return wordnet_.lemmas(part).contains(word); }

    const WordNet &wordnet_;
    std::array<QHash<QString, QString>, 4> exceptions_; // form -> base, by part
};

} // namespace tolvani::dicbuild
