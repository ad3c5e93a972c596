#pragma once

#include "common/dicline.h"
#include "detectors/englishwords.h"
#include "detectors/hindispelling.h"
#include "english/wordforms.h"
#include "hindi/romanizer.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tolvani::dicbuild {

class ExceptionWords;

// What a detector found suspicious in a line of the built dictionary; a
// reviewer decides whether it is a fault.
enum class Suspicion {
    NounMeansVerb,     // n or a line whose every meaning is a verb ("...na")
    VerbWithoutVerb,   // verb line with no verb among its meanings
    ExampleLacksWord,  // the example holds neither the headword nor a form of it
    HindiExample,      // the example is romanized Hindi
    LatinInMeaning,    // letters romanization never writes: WX or other residue
    PlaceholderMeaning, // "ek prakar ka paudha": a kind of something, not its name
    HindiMisspelling,  // a Devanagari word of the meanings one slip away from a common one
    ExampleNoFinalStop, // see examplemechanics.h
    ExampleNoCapital,
    ExampleSpacing,
    ExampleUnknownWord, // a word no English word list, nor the reviewed list, knows
};

struct Finding {
    Suspicion kind;
    const DicLine *line;
    QString detail = {}; // the word or the slip the detector saw
};

// A short name of the kind for the report ("noun-means-verb", ...).
QString suspicionName(Suspicion kind);

// The romanized words the verb detectors treat apart, from data/exceptions.tsv.
struct VerbWords {
    QStringList nounsInNa; // nouns that end like an infinitive: khana, sena
    QStringList stems;     // verb stems the source writes after their noun: prayog kar
    static VerbWords from(const ExceptionWords &table);
};

// What the detectors read besides the lines.
struct DetectorSources {
    const WordForms &forms;
    const Romanizer &romanizer;
    const VerbWords &verbWords;
    const EnglishWords &englishWords;
    const HindiSpelling &hindiSpelling;
};

// Runs every detector over the lines, in line order.
std::vector<Finding> detectSuspicious(const std::vector<DicLine> &lines, const DetectorSources &sources);

// True when the romanized meaning is a Hindi verb phrase, an infinitive
// after other words ("dhyan dena"). A lone infinitive is left out: too
// many are nouns as well ("ghatna"); so are nouns like "dopahar ka khana".
bool isVerbMeaning(QStringView meaning, const VerbWords &words);

// True when the meaning can be a verb: it ends in an infinitive, or in a
// verb stem after other words, as the source writes many ("prayog kar").
bool hasVerbForm(QStringView meaning, const VerbWords &words);

} // namespace tolvani::dicbuild
