#pragma once

#include "common/dicline.h"
#include "english/wordforms.h"
#include "english/wordnet.h"
#include "hindi/romanizer.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// How many of the lines' examples came from where (see ExampleSource).
struct ExampleStats {
    int freeDict = 0;       // an English example of the source that uses the headword
    int wordNet = 0;        // from WordNet's glosses, same word class
    int hindi = 0;          // a romanized Hindi example of the source
    int otherEnglish = 0;   // an English example of the source without the headword
    int none = 0;
    int corrections = 0;    // written for this dictionary in the corrections table
    int supplement = 0;     // written for this dictionary with a supplement entry
    int residueRomanized = 0; // English examples with Devanagari residue, romanized
};

// True when the text has more Devanagari letters than Latin ones: such an
// example is written in Hindi even if it quotes the English word
// ("यह काम्बली का 'house' है.").
bool isHindi(QStringView text);

// What choosing an example reads: the forms of the headword, WordNet's
// examples and the romanizer for Hindi ones.
struct ExampleSources {
    const WordForms &forms;
    const WordNet &wordnet;
    const Romanizer &romanizer;
};

// Gives the line the example it shows, and says where it came from, in
// this order of preference: the first English example of the source that
// uses the headword or one of its forms; the first WordNet example of the
// same word class that does, most frequent sense first; the first Hindi
// example of the source, romanized; the first English example of the
// source; none.
void chooseExample(DicLine &line, const ExampleSources &sources);

// chooseExample for every line of that origin, but for the lines whose
// example was written by hand.
void chooseExamples(std::vector<DicLine> &lines, Origin origin, const ExampleSources &sources);

ExampleStats exampleStats(const std::vector<DicLine> &lines);

} // namespace tolvani::dicbuild
