#include "source/dictd.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

struct NumberCase {
    const char *name;
    const char *digits;
    std::optional<qint64> value;
};

class DictdNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(DictdNumber, DecodesBase64Digits)
{
    EXPECT_EQ(decodeDictdNumber(GetParam().digits), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DictdNumber,
    testing::Values(NumberCase{"Zero", "A", 0}, NumberCase{"LastDigit", "/", 63}, NumberCase{"Plus", "+", 62},
                    NumberCase{"Digit", "0", 52}, NumberCase{"TwoDigits", "BY", 88},
                    NumberCase{"MostSignificantFirst", "BA", 64}, NumberCase{"Offset", "I71B", 2342209},
                    NumberCase{"Empty", "", std::nullopt}, NumberCase{"NotADigit", "B*", std::nullopt},
                    NumberCase{"TooLong", "AAAAAAAAAAB", std::nullopt}),
    [](const testing::TestParamInfo<NumberCase> &info) { return std::string(info.param.name); });

TEST(DictdIndex, ParsesWordsAndSkipsDatabaseLines)
{
    const std::vector<IndexEntry> index =
        parseDictdIndex("00databaseinfo\tc\tBXE\na\tBYL\ty\nabout turn\tBY9\tBu\n");
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[0].headword, u"a");
    EXPECT_EQ(index[0].offset, 88 * 64 + 11);
    EXPECT_EQ(index[0].length, 50);
    EXPECT_EQ(index[1].headword, u"about turn");
}

TEST(DictdIndex, MalformedLineNamesItsNumber)
{
    try {
        parseDictdIndex("a\tB\tC\nbroken line\n");
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
}

TEST(DictdArticles, SlicesDataAndMergesRepeatedPointers)
{
    const QByteArray data = QByteArray("one\ntwo \xE0\xA4\x95\n");
    const std::vector<IndexEntry> index{{u"one"_s, 0, 4}, {u"two"_s, 4, 8}, {u"again"_s, 0, 4}};
    const std::vector<QString> articles = dictdArticles(index, data);
    ASSERT_EQ(articles.size(), 2u);
    EXPECT_EQ(articles[0], u"one\n");
    EXPECT_EQ(articles[1], u"two \u0915\n");
}

TEST(DictdArticles, PointerPastTheEndIsAnError)
{
    const std::vector<IndexEntry> index{{u"x"_s, 2, 5}};
    EXPECT_THROW(dictdArticles(index, "abc"), std::runtime_error);
}

} // namespace
} // namespace tolvani::dicbuild
