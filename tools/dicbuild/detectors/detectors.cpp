#include "detectors/detectors.h"

#include "common/exceptions.h"
#include "common/text.h"
#include "detectors/examplemechanics.h"
#include "lookup/wordtypes.h"
#include "selection/examples.h"

#include <algorithm>
#include <utility>

namespace tolvani::dicbuild {
namespace {

// The meanings of a line: split at the commas outside parentheses, notes
// left out.
QStringList meaningsOf(const QString &meaning)
{
    QStringList out;
    QString current;
    int depth = 0;
    for (QChar c : meaning) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            out.append(current.simplified());
            current.clear();
        } else if (depth == 0) {
            current += c;
        }
    }
    out.append(current.simplified());
    out.removeAll(QString());
    return out;
}

bool hasLatinResidue(const QString &meaning)
{
    // The romanizer writes lower case and neither w nor x; a digit
    // stuck to a letter is residue as well.
    for (qsizetype i = 0; i < meaning.size(); ++i) {
        const QChar c = meaning[i];
        if ((c >= u'A' && c <= u'Z') || c == u'w' || c == u'x')
            return true;
        if (c.isDigit() && ((i > 0 && meaning[i - 1].isLetter()) || (i + 1 < meaning.size() && meaning[i + 1].isLetter())))
            return true;
    }
    return false;
}

// The words of one meaning, without the punctuation that ends some.
QStringList wordsOfMeaning(QStringView meaning)
{
    QStringList words = meaning.toString().split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        QString &last = words.back();
        while (!last.isEmpty() && !last.back().isLetter())
            last.chop(1);
    }
    return words;
}

// "ek prakar ka paudha", "ek tarah ki machhli": a kind, not a name.
bool isPlaceholder(QStringView meaning)
{
    return meaning.startsWith(u"ek prakar k") || meaning.startsWith(u"ek tarah k");
}

// The faults a learner copying the example would copy.
void checkExample(const DicLine &line, const EnglishWords &words, std::vector<Finding> &findings)
{
    bool spacing = false;
    for (const ExampleMechanics fault : mechanicalFaults(line.example)) {
        switch (fault) {
        case ExampleMechanics::NoFinalStop: findings.push_back({Suspicion::ExampleNoFinalStop, &line}); break;
        case ExampleMechanics::NoCapital: findings.push_back({Suspicion::ExampleNoCapital, &line}); break;
        default: spacing = true; break;
        }
    }
    if (spacing)
        findings.push_back({Suspicion::ExampleSpacing, &line});
    if (const QStringList unknown = words.unknownWords(line.example); !unknown.isEmpty())
        findings.push_back({Suspicion::ExampleUnknownWord, &line, unknown.join(u' ')});
}

bool isRomanizedHindi(const DicLine &line, const Romanizer &romanizer)
{
    return std::any_of(line.sourceExamples.begin(), line.sourceExamples.end(), [&](const QString &example) {
        return isHindi(example) && simplified(romanizer.romanize(example)) == line.example;
    });
}

} // namespace

QString suspicionName(Suspicion kind)
{
    using Name = std::pair<Suspicion, const char *>;
    static constexpr Name names[] = {
        {Suspicion::NounMeansVerb, "noun-or-adjective-means-verb"},
        {Suspicion::VerbWithoutVerb, "verb-without-verb"},
        {Suspicion::ExampleLacksWord, "example-lacks-headword"},
        {Suspicion::HindiExample, "hindi-example"},
        {Suspicion::LatinInMeaning, "latin-in-meaning"},
        {Suspicion::PlaceholderMeaning, "placeholder-meaning"},
        {Suspicion::HindiMisspelling, "hindi-misspelling"},
        {Suspicion::ExampleNoFinalStop, "example-no-final-stop"},
        {Suspicion::ExampleNoCapital, "example-no-capital"},
        {Suspicion::ExampleSpacing, "example-spacing"},
        {Suspicion::ExampleUnknownWord, "example-unknown-word"},
    };
    for (const auto &[named, name] : names) {
        if (named == kind)
            return QString::fromLatin1(name);
    }
    return {};
}

VerbWords VerbWords::from(const ExceptionWords &table)
{
    return {table.of(ExceptionRule::NounInNa), table.of(ExceptionRule::VerbStem)};
}

bool isVerbMeaning(QStringView meaning, const VerbWords &words)
{
    // Infinitives that are also common nouns ("khana" food, "sena" army)
    // do not make a verb.
    const QStringList meaningWords = wordsOfMeaning(meaning);
    return meaningWords.size() > 1 && meaningWords.back().size() > 2 && meaningWords.back().endsWith(u"na")
        && !words.nounsInNa.contains(meaningWords.back());
}

bool hasVerbForm(QStringView meaning, const VerbWords &words)
{
    // A verb stem after its noun ("prayog kar") is how the source writes
    // many verbs.
    const QStringList meaningWords = wordsOfMeaning(meaning);
    return !meaningWords.isEmpty()
        && ((meaningWords.back().size() > 2 && meaningWords.back().endsWith(u"na"))
            || (meaningWords.size() > 1 && words.stems.contains(meaningWords.back())));
}

std::vector<Finding> detectSuspicious(const std::vector<DicLine> &lines, const DetectorSources &sources)
{
    const VerbWords &words = sources.verbWords;
    std::vector<Finding> findings;
    for (const DicLine &line : lines) {
        const QStringList meanings = meaningsOf(line.meaning);
        const bool anyVerb =
            std::any_of(meanings.begin(), meanings.end(), [&](const QString &m) { return hasVerbForm(m, words); });
        const bool allVerbs = !meanings.isEmpty() && std::all_of(meanings.begin(), meanings.end(), [&](const QString &m) {
            return isVerbMeaning(m, words);
        });
        const WordClass wordClass = wordClassOf(line.code);
        if ((wordClass == WordClass::Noun || wordClass == WordClass::Adjective) && allVerbs)
            findings.push_back({Suspicion::NounMeansVerb, &line});
        if (wordClass == WordClass::Verb && !anyVerb)
            findings.push_back({Suspicion::VerbWithoutVerb, &line});
        const bool hindiExample = isRomanizedHindi(line, sources.romanizer);
        if (hindiExample)
            findings.push_back({Suspicion::HindiExample, &line});
        else if (!sources.forms.uses(line.headword, line.example))
            findings.push_back({Suspicion::ExampleLacksWord, &line});
        if (hasLatinResidue(line.meaning))
            findings.push_back({Suspicion::LatinInMeaning, &line});
        for (const QString &meaning : meanings) {
            if (isPlaceholder(meaning))
                findings.push_back({Suspicion::PlaceholderMeaning, &line, meaning});
        }
        for (const QString &hindi : line.hindi) {
            if (const QStringList slips = sources.hindiSpelling.suspects(hindi); !slips.isEmpty())
                findings.push_back({Suspicion::HindiMisspelling, &line, slips.join(QStringLiteral(", "))});
        }
        if (!hindiExample)
            checkExample(line, sources.englishWords, findings);
    }
    return findings;
}

} // namespace tolvani::dicbuild
