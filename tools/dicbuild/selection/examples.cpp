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
QString englishText(const QString &example, const Romanizer &romanizer)
{
    return hasDevanagari(example) ? simplified(romanizer.romanize(example)) : example;
}

void setExample(DicLine &line, const QString &text, ExampleSource source, bool romanized = false)
{
    line.example = text;
    line.exampleSource = source;
    line.exampleRomanized = romanized;
}

} // namespace

void chooseExample(DicLine &line, const ExampleSources &sources)
{
    const HeadwordForms forms = sources.forms.of(line.headword);
    const QStringList &examples = line.sourceExamples;
    for (const QString &example : examples) {
        if (isHindi(example))
            continue;
        if (const QString text = englishText(example, sources.romanizer); forms.usedIn(text))
            return setExample(line, text, ExampleSource::SourceUsingHeadword, hasDevanagari(example));
    }
    if (const std::optional<WordNetPart> part = wordNetPart(line.code)) {
        for (const QString &example : sources.wordnet.examplesOf(line.headword, *part)) {
            if (forms.usedIn(example))
                return setExample(line, example, ExampleSource::WordNet);
        }
    }
    for (const QString &example : examples) {
        if (!isHindi(example))
            continue;
        if (const QString text = simplified(sources.romanizer.romanize(example)); !text.isEmpty())
            return setExample(line, text, ExampleSource::SourceHindi);
    }
    if (!examples.isEmpty()) {
        const QString &first = examples.front();
        return setExample(line, englishText(first, sources.romanizer), ExampleSource::SourceOther, hasDevanagari(first));
    }
    setExample(line, {}, ExampleSource::None);
}

void chooseExamples(std::vector<DicLine> &lines, Origin origin, const ExampleSources &sources)
{
    for (DicLine &line : lines) {
        if (line.origin == origin && !line.exampleByHand())
            chooseExample(line, sources);
    }
}

ExampleStats exampleStats(const std::vector<DicLine> &lines)
{
    ExampleStats stats;
    for (const DicLine &line : lines) {
        switch (line.exampleSource) {
        case ExampleSource::None: ++stats.none; break;
        case ExampleSource::SourceUsingHeadword: ++stats.freeDict; break;
        case ExampleSource::WordNet: ++stats.wordNet; break;
        case ExampleSource::SourceHindi: ++stats.hindi; break;
        case ExampleSource::SourceOther: ++stats.otherEnglish; break;
        case ExampleSource::Corrections: ++stats.corrections; break;
        case ExampleSource::Supplement: ++stats.supplement; break;
        }
        stats.residueRomanized += line.exampleRomanized ? 1 : 0;
    }
    return stats;
}

} // namespace tolvani::dicbuild
