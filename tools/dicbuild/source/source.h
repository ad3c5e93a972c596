#pragma once

#include "hindi/vocabulary.h"
#include "hindi/wordlists.h"
#include "source/entryparser.h"
#include "source/sourcelines.h"

#include <QString>

#include <vector>

// Reading the source: FreeDict's English-Hindi dictionary in dictd format.
namespace tolvani::dicbuild {

// Every entry of the source, in index order: each article's own and those
// written into its examples. Counts the articles that cannot be read and
// the hidden ones in `stats`. Throws std::runtime_error when a file cannot
// be read or the index is malformed.
std::vector<SourceEntry> readSourceEntries(const QString &index, const QString &data, SourceStats &stats);

// Every Hindi word of the entries' meanings and examples, and the
// loanwords among them (see addMeaning); the romanizer splits words into
// the parts these show.
HindiVocabulary vocabularyOf(const std::vector<SourceEntry> &entries, const HindiWordLists &words);

} // namespace tolvani::dicbuild
