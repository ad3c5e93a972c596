#include "selection/examples.h"

#include "common/text.h"
#include "hindi/devanagari.h"

#include <algorithm>

namespace tolvani::dicbuild {

bool isHindi(QStringView text)
{
    const auto devanagari = std::count_if(text.begin(), text.end(), isDevanagariLetter);
    const auto latin = std::count_if(text.begin(), text.end(), isAsciiLetter);
    return devanagari > latin;
}

namespace {

// An English sentence with a few letters left in Devanagari by a damaged
// conversion ("Prince edward'स् marriage") reads right once romanized.
QString englishText(const QString &example, const Romanizer &romanizer, ExampleStats &stats)
{
    if (!hasDevanagari(example))
        return example;
    ++stats.residueRomanized;
    return simplified(romanizer.romanize(example));
}

} // namespace

QString chooseExample(const DicLine &line, const ExampleSources &sources, ExampleStats &stats)
{
    const HeadwordForms forms = sources.forms.of(line.headword);
    const QStringList &examples = line.sourceExamples;
    for (const QString &example : examples) {
        if (isHindi(example))
            continue;
        ExampleStats residue;
        if (const QString text = englishText(example, sources.romanizer, residue); forms.usedIn(text)) {
            ++stats.freeDict;
            stats.residueRomanized += residue.residueRomanized;
            return text;
        }
    }
    if (const std::optional<WordNetPart> part = wordNetPart(line.code)) {
        for (const QString &example : sources.wordnet.examplesOf(line.headword, *part)) {
            if (forms.usedIn(example)) {
                ++stats.wordNet;
                return example;
            }
        }
    }
    for (const QString &example : examples) {
        if (isHindi(example)) {
            if (QString text = simplified(sources.romanizer.romanize(example)); !text.isEmpty()) {
                ++stats.hindi;
                return text;
            }
        }
    }
    if (!examples.isEmpty()) {
        ++stats.otherEnglish;
        return englishText(examples.front(), sources.romanizer, stats);
    }
    ++stats.none;
    return {};
}

void chooseExamples(std::vector<DicLine> &lines, const ExampleSources &sources, ExampleStats &stats)
{
    for (DicLine &line : lines) {
        if (line.exampleByHand)
            ++(line.origin == Origin::Supplement ? stats.supplement : stats.corrections);
        else
            line.example = chooseExample(line, sources, stats);
    }
}

} // namespace tolvani::dicbuild
