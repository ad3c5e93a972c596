#include "builder.h"

#include "common/exceptions.h"
#include "common/inputs.h"
#include "english/lemmatizer.h"
#include "english/spellings.h"
#include "english/usage.h"
#include "english/wordforms.h"
#include "english/wordnet.h"
#include "english/wordnetcounts.h"
#include "hindi/loanwords.h"
#include "hindi/romanizer.h"
#include "hindi/wordlists.h"
#include "selection/coverage.h"
#include "selection/examples.h"
#include "selection/lineorder.h"
#include "selection/selection.h"
#include "source/source.h"
#include "source/sourcelines.h"
#include "tables/corrections.h"
#include "tables/firstlines.h"
#include "tables/supplement.h"
#include "writer/writer.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

QByteArray readTableFile(const BuildInputs &inputs, const QString &name)
{
    return readInput(inputs.tables + u'/' + name);
}

// A hand-written table of the tables folder, read by its class.
template<typename Table>
Table readHandTable(const BuildInputs &inputs, const char *name)
{
    const QString file = QString::fromLatin1(name);
    Table table;
    table.addTable(readTableFile(inputs, file), file);
    return table;
}

void append(std::vector<DicLine> &lines, const std::vector<DicLine> &more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

// How often English speakers use each word, counted for its lemma and for
// both its spellings.
UsageFrequencies readUsage(const BuildInputs &inputs, const WordNet &wordnet, const ExceptionWords &exceptions,
                           const SpellingVariants &variants)
{
    UsageFrequencies usage;
    usage.load(inputs.tables + QStringLiteral("/subtlex-us.tsv"));
    usage.countLemmas(Lemmatizer(wordnet), exceptions.of(ExceptionRule::NotInflected));
    for (auto pair = variants.pairs().cbegin(); pair != variants.pairs().cend(); ++pair)
        usage.addVariant(pair.key(), pair.value());
    return usage;
}

// The romanizer of the build: the source's words tell compounds apart, and
// a word of a meaning, the source's or one written by hand, that sounds
// like its headword is a loanword (गैंगस्टर for gangster).
Romanizer buildRomanizer(const std::vector<SourceEntry> &entries, const HindiWordLists &words,
                         const Corrections &corrections, const BuildInputs &inputs)
{
    HindiVocabulary vocabulary = vocabularyOf(entries, words);
    const Romanizer plain({}, words);
    const QString supplement = QStringLiteral("supplement.tsv");
    auto handWritten = corrections.meaningsAdded();
    std::ranges::move(supplementMeanings(readTableFile(inputs, supplement), supplement),
                      std::back_inserter(handWritten));
    for (const auto &[headword, meaning] : handWritten)
        addLoanwords(vocabulary, headword, meaning, plain);
    return Romanizer(std::move(vocabulary), words);
}

} // namespace

ExceptionWords readExceptionWords(const BuildInputs &inputs)
{
    return readHandTable<ExceptionWords>(inputs, "exceptions.tsv");
}

Romanizer sourceRomanizer(const BuildInputs &inputs)
{
    SourceStats stats;
    const HindiWordLists words = HindiWordLists::from(readExceptionWords(inputs));
    return buildRomanizer(readSourceEntries(inputs.index, inputs.data, stats), words,
                          readHandTable<Corrections>(inputs, "corrections.tsv"), inputs);
}

QByteArray buildDictionary(const BuildInputs &inputs, BuildReport &report, Review review)
{
    // What several stages read, read once: the rules' word lists, WordNet.
    const ExceptionWords exceptions = readExceptionWords(inputs);
    const HindiWordLists hindiWords = HindiWordLists::from(exceptions);
    const WordNet wordnet = WordNet::load(inputs.wordnet);
    const WordForms forms(wordnet);

    // source/: the source's articles; the romanizer (hindi/) splits words
    // into the parts the source's own words show, and learns loanwords from
    // them and from the meanings written by hand.
    auto corrections = readHandTable<Corrections>(inputs, "corrections.tsv");
    std::vector<SourceEntry> entries = readSourceEntries(inputs.index, inputs.data, report.source);
    const Romanizer romanizer = buildRomanizer(entries, hindiWords, corrections, inputs);
    std::vector<SourceArticle> articles = usableArticles(std::move(entries), report.source);

    // tables/: the hand corrections work on the source's own text, meaning
    // rows before the pieces are repaired and romanized, the others on the
    // lines the articles make.
    corrections.applyToMeanings(articles);
    std::vector<DicLine> lines = linesFromSource(articles, romanizer, report.source);
    corrections.applyToLines(lines);
    if (const QStringList stale = corrections.stale(); !stale.isEmpty())
        throw std::runtime_error(
            (QStringLiteral("corrections that match nothing in the source:\n  ") + stale.join(u"\n  ")).toStdString());
    report.correctionsApplied = corrections.appliedByField();

    // selection/: a corrected example is kept; every other line gets the
    // best example of its articles or of WordNet.
    const ExampleSources exampleSources{forms, wordnet, romanizer};
    chooseExamples(lines, Origin::FreeDict, exampleSources);

    // tables/ and english/: the supplement's lines, and a copy of a line
    // under its other spelling.
    const QString supplement = QStringLiteral("supplement.tsv");
    append(lines, supplementLines(readTableFile(inputs, supplement), supplement, lines, forms, romanizer));
    const auto variants = readHandTable<SpellingVariants>(inputs, "spellings.tsv");
    append(lines, variantLines(lines, variants));

    // selection/: the lines each letter has room for, by use; a copy under
    // the other spelling, once it has its place, finds its example among
    // the examples respelled for it.
    const UsageFrequencies usage = readUsage(inputs, wordnet, exceptions, variants);
    report.lines = selectLines(lines, WordNetCounts(wordnet), usage, report.shortLetters);
    // selection/ and tables/: a headword's first line is the one people
    // use most, which a search lands on.
    const auto firstLines = readHandTable<FirstLineTable>(inputs, "line-order.tsv");
    report.lineOrder = putMostUsedFirst(report.lines, wordnet, firstLines.byHeadword());
    if (const QStringList unmatched = firstLines.unmatched(report.lines); !unmatched.isEmpty())
        throw std::runtime_error(
            (QStringLiteral("line-order rows that match no headword's line:\n  ") + unmatched.join(u"\n  ")).toStdString());
    report.outnumberedFirstLines = outnumberedFirstLines(report.lines, wordnet, usage.topLemmas(5000));
    report.notKept = notKept(lines, report.lines, usage);
    report.coverage = coverageOf(report.lines, usage, variants);
    chooseExamples(report.lines, Origin::Spelling, exampleSources);
    report.examples = exampleStats(report.lines);

    // detectors/: the lines to look over, when asked.
    if (review == Review::Detectors) {
        EnglishWords englishWords;
        for (const QString &list : inputs.englishWordLists)
            englishWords.addWordList(readInput(list));
        englishWords.addReviewed(readTableFile(inputs, QStringLiteral("example-words.tsv")),
                                 QStringLiteral("example-words.tsv"));
        HindiSpelling hindiSpelling;
        hindiSpelling.addWordList(readInput(inputs.hindiWordList));
        for (const DicLine &line : lines) {
            for (const QString &hindi : line.hindi)
                hindiSpelling.countWords(hindi);
        }
        const VerbWords verbWords = VerbWords::from(exceptions);
        report.findings =
            detectSuspicious(report.lines, {forms, romanizer, verbWords, englishWords, hindiSpelling});
    }

    // writer/
    return encodeDictionary(report.lines, report.written);
}

} // namespace tolvani::dicbuild
