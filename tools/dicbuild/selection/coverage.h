#pragma once

#include "common/dicline.h"
#include "english/spellings.h"
#include "english/usage.h"

#include <QStringList>

#include <array>
#include <vector>

namespace tolvani::dicbuild {

// How many of the most used lemmas are headwords, themselves or in their
// other spelling.
struct Coverage {
    int top = 0;
    int covered = 0;
    QStringList missing; // most used first
};

// The coverage of the 1,000, 3,000 and 5,000 lemmas used most.
std::vector<Coverage> coverageOf(const std::vector<DicLine> &lines, const UsageFrequencies &usage,
                                 const SpellingVariants &variants);

// The candidates that found no room, by letter, and the most used of them.
struct NotKept {
    std::array<int, 26> byLetter{};
    QStringList mostUsed; // "headword/code", single words only
};
NotKept notKept(const std::vector<DicLine> &candidates, const std::vector<DicLine> &kept,
                const UsageFrequencies &usage);

} // namespace tolvani::dicbuild
