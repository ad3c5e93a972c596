#include "store/letterranges.h"

#include <QString>

#include <gtest/gtest.h>

#include <numeric>

using namespace tolvani;

namespace {

struct RangeCase {
    const char *name;
    char16_t letter;
    LetterRange range;
};

class LetterRangeTable : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LetterRangeTable, givesTheFixedRange)
{
    const QChar letter(GetParam().letter);
    const auto range = letterRange(QStringView(&letter, 1));
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(*range, GetParam().range);
}

INSTANTIATE_TEST_SUITE_P(
    LetterRanges, LetterRangeTable,
    ::testing::Values(RangeCase{"A", u'A', {0, 946}}, RangeCase{"B", u'B', {945, 1742}},
                      RangeCase{"J", u'J', {7276, 7405}}, RangeCase{"K", u'K', {7403, 7490}},
                      RangeCase{"M", u'M', {7996, 8769}}, RangeCase{"S", u'S', {11699, 13482}},
                      RangeCase{"W", u'W', {14955, 15431}}, RangeCase{"X", u'X', {0, 0}},
                      RangeCase{"Y", u'Y', {15429, 15481}}, RangeCase{"Z", u'Z', {15479, 15500}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LetterRanges, neighboursOverlapAsLaidOut)
{
    // From B to J a range starts one below the previous end, from K on two
    // below; Y follows W, and X stands apart.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWYZ");
    for (qsizetype i = 1; i < letters.size(); ++i) {
        const auto previous = letterRange(QStringView(letters).sliced(i - 1, 1));
        const auto current = letterRange(QStringView(letters).sliced(i, 1));
        ASSERT_TRUE(previous && current);
        const int overlap = letters[i] <= u'J' ? 1 : 2;
        EXPECT_EQ(current->start, previous->end - overlap) << letters[i].toLatin1();
    }
}

TEST(LetterRanges, onlyUpperCaseLettersHaveARange)
{
    for (const QStringView other : {u"m", u"a", u"7", u" ", u"", u"É", u"AB", u"-"})
        EXPECT_FALSE(letterRange(other).has_value()) << other.toString().toStdString();
}

TEST(LetterRanges, lineCountsFillEachRangeUpToItsEnd)
{
    const std::array<int, 26> counts = letterLineCounts();
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 15500);
    EXPECT_EQ(counts['A' - 'A'], 946);
    EXPECT_EQ(counts['B' - 'A'], 796);
    EXPECT_EQ(counts['C' - 'A'], 1551);
    EXPECT_EQ(counts['K' - 'A'], 85);
    EXPECT_EQ(counts['X' - 'A'], 0);
    EXPECT_EQ(counts['Y' - 'A'], 50);
    EXPECT_EQ(counts['Z' - 'A'], 19);
}

} // namespace
