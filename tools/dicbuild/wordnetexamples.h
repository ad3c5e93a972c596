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
// n -> noun; v, vt, vi, vti and the phrasal verbs -> verb; a -> adjective;
// adv -> adverb; nullopt for the rest.
std::optional<WordNetPart> wordNetPart(QStringView code);

// The example sentences of WordNet's glosses: the quoted parts after the
// definition ("...; \"he took the blame for it\"").
class WordNetExamples {
public:
    // index.<part> gives each lemma's synsets, most frequent sense first;
    // data.<part> holds the synsets at those byte offsets.
    void add(WordNetPart part, QByteArrayView index, QByteArray data);

    // Reads index.* and data.* from a WordNet directory; throws
    // std::runtime_error if one is missing.
    void load(const QString &directory);

    // The examples of the lemma's synsets in that part, most frequent
    // sense first. Case is ignored and spaces match WordNet's underscores.
    QStringList examplesOf(QStringView lemma, WordNetPart part) const;

private:
    struct Part {
        QHash<QString, std::vector<qsizetype>> offsets;
        QByteArray data;
    };
    std::array<Part, 4> parts_;
};

// The quoted examples of one gloss.
//   glossExamples("a blunder; \"he made a mistake\"; \"an error\"")
//     => {"he made a mistake", "an error"}
QStringList glossExamples(QByteArrayView gloss);

} // namespace tolvani::dicbuild
