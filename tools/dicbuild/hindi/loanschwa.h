#pragma once

#include "hindi/syllables.h"

#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// A loanword keeps its a's only where its English spelling has vowels:
// इंटरव्यू is intarvyu (interview), not intravyu, लिपस्टिक lipstik and
// गैंगस्टर gaingstar. Where speech says fewer a's than the spelling has
// vowels (कैमरा, kaimra), the word is left as speech has it.
void placeSchwasAsSpelled(std::vector<Syllable> &syllables, QStringView english);

} // namespace tolvani::dicbuild
