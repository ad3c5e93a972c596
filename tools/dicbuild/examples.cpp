#include "examples.h"

#include "entryparser.h"
#include "romanizer.h"

#include <algorithm>

namespace tolvani::dicbuild {

bool isHindi(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isDevanagariLetter);
}

QString chooseExample(const DicLine &line, const WordForms &forms, const WordNetExamples &wordnet,
                      ExampleStats &stats)
{
    const QStringList &examples = line.sourceExamples;
    for (const QString &example : examples) {
        if (!isHindi(example) && forms.uses(line.headword, example)) {
            ++stats.freeDict;
            return example;
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
        return examples.front();
    }
    ++stats.none;
    return {};
}

void chooseExamples(std::vector<DicLine> &lines, const WordForms &forms, const WordNetExamples &wordnet,
                    ExampleStats &stats)
{
    for (DicLine &line : lines)
        line.example = chooseExample(line, forms, wordnet, stats);
}

} // namespace tolvani::dicbuild
