#pragma once

#include "hindi/syllables.h"
#include "hindi/wordlists.h"

#include <QStringView>

#include <vector>

// Where the inherent a of a written syllable is said: the rules of the
// romanizer that decide each a of a part of a word and at the seams
// between parts (a loanword's are in loanschwa.h).
namespace tolvani::dicbuild {

// The syllables of one part of a word, each inherent a kept or dropped as
// speech has it when the part stands alone.
std::vector<Syllable> partSyllables(QStringView part, const HindiWordLists &words);

// Whether the part before a seam keeps its final a, which standing alone
// it would drop. `prefix` is that part when it is a prefix, else empty.
bool keepsSchwaAtSeam(const std::vector<Syllable> &before, const Syllable &next, QStringView prefix,
                      QStringView nextPart, const HindiWordLists &words);

} // namespace tolvani::dicbuild
