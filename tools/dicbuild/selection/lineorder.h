#pragma once

#include "common/dicline.h"
#include "english/wordnet.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace tolvani::dicbuild {

// Typing a word selects its first line, so a headword's first line is the
// one people mean. Among the lines that share a headword (ignoring case,
// next to each other as selectLines sorts them) the first is:
//   1. the line of the code that the hand table gives (`byHand`, lower-cased
//      headword => code, from data/line-order.tsv);
//   2. else the first line of a function word (prep, pron, conj, det, mv,
//      ...): WordNet counts none of their uses, and they are the word's job;
//   3. else the line whose part of speech WordNet's sense-tagged corpus
//      counts most, when it counts it at least once and at least twice as
//      often as the part of the source's first line;
//   4. else the source's first line.
// The other lines keep their order.
//   just   a 4, adv 355 tagged         => adv first
//   keep   n 0, v 346, vt 346          => v first (the verb lines tie)
//   today  adv 30, n 82                => n first
//   past   a 33, n 48                  => a stays first: not twice as often
//   that   det, a, conj, pron          => det first: a function word
//   okay   a 2, interj                 => a stays first
struct LineOrderStats {
    int byHand = 0;
    int byFunction = 0;
    int byCount = 0;
};
LineOrderStats putMostUsedFirst(std::vector<DicLine> &lines, const WordNet &wordnet,
                                const QHash<QString, QString> &byHand);

// The headwords among `headwords` (lower-cased) that have several lines
// and whose first line's part of speech another of their lines' parts
// outnumbers at least two to one in WordNet's tagged counts: where a
// search may still land on a line people rarely mean.
QStringList outnumberedFirstLines(const std::vector<DicLine> &lines, const WordNet &wordnet,
                                  const QStringList &headwords);

} // namespace tolvani::dicbuild
