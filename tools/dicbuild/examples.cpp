#include "examples.h"

#include "devanagari.h"
#include "entryparser.h"
#include "romanizer.h"

#include <algorithm>

namespace tolvani::dicbuild {

bool isHindi(QStringView text)
{
    const auto devanagari = std::count_if(text.begin(), text.end(), isDevanagariLetter);
    const auto latin = std::count_if(text.begin(), text.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
    return devanagari > latin;
}

namespace {

// An English sentence with a few letters left in Devanagari by a damaged
// conversion ("Prince edward'स् marriage") reads right once romanized.
QString englishText(const QString &example, ExampleStats &stats)
{
    if (!hasDevanagari(example))
        return example;
    ++stats.residueRomanized;
    return simplified(romanize(example));
}

} // namespace

QString chooseExample(const DicLine &line, const WordForms &forms, const WordNetExamples &wordnet,
                      ExampleStats &stats)
{
    const QStringList &examples = line.sourceExamples;
    for (const QString &example : examples) {
        if (isHindi(example))
            continue;
        ExampleStats residue;
        if (const QString text = englishText(example, residue); forms.uses(line.headword, text)) {
            ++stats.freeDict;
            stats.residueRomanized += residue.residueRomanized;
            return text;
        }
    }
    if (const std::optional<WordNetPart> part = wordNetPart(line.code)) {
        for (const QString &example : wordnet.examplesOf(line.headword, *part)) {
            if (forms.uses(line.headword, example)) {
                ++stats.wordNet;
                return example;
            }
        }
    }
    for (const QString &example : examples) {
        if (isHindi(example)) {
            if (QString text = simplified(romanize(example)); !text.isEmpty()) {
                ++stats.hindi;
                return text;
            }
        }
    }
    if (!examples.isEmpty()) {
        ++stats.otherEnglish;
        return englishText(examples.front(), stats);
    }
    ++stats.none;
    return {};
}

void chooseExamples(std::vector<DicLine> &lines, const WordForms &forms, const WordNetExamples &wordnet,
                    ExampleStats &stats)
{
    for (DicLine &line : lines) {
        if (line.exampleByHand)
            ++(line.origin == Origin::Supplement ? stats.supplement : stats.corrections);
        else
            line.example = chooseExample(line, forms, wordnet, stats);
    }
}

} // namespace tolvani::dicbuild
