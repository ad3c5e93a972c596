#include "source/sourcelines.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

SourceEntry entry(const QString &headword, const QString &category, QStringList senses = {},
                  QStringList examples = {})
{
    return {headword, category, std::move(senses), std::move(examples), 0};
}

// The lines of the entries, romanized without a vocabulary.
std::vector<DicLine> linesOf(std::vector<SourceEntry> entries, SourceStats &stats)
{
    return linesFromSource(usableArticles(std::move(entries), stats), Romanizer(), stats);
}

TEST(LinesFromSource, RomanizesAndJoinsMeaningsOnce)
{
    SourceStats stats;
    const std::vector<DicLine> lines = linesOf(
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
        linesOf({entry(u"haven"_s, u"N"_s, {u"बंदरगाह"_s}, {u"कांडला में १९४७ से।"_s})}, stats);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].example, u"kandla men 1947 se.");
}

TEST(LinesFromSource, OneLinePerHeadwordAndCode)
{
    SourceStats stats;
    const std::vector<DicLine> lines = linesOf(
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
        linesOf({yankee, entry(u"Yankee"_s, u"N"_s, {u"अत्यन्त एाुKKPPस"_s}, {u"A Yankee."_s})}, stats);
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
        linesOf({entry(u"tire/tyre"_s, u"N"_s, {u"टायर"_s}), entry(u"x-ray"_s, u"N"_s, {u"एक्स~रे"_s}),
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

} // namespace
} // namespace tolvani::dicbuild
