#pragma once

#include "english/wordnet.h"

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

class WordNetCounts {
public:
    // Keeps a reference to `wordnet`, which must outlive it; without one
    // every word counts 0.
    WordNetCounts() = default;
    explicit WordNetCounts(const WordNet &wordnet) : wordnet_(&wordnet) {}

    // The word's own counts, or else those of the base form that a plain
    // English ending leaves ("abandoned" -> "abandon", "cities" -> "city").
    // Case is ignored and spaces match WordNet's underscores.
    Commonness of(QStringView word) const;

private:
    Commonness exact(const QString &lemma) const;
    const WordNet *wordnet_ = nullptr;
};

} // namespace tolvani::dicbuild
