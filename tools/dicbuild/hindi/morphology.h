#pragma once

#include "hindi/vocabulary.h"
#include "hindi/wordlists.h"

#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

// The parts a reader sees in a word: a prefix before a word (असफल = अ
// सफल), a word before a suffix or final member (सुविधाजनक = सुविधा जनक),
// words joined into a compound (राजमहल = राज महल), the first pair of
// syllables of a sound word (भन भनाना), the halves of a word repeated
// around -ा- (गरमा गरम). Where a prefix ends in the vowel
// the next part begins with, the next part gets it back (अनपेक्षित = अन
// अपेक्षित). A word with no convincing split is one part; without a
// vocabulary only sound words split.
QStringList morphemeParts(QStringView word, const HindiVocabulary &vocabulary, const HindiWordLists &words);

} // namespace tolvani::dicbuild
