#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

#include <array>

namespace tolvani::dicbuild {

// The base form of an English word form after WordNet's morphology: its
// exception lists (noun.exc, verb.exc, adj.exc) first, then the plain
// endings of each part of speech, each giving a base only when WordNet
// has it as a lemma of that part of speech.
//   baseOf(u"went")    => "go"       (verb.exc)
//   baseOf(u"cities")  => "city"
//   baseOf(u"watches") => "watch"
//   baseOf(u"hoping")  => "hope"
//   baseOf(u"boss")    => "boss"     (no rule strips -ss, -us, -is)
//   baseOf(u"as")      => "as"       (words under four letters only by exception)
class Lemmatizer {
public:
    enum PartOfSpeech { Noun, Verb, Adjective, Adverb };

    // index.noun and the like: "lemma pos synset-count ...".
    void addLemmas(PartOfSpeech pos, QByteArrayView index);
    // noun.exc and the like: "form base [base...]"; the first base counts,
    // unless another line gives the form as its own base.
    void addExceptions(PartOfSpeech pos, QByteArrayView exceptions);
    // Reads index.* and *.exc from a WordNet directory; throws
    // std::runtime_error if one is missing.
    void load(const QString &directory);

    bool isLemma(const QString &word) const;
    // The base form, or the word itself when nothing reduces it. Lower-case
    // in, lower-case out.
    QString baseOf(const QString &form) const;

private:
    std::array<QSet<QString>, 4> lemmas_;
    std::array<QHash<QString, QString>, 4> exceptions_;
};

} // namespace tolvani::dicbuild
