#pragma once

#include "hindi/romanizer.h"
#include "hindi/vocabulary.h"

#include <QStringView>

namespace tolvani::dicbuild {

// Adds a meaning of an English headword to the vocabulary: its words are
// counted, and a word of it that sounds like the headword (रबर for rubber)
// is taken as borrowed from it, so that it takes no Sanskrit prefix and
// keeps its a's as the English spelling has them. `plain`, a romanizer
// without a vocabulary, says how the word sounds.
void addMeaning(HindiVocabulary &vocabulary, QStringView headword, QStringView meaning, const Romanizer &plain);

// Only the loanwords of a meaning, its words left uncounted: for meanings
// written by hand, which replace the source's rather than add to its use.
void addLoanwords(HindiVocabulary &vocabulary, QStringView headword, QStringView meaning, const Romanizer &plain);

} // namespace tolvani::dicbuild
