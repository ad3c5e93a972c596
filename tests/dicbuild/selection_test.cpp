#include "selection.h"

#include "lemmatizer.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

SourceEntry entry(const QString &headword, const QString &category, QStringList senses = {},
                  QStringList examples = {})
{
    return {headword, category, std::move(senses), std::move(examples), 0};
}

TEST(LinesFromSource, RomanizesAndJoinsMeaningsOnce)
{
    SourceStats stats;
    const std::vector<DicLine> lines = linesFromSource(
        {entry(u"abide"_s, u"V"_s, {u"सहन~करना, रहना"_s, u"रहना, ?"_s}, {u"He abides."_s})}, stats);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].headword, u"abide");
    EXPECT_EQ(lines[0].code, u"v");
    EXPECT_EQ(lines[0].meaning, u"sahan karna, rahna");
    EXPECT_EQ(lines[0].example, u"He abides.");
}

TEST(LinesFromSource, ExampleInHindiIsRomanizedAndEmptyOnesSkipped)
{
    SourceStats stats;
    const std::vector<DicLine> lines =
        linesFromSource({entry(u"haven"_s, u"N"_s, {u"बंदरगाह"_s}, {u"कांडला में १९४७ से।"_s})}, stats);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].example, u"kandla men 1947 se.");
}

TEST(LinesFromSource, OneLinePerHeadwordAndCode)
{
    SourceStats stats;
    const std::vector<DicLine> lines = linesFromSource(
        {entry(u"about"_s, u"Adv"_s, {u"लगभग"_s}), entry(u"about"_s, u"Prep"_s, {u"के~बारे~में"_s}, {u"A book."_s}),
         entry(u"About"_s, u"Adv."_s, {u"इधर~उधर"_s, u"लगभग"_s}, {u"Boys sat about."_s})},
        stats);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].code, u"adv");
    EXPECT_EQ(lines[0].meaning, u"lagbhag, idhar udhar");
    EXPECT_EQ(lines[0].example, u"Boys sat about.") << "a merged article gives the example the first lacked";
    EXPECT_EQ(lines[1].code, u"prep");
    EXPECT_EQ(stats.merged, 1);
}

TEST(LinesFromSource, RepairsMeaningsAndKeepsEveryExampleOfMergedArticles)
{
    SourceStats stats;
    SourceEntry yankee = entry(u"Yankee"_s, u"N"_s, {u"अमरीकी{अनौपचारिक}, मिटाना९"_s}, {u"यांकी"_s});
    yankee.recoveredSenses = 1;
    const std::vector<DicLine> lines =
        linesFromSource({yankee, entry(u"Yankee"_s, u"N"_s, {u"अत्यन्त एाुKKPPस"_s}, {u"A Yankee."_s})}, stats);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].meaning.contains(u" ("));
    EXPECT_FALSE(lines[0].meaning.contains(u'{'));
    EXPECT_EQ(lines[0].meaning.count(u','), 1) << "the damaged piece is dropped";
    EXPECT_EQ(lines[0].sourceExamples, (QStringList{u"यांकी"_s, u"A Yankee."_s}));
    EXPECT_EQ(stats.recoveredSenses, 1);
    EXPECT_EQ(stats.repairs.of(Repair::Note), 1);
    EXPECT_EQ(stats.repairs.of(Repair::DigitDropped), 1);
    EXPECT_EQ(stats.repairs.of(Repair::PieceDropped), 1);
}

TEST(LinesFromSource, CountsWhatItLeavesOut)
{
    SourceStats stats;
    const std::vector<DicLine> lines =
        linesFromSource({entry(u"tire/tyre"_s, u"N"_s, {u"टायर"_s}), entry(u"x-ray"_s, u"N"_s, {u"एक्स~रे"_s}),
                         entry(u"kindly"_s, u"Gerund"_s, {u"कृपया"_s}), entry(u"kind"_s, u"Adj"_s, {u"दयालु"_s})},
                        stats);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].headword, u"kind");
    EXPECT_EQ(stats.articles, 4);
    EXPECT_EQ(stats.badHeadword, 1);
    EXPECT_EQ(stats.outsideRanges, 1);
    EXPECT_EQ(stats.unknownCategory, 1);
    EXPECT_EQ(stats.unknownCategories.at(u"Gerund"_s), 1);
}

