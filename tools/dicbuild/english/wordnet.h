#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace tolvani::dicbuild {

// WordNet's parts of speech, as its file names spell them.
enum class WordNetPart { Noun, Verb, Adj, Adv };

// The part of speech that matches a word-type code of the dictionary:
// nouns, verbs and phrasal verbs, adjectives and adverbs; nullopt for the
// rest.
std::optional<WordNetPart> wordNetPart(QStringView code);

// WordNet 3.0 as the builder uses it, each file read and parsed once: per
// part of speech its lemmas with their synsets (index.*), the glosses
// (data.*) and the irregular forms (*.exc), and the sense-tagged counts
// (cntlist.rev).
class WordNet {
public:
    struct Lemma {
        int synsets = 0;
        std::vector<qsizetype> offsets; // of the synsets in data.*, most frequent sense first
    };

    // Reads the files from a WordNet directory; throws std::runtime_error
    // if one is missing.
    static WordNet load(const QString &directory);

    // index.<part> lines: "lemma pos synset_cnt p_cnt [ptr...] sense_cnt
    // tagsense_cnt offsets..."; lines beginning with a blank are the licence.
    void addIndex(WordNetPart part, QByteArrayView index);
    void addData(WordNetPart part, QByteArray data);
    // <part>.exc lines: "inflected-form base-form [base-form...]".
    void addExceptions(WordNetPart part, QByteArrayView exceptions);
    // cntlist.rev lines: "lemma%sense-key sense-number tag-count".
    void addTagCounts(QByteArrayView cntlist);

    // Lemmas are lower case, with "_" between the words of a phrase.
    const QHash<QString, Lemma> &lemmas(WordNetPart part) const { return parts_[std::size_t(part)].lemmas; }
    // The lines of the exception list, split into their fields, in file order.
    const std::vector<QStringList> &exceptions(WordNetPart part) const { return parts_[std::size_t(part)].exceptions; }
    // How often the lemma's senses were tagged in WordNet's corpus.
    const QHash<QString, int> &tagCounts() const { return tagCounts_; }
    // The same, of the lemma's senses in one part of speech only (an
    // adjective satellite counts as an adjective).
    int tagCount(QStringView lemma, WordNetPart part) const;

    // The examples of the lemma's synsets in that part, most frequent
    // sense first. Case is ignored and spaces match WordNet's underscores.
    QStringList examplesOf(QStringView lemma, WordNetPart part) const;

private:
    struct Part {
        QHash<QString, Lemma> lemmas;
        QByteArray data;
        std::vector<QStringList> exceptions;
        QHash<QString, int> tagCounts;
    };
    std::array<Part, 4> parts_;
    QHash<QString, int> tagCounts_;
};

// The key WordNet files a lemma under: lower case, "_" for each space.
QString wordNetKey(QStringView word);

// The quoted examples of one gloss.
//   glossExamples("a blunder; \"he made a mistake\"; \"an error\"")
//     => {"he made a mistake", "an error"}
QStringList glossExamples(QByteArrayView gloss);

} // namespace tolvani::dicbuild
