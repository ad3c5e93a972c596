#include "platform/strings.h"

#include <gtest/gtest.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

struct SplitCase {
    const char *name;
    QString text;
    QStringList pieces;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, keepsEveryPiece)
{
    EXPECT_EQ(split(GetParam().text, u"||"), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, SplitTest,
    ::testing::Values(
        SplitCase{"fourFields", u"apple||n||seb||An apple."_s, {u"apple"_s, u"n"_s, u"seb"_s, u"An apple."_s}},
        SplitCase{"emptyMiddle", u"a||||b"_s, {u"a"_s, QString(), u"b"_s}},
        SplitCase{"noSeparator", u"plain line"_s, {u"plain line"_s}},
        SplitCase{"emptyText", QString(), {}},
        SplitCase{"onlySeparator", u"||"_s, {QString(), QString()}},
        SplitCase{"trailingSeparator", u"a||"_s, {u"a"_s, QString()}},
        SplitCase{"threeBars", u"a|||b"_s, {u"a"_s, u"|b"_s}},
        SplitCase{"singleBar", u"a|b"_s, {u"a|b"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

struct ProperCaseCase {
    const char *name;
    QString text;
    QString expected;
};

class ProperCaseTest : public ::testing::TestWithParam<ProperCaseCase> {};

TEST_P(ProperCaseTest, capitalisesWordStartsOnly)
{
    EXPECT_EQ(properCase(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, ProperCaseTest,
    ::testing::Values(
        ProperCaseCase{"twoWords", u"ice cream"_s, u"Ice Cream"_s},
        ProperCaseCase{"allCapitals", u"ABC"_s, u"Abc"_s},
        ProperCaseCase{"acronym", u"TV"_s, u"Tv"_s},
        ProperCaseCase{"hyphenJoins", u"x-ray"_s, u"X-ray"_s},
        ProperCaseCase{"apostropheJoins", u"o'neil"_s, u"O'neil"_s},
        ProperCaseCase{"slashJoins", u"and/or"_s, u"And/or"_s},
        ProperCaseCase{"tabSeparates", u"a\tb"_s, u"A\tB"_s},
        ProperCaseCase{"lineFeedSeparates", u"\napple"_s, u"\nApple"_s},
        ProperCaseCase{"crSeparates", u"a\rb"_s, u"A\rB"_s},
        ProperCaseCase{"verticalTabSeparates", u"a\vb"_s, u"A\vB"_s},
        ProperCaseCase{"formFeedSeparates", u"a\fb"_s, u"A\fB"_s},
        ProperCaseCase{"nulSeparates", QStringView(u"a\0b", 3).toString(), QStringView(u"A\0B", 3).toString()},
        ProperCaseCase{"digitTakesWordStart", u"3d film"_s, u"3d Film"_s},
        ProperCaseCase{"bracketTakesWordStart", u"(apple)"_s, u"(apple)"_s},
        ProperCaseCase{"doubleSpace", u"a  b"_s, u"A  B"_s},
        ProperCaseCase{"latinAccents", u"ÉCOLE ÇA"_s, u"École Ça"_s},
        ProperCaseCase{"sharpSStaysOneLetter", u"straße"_s, u"Straße"_s},
        ProperCaseCase{"empty", QString(), QString()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ProperCase, keepsLengthForEveryCodePageLetter)
{
    // The display word and the search compare by position, so proper case
    // must never lengthen or shorten a word.
    for (char16_t unit = 0x20; unit <= 0xFF; ++unit) {
        const QString text = QString(QChar(unit)) + QString(QChar(unit));
        EXPECT_EQ(properCase(text).size(), 2) << int(unit);
    }
}

TEST(Substring, countsFromOneAndStopsAtTheEnd)
{
    EXPECT_EQ(substring(u"apple", 1), u"apple"_s);
    EXPECT_EQ(substring(u"apple", 2), u"pple"_s);
    EXPECT_EQ(substring(u"apple", 2, 3), u"ppl"_s);
    EXPECT_EQ(substring(u"apple", 4, 10), u"le"_s);
    EXPECT_EQ(substring(u"apple", 5), u"e"_s);
    EXPECT_TRUE(substring(u"apple", 6).isEmpty());
    EXPECT_TRUE(substring(u"apple", 60, 2).isEmpty());
    EXPECT_TRUE(substring(u"apple", 1, 0).isEmpty());
    EXPECT_TRUE(substring(u"", 1).isEmpty());
}

} // namespace
