#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

namespace tolvani::dicbuild {

// How common an English word is, after WordNet: how often its senses were
// tagged in WordNet's sense-tagged corpus, and how many senses it has.
struct Commonness {
    int taggedCount = 0;
    int senseCount = 0;
    friend auto operator<=>(const Commonness &, const Commonness &) = default;
};

class WordFrequencies {
public:
    // cntlist.rev lines: "lemma%sense-key sense-number tag-count".
    void addTagCounts(QByteArrayView cntlist);
    // index.noun and the like: "lemma pos synset-count ...".
    void addSenseCounts(QByteArrayView index);

    // Reads cntlist.rev and index.{noun,verb,adj,adv} from a WordNet
    // directory; throws std::runtime_error if one is missing.
    void load(const QString &directory);

    // The word's own counts, or else those of the base form that a plain
    // English ending leaves ("abandoned" -> "abandon", "cities" -> "city").
    // Case is ignored and spaces match WordNet's underscores.
    Commonness of(QStringView word) const;

private:
    Commonness exact(const QString &lemma) const;
    QHash<QString, Commonness> counts_;
};

} // namespace tolvani::dicbuild
