#include "report.h"

#include "selection/selection.h"
#include "source/entryparser.h"

#include <algorithm>
#include <array>

namespace tolvani::dicbuild {

int BuildReport::withoutExample() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const DicLine &l) { return l.example.isEmpty(); }));
}

namespace {

// The meanings of a line: its pieces joined with ", ", not counting a
// comma inside a note in brackets.
int meaningCount(const QString &meaning)
{
    return meaning.isEmpty() ? 0 : int(splitOutsideBrackets(meaning).size());
}

} // namespace

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
        ++perLetter[std::size_t(letterIndex(line.headword))];
    out += QStringLiteral("entries: %1\n").arg(report.lines.size());
    for (int letter = 0; letter < 26; ++letter)
        out += QStringLiteral("  %1 %2\n").arg(QChar(u'A' + letter)).arg(perLetter[letter]);
    for (const auto &[letter, available] : report.shortLetters)
        out += QStringLiteral("SHORT: letter %1 has only %2 lines\n").arg(letter).arg(available);
    struct Counts {
        int entries = 0, meanings = 0, examples = 0;
    };
    std::map<Origin, Counts> byOrigin;
    for (const DicLine &line : report.lines) {
        Counts &counts = byOrigin[line.origin];
        ++counts.entries;
        counts.meanings += meaningCount(line.meaning);
        counts.examples += line.example.isEmpty() ? 0 : 1;
    }
    const std::pair<Origin, const char *> origins[] = {
        {Origin::FreeDict, "FreeDict"}, {Origin::Supplement, "supplement"}, {Origin::Spelling, "other spelling"}};
    for (const auto &[origin, name] : origins) {
        const Counts &counts = byOrigin[origin];
        out += QStringLiteral("from %1: %2 entries, %3 meanings, %4 examples\n")
                   .arg(QLatin1StringView(name))
                   .arg(counts.entries)
                   .arg(counts.meanings)
                   .arg(counts.examples);
    }
    out += QStringLiteral("corrections applied:");
    for (const auto &[field, count] : report.correctionsApplied)
        out += QStringLiteral(" %1 %2").arg(field).arg(count);
    if (report.correctionsApplied.empty())
        out += QStringLiteral(" none");
    out += u'\n';
    for (const Coverage &c : report.coverage) {
        out += QStringLiteral("most used %1 lemmas (SUBTLEX-US): %2 headwords (%3%)")
                   .arg(c.top)
                   .arg(c.covered)
                   .arg(100.0 * c.covered / c.top, 0, 'f', 1);
        if (c.top == 1000)
            out += QStringLiteral("; missing: ") + c.missing.join(u' ');
        out += u'\n';
    }
    out += QStringLiteral("first lines: %1 headwords by hand, %2 by their function word, %3 by WordNet's counts; "
                          "%4 of the 5,000 most used lemmas still start on a line another outnumbers two to one: %5\n")
               .arg(report.lineOrder.byHand)
               .arg(report.lineOrder.byFunction)
               .arg(report.lineOrder.byCount)
               .arg(report.outnumberedFirstLines.size())
               .arg(report.outnumberedFirstLines.join(u' '));
    out += QStringLiteral("not kept (no room, or no meaning):");
    for (int letter = 0; letter < 26; ++letter) {
        if (const int count = report.notKept.byLetter[std::size_t(letter)]; count > 0)
            out += QStringLiteral(" %1 %2").arg(QChar(u'A' + letter)).arg(count);
    }
    out += QStringLiteral("\n  the most used of them: ") + report.notKept.mostUsed.join(u' ') + u'\n';
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
                                 "%3 romanized Hindi, %4 English without the headword, %5 none, "
                                 "%7 from corrections, %8 from the supplement; "
                                 "%6 English examples had Devanagari residue romanized\n")
                      .arg(e.freeDict)
                      .arg(e.wordNet)
                      .arg(e.hindi)
                      .arg(e.otherEnglish)
                      .arg(e.none)
                      .arg(e.residueRomanized)
                      .arg(e.corrections)
                      .arg(e.supplement);
    out += QStringLiteral("sense lines recovered from among the examples: %1\n").arg(report.source.recoveredSenses);
    out += QStringLiteral("articles recovered from among the examples: %1\n").arg(report.source.hiddenArticles);
    out += QStringLiteral("damaged text in meanings (all articles):\n");
    for (int kind = 0; kind < kRepairKinds; ++kind)
        out += QStringLiteral("  %1: %2\n").arg(repairName(Repair(kind))).arg(report.source.repairs.count[std::size_t(kind)]);
    return out;
}

} // namespace tolvani::dicbuild
