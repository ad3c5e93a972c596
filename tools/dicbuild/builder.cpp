#include "builder.h"

#include "dictd.h"
#include "entryparser.h"
#include "romanizer.h"

#include <algorithm>
#include <array>

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
        if (std::optional<SourceEntry> entry = parseEntry(article))
            entries.push_back(std::move(*entry));
        else
            ++report.source.unreadable;
    }
    useVocabulary(vocabularyOf(entries));
    WordFrequencies frequencies;
    frequencies.load(inputs.wordnet);
    report.lines = selectLines(linesFromSource(entries, report.source), frequencies, report.shortLetters);
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
    return out;
}

} // namespace tolvani::dicbuild
