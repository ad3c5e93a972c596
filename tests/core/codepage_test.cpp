#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

TEST(Windows1252, asciiAndUpperHalfAreTheirOwnCodePoints)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (byte >= 0x80 && byte <= 0x9F)
            continue;
        EXPECT_EQ(windows1252ToUnicode(char(byte)).unicode(), byte) << byte;
    }
}

struct HighByte {
    unsigned char byte;
    char16_t unicode;
};

class Windows1252HighBytes : public ::testing::TestWithParam<HighByte> {};

TEST_P(Windows1252HighBytes, mapThroughTheCodePageTable)
{
    EXPECT_EQ(windows1252ToUnicode(char(GetParam().byte)).unicode(), GetParam().unicode);
}

INSTANTIATE_TEST_SUITE_P(
    CodePage, Windows1252HighBytes,
    ::testing::Values(HighByte{0x80, 0x20AC}, HighByte{0x81, 0x0081}, HighByte{0x82, 0x201A},
                      HighByte{0x83, 0x0192}, HighByte{0x85, 0x2026}, HighByte{0x8A, 0x0160},
                      HighByte{0x8C, 0x0152}, HighByte{0x8D, 0x008D}, HighByte{0x8E, 0x017D},
                      HighByte{0x8F, 0x008F}, HighByte{0x90, 0x0090}, HighByte{0x91, 0x2018},
                      HighByte{0x92, 0x2019}, HighByte{0x93, 0x201C}, HighByte{0x94, 0x201D},
                      HighByte{0x96, 0x2013}, HighByte{0x97, 0x2014}, HighByte{0x99, 0x2122},
                      HighByte{0x9D, 0x009D}, HighByte{0x9F, 0x0178}),
    [](const auto &info) { return "byte" + std::to_string(int(info.param.byte)); });

TEST(Windows1252, oneByteIsOneCharacter)
{
    const QByteArray bytes("caf\xE9 \x93quoted\x94 \x80" "5");
    const QString text = decodeWindows1252(bytes);
    ASSERT_EQ(text.size(), bytes.size());
    EXPECT_EQ(text, u"café “quoted” €5"_s);
}

TEST(Windows1252, everyByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int byte = 0; byte <= 0xFF; ++byte)
        all.append(char(byte));
    qsizetype replaced = 0;
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all), '?', &replaced), all);
    EXPECT_EQ(replaced, 0);
}

TEST(Windows1252, charactersOutsideTheCodePageAreReplacedAndCounted)
{
    qsizetype replaced = 0;
    EXPECT_EQ(encodeWindows1252(u"नमस्ते ok", '?', &replaced), QByteArray("?????? ok"));
    EXPECT_EQ(replaced, 6);
    EXPECT_FALSE(isWindows1252(QChar(0x0928)));
    EXPECT_TRUE(isWindows1252(QChar(0x20AC)));
}

} // namespace