TEST(SortsBefore, IgnoresCaseAndPutsPrefixesFirst)
{
    std::vector<DicLine> lines{{u"ice-cream"_s, u"n"_s, {}, {}, 0}, {u"Ice"_s, u"n"_s, {}, {}, 1},
                               {u"ice cream"_s, u"n"_s, {}, {}, 2}, {u"ice"_s, u"v"_s, {}, {}, 3},
                               {u"iceberg"_s, u"n"_s, {}, {}, 4},  {u"ICED"_s, u"a"_s, {}, {}, 5}};
    std::sort(lines.begin(), lines.end(), sortsBefore);
    QStringList order;
    for (const DicLine &line : lines)
        order.append(line.headword + u'/' + line.code);
    EXPECT_EQ(order, (QStringList{u"Ice/n"_s, u"ice/v"_s, u"ice cream/n"_s, u"ice-cream/n"_s, u"iceberg/n"_s,
                                  u"ICED/a"_s}));
}

TEST(RankOf, OrdersByWhatALearnerNeeds)
{
    WordFrequencies frequencies;
    frequencies.addTagCounts("house%1:06:00:: 1 100\nhovel%1:06:00:: 1 2\nmansion%1:06:00:: 1 9\n");
    frequencies.addSenseCounts("house n 12 6 @ ~\nhovel n 1 1 @\nmansion n 1 1 @\n");
    UsageFrequencies usage;
    usage.addForms("house\t19570\nhouses\t1219\nhovel\t28\n");
    usage.countLemmas(Lemmatizer{});
    auto rank = [&](const QString &headword, const QString &code, bool meaning, bool example) {
        return rankOf({headword, code, meaning ? u"ghar"_s : QString(), example ? u"e.g."_s : QString(), 0},
                      frequencies, usage);
    };
    // Each row outranks the next: the word people use more wins before an
    // example, a function word or WordNet's count can.
    const std::vector<Rank> ladder{
        rank(u"house"_s, u"n"_s, true, true),      rank(u"house"_s, u"n"_s, true, false),
        rank(u"hovel"_s, u"n"_s, true, true),      rank(u"of"_s, u"prep"_s, true, true),
        rank(u"mansion"_s, u"n"_s, true, true),    rank(u"zzyzx"_s, u"n"_s, true, true),
        rank(u"mansion"_s, u"n"_s, true, false),   rank(u"house boat"_s, u"n"_s, true, true),
        rank(u"house boat"_s, u"n"_s, true, false), rank(u"house"_s, u"n"_s, false, true),
    };
    for (std::size_t i = 0; i + 1 < ladder.size(); ++i)
        EXPECT_GT(ladder[i], ladder[i + 1]) << "row " << i;
    EXPECT_LT(rank(u"house"_s, u"idm"_s, true, true), rank(u"hovel"_s, u"n"_s, true, true))
        << "an idiom counts as a phrase whatever its headword";
    EXPECT_LT(rank(u"house"_s, u"phrvt"_s, true, true), rank(u"zzyzx"_s, u"n"_s, true, true));
}

TEST(WordFrequencies, FallsBackToTheBaseForm)
{
    WordFrequencies frequencies;
    frequencies.addTagCounts("abandon%2:31:00:: 1 7\ncity%1:15:00:: 1 40\nice_cream%1:13:00:: 1 3\n");
    EXPECT_EQ(frequencies.of(u"Abandon").taggedCount, 7);
    EXPECT_EQ(frequencies.of(u"abandoned").taggedCount, 7);
    EXPECT_EQ(frequencies.of(u"cities").taggedCount, 40);
    EXPECT_EQ(frequencies.of(u"ice cream").taggedCount, 3);
    EXPECT_EQ(frequencies.of(u"zzyzx"), Commonness{});
}

TEST(SelectLines, KeepsTheBestRankedAndSortsThem)
{
    // Q has room for 89 lines; 95 candidates compete, the six without an
    // example lose, and the winners come out in alphabetical order.
    std::vector<DicLine> lines;
    for (int i = 0; i < 95; ++i) {
        const QString word = u"q"_s + QString::number(1000 - i);
        lines.push_back({word, u"n"_s, u"arth"_s, i % 16 == 0 ? QString() : u"e.g."_s, i});
    }
    lines.push_back({u"zebra"_s, u"n"_s, u"zebra"_s, u"e.g."_s, 95});
    std::vector<std::pair<QChar, int>> shortLetters;
    const std::vector<DicLine> chosen = selectLines(lines, WordFrequencies{}, UsageFrequencies{}, shortLetters);
    ASSERT_EQ(chosen.size(), 90u);
    EXPECT_EQ(chosen.back().headword, u"zebra");
    for (std::size_t i = 0; i + 1 < 89; ++i) {
        EXPECT_FALSE(chosen[i].example.isEmpty()) << chosen[i].headword.toStdString();
        EXPECT_TRUE(sortsBefore(chosen[i], chosen[i + 1]));
    }
    EXPECT_EQ(shortLetters.size(), 24u) << "every letter but Q is short; X needs none";
    EXPECT_EQ(shortLetters.front(), std::make_pair(QChar(u'A'), 0));
}

} // namespace
} // namespace tolvani::dicbuild
