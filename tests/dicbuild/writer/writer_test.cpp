#include "writer/writer.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(FormatLine, FourFieldsJoinedBySeparator)
{
    WriteStats stats;
    EXPECT_EQ(formatLine({u"abacus"_s, u"n"_s, u"gintara"_s, u"Use an abacus."_s, 0}, stats),
              u"abacus||n||gintara||Use an abacus.");
    EXPECT_EQ(formatLine({u"zeal"_s, u"n"_s, u"josh"_s, {}, 0}, stats), u"zeal||n||josh||")
        << "a missing example still gets its field";
    EXPECT_EQ(stats.fieldsRepaired, 0);
}

TEST(FormatLine, FieldsCannotHoldSeparatorOrLineBreaks)
{
    WriteStats stats;
    EXPECT_EQ(formatLine({u"a"_s, u"n"_s, u"x||y|||z"_s, u"one\r\ntwo"_s, 0}, stats), u"a||n||x|y|z||one  two");
    EXPECT_EQ(stats.fieldsRepaired, 2);
}

TEST(EncodeDictionary, CrLfAfterEveryLineInWindows1252)
{
    WriteStats stats;
    const QByteArray bytes = encodeDictionary(
        {{u"caf\u00E9"_s, u"n"_s, u"kahva"_s, u"\u2018Caf\u00E9\u2019 \u20AC5"_s, 0}, {u"b"_s, u"n"_s, u"b"_s, {}, 1}},
        stats);
    EXPECT_EQ(bytes, QByteArray("caf\xE9||n||kahva||\x91" "Caf\xE9\x92 \x80" "5\r\nb||n||b||\r\n"));
    EXPECT_EQ(stats.dropped(), 0);
}

TEST(EncodeDictionary, DropsAndCountsWhatTheCodePageCannotHold)
{
    WriteStats stats;
    const QByteArray bytes = encodeDictionary({{u"a"_s, u"n"_s, u"\u0915a\u0915"_s, u"\u0951x\u2192"_s, 0}}, stats);
    EXPECT_EQ(bytes, QByteArray("a||n||a||x\r\n"));
    EXPECT_EQ(stats.dropped(), 4);
    EXPECT_EQ(stats.droppedChars.at(0x0915), 2);
    EXPECT_EQ(stats.droppedChars.at(0x2192), 1);
}

} // namespace
} // namespace tolvani::dicbuild
