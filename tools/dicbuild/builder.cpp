#include "builder.h"

#include "dictd.h"
#include "entryparser.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tolvani::dicbuild {

int BuildReport::withoutExample() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const DicLine &l) { return l.example.isEmpty(); }));
}

QByteArray buildDictionary(const BuildInputs &inputs, BuildReport &report)
{
    const std::vector<IndexEntry> index = parseDictdIndex(readFile(inputs.index));
    const QByteArray data = readGzipFile(inputs.data);
    std::vector<SourceEntry> entries;
    for (const QString &article : dictdArticles(index, data)) {
        std::vector<SourceEntry> parsed = parseArticle(article);
        if (parsed.empty())
            ++report.source.unreadable;
        report.source.hiddenArticles += std::max(0, int(parsed.size()) - 1);
        std::move(parsed.begin(), parsed.end(), std::back_inserter(entries));
    }
    WordFrequencies frequencies;
    frequencies.load(inputs.wordnet);
    std::vector<DicLine> lines = linesFromSource(entries, report.source);
    WordForms forms;
    forms.load(inputs.wordnet);
    WordNetExamples wordnet;
    wordnet.load(inputs.wordnet);
    ExampleStats allLines;
    chooseExamples(lines, forms, wordnet, allLines);
    report.lines = selectLines(lines, frequencies, report.shortLetters);
    chooseExamples(report.lines, forms, wordnet, report.examples);
    report.source.articles += report.source.unreadable;
    return encodeDictionary(report.lines, report.written);
}

QString summary(const BuildReport &report)
{
    QString out;
    const SourceStats &s = report.source;
    out += QStringLiteral("source: %1 articles; left out: %2 unreadable, %3 with an unusable headword, "
                          "%4 beginning with X, %5 of unknown category; %6 merged into an earlier line\n")
               .arg(s.articles)
               .arg(s.unreadable)
               .arg(s.badHeadword)
               .arg(s.outsideRanges)
               .arg(s.unknownCategory)
               .arg(s.merged);
    for (const auto &[category, count] : s.unknownCategories)
        out += QStringLiteral("  unknown category <%1>: %2\n").arg(category).arg(count);

    std::array<int, 26> perLetter{};
    for (const DicLine &line : report.lines)
        ++perLetter[line.headword.front().toUpper().unicode() - u'A'];
    out += QStringLiteral("entries: %1\n").arg(report.lines.size());
    for (int letter = 0; letter < 26; ++letter)
        out += QStringLiteral("  %1 %2\n").arg(QChar(u'A' + letter)).arg(perLetter[letter]);
    for (const auto &[letter, available] : report.shortLetters)
        out += QStringLiteral("SHORT: letter %1 has only %2 lines\n").arg(letter).arg(available);
    out += QStringLiteral("without example: %1\n").arg(report.withoutExample());
    out += QStringLiteral("without meaning: %1\n")
               .arg(std::count_if(report.lines.begin(), report.lines.end(),
                                  [](const DicLine &l) { return l.meaning.isEmpty(); }));
    out += QStringLiteral("fields repaired: %1\n").arg(report.written.fieldsRepaired);
    out += QStringLiteral("characters dropped (not in Windows-1252): %1\n").arg(report.written.dropped());
    for (const auto &[ch, count] : report.written.droppedChars)
        out += QStringLiteral("  U+%1: %2\n").arg(int(ch), 4, 16, QChar(u'0')).arg(count);
    out += examplesAndRepairsSummary(report);
    return out;
}

QString examplesAndRepairsSummary(const BuildReport &report)
{
    const ExampleStats &e = report.examples;
    QString out = QStringLiteral("examples: %1 English from the source using the headword, %2 from WordNet, "
                                 "%3 romanized Hindi, %4 English without the headword, %5 none; "
                                 "%6 English examples had Devanagari residue romanized\n")
                      .arg(e.freeDict)
                      .arg(e.wordNet)
                      .arg(e.hindi)
                      .arg(e.otherEnglish)
                      .arg(e.none)
                      .arg(e.residueRomanized);
    out += QStringLiteral("sense lines recovered from among the examples: %1\n").arg(report.source.recoveredSenses);
    out += QStringLiteral("articles recovered from among the examples: %1\n").arg(report.source.hiddenArticles);
    out += QStringLiteral("damaged text in meanings (all articles):\n");
    for (int kind = 0; kind < kRepairKinds; ++kind)
        out += QStringLiteral("  %1: %2\n").arg(repairName(Repair(kind))).arg(report.source.repairs.count[std::size_t(kind)]);
    return out;
}

} // namespace tolvani::dicbuild
