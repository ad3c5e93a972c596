#include "source/entryparser.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(ParseEntry, ReadsHeaderSensesAndExamples)
{
    const auto entry = parseEntry(u"abide /ɐbˈaɪd/ <V>\n"
                                  u"1. सहन~करना\n"
                                  u"      \"If you join, you have to abide by its rules.\"\n"
                                  u"2. एक~जगह~रहना\n"
                                  u"      \"Everyone doesn't have the right to abide in J and K.\"\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->headword, u"abide");
    EXPECT_EQ(entry->category, u"V");
    EXPECT_EQ(entry->senses, (QStringList{u"सहन~करना"_s, u"एक~जगह~रहना"_s}));
    EXPECT_EQ(entry->examples, (QStringList{u"If you join, you have to abide by its rules."_s,
                                            u"Everyone doesn't have the right to abide in J and K."_s}));
}

TEST(ParseEntry, HeadwordMayHoldSlashesAndSpaces)
{
    const auto entry = parseEntry(u"brownish/browny /bɹˈaʊnɪʃ/ <Adj>\n1. भूरा\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->headword, u"brownish/browny");
    EXPECT_EQ(entry->category, u"Adj");

    const auto phrase = parseEntry(u"a thorn in one's flesh/side/ɐ θˈɔːn/ <IDM>\n");
    ASSERT_TRUE(phrase.has_value());
    EXPECT_EQ(phrase->headword, u"a thorn in one's flesh/side");
}

TEST(ParseEntry, ExampleSplitOverTwoLinesAndUnnumberedSense)
{
    const auto entry = parseEntry(u"passbook /pˈasbʊk/ <N>\n"
                                  u"पासबुक\n"
                                  u"      \"The boy whom I met is a  relative.\n"
                                  u"\"\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->senses, QStringList{u"पासबुक"_s});
    EXPECT_EQ(entry->examples, QStringList{u"The boy whom I met is a relative."_s});
}

TEST(ParseEntry, SenseLinesAmongTheExamplesGoIntoTheSenses)
{
    // blade, curious and column as the source writes them.
    const auto blade = parseEntry(u"blade /blˈeɪd/ <N>\n1. पत्ती\n      \"--\"2.धार/फल{चाकू~आदि~का}\"\"\n");
    ASSERT_TRUE(blade.has_value());
    EXPECT_EQ(blade->senses, (QStringList{u"पत्ती"_s, u"धार/फल{चाकू~आदि~का}"_s}));
    EXPECT_TRUE(blade->examples.isEmpty());
    EXPECT_EQ(blade->recoveredSenses, 1);

    const auto curious = parseEntry(u"curious /kjˈʊəɹiəs/ <Adj>\n1. जिज्ञासु\n      \"He is curious to know the result \"\n"
                                    u"      \"--i2.अनोखा\"\"\n      \"A curious shooting star appeared in the sky\"\n"
                                    u"      \"--\"4\"\"\n      \" --1.I am not respondent to any Body.\"\n");
    ASSERT_TRUE(curious.has_value());
    EXPECT_EQ(curious->senses, (QStringList{u"जिज्ञासु"_s, u"अनोखा"_s}));
    EXPECT_EQ(curious->examples, (QStringList{u"He is curious to know the result"_s,
                                              u"A curious shooting star appeared in the sky"_s,
                                              u"I am not respondent to any Body."_s}))
        << "a bare sense number is dropped, an English example keeps its text";
}

TEST(ParseEntry, SenseMarkersInTheirOtherSpellings)
{
    // represent, take, tear and spread write the marker in these ways.
    const auto entry = parseEntry(u"represent /ɹˌɛpɹɪzˈɛnt/ <VT>\n1. प्रतिनिधित्व~करना\n"
                                  u"      \"--\"5'वर्णन~ करना\"    \"\n"
                                  u"      \"*--\"3.कार्य में आना/क्रियाशील होना\"\"\n"
                                  u"      \"?\?--\"2.अशान्तिपूर्ण~होना\"\"\n"
                                  u"      \" --\"2.अति नफ़रत होना\"\"\n"
                                  u"      \"--\"4.चरम/अधम\"        #??\"\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->senses, (QStringList{u"प्रतिनिधित्व~करना"_s, u"वर्णन~ करना"_s, u"कार्य में आना/क्रियाशील होना"_s,
                                          u"अशान्तिपूर्ण~होना"_s, u"अति नफ़रत होना"_s, u"चरम/अधम"_s}));
    EXPECT_TRUE(entry->examples.isEmpty());
    EXPECT_EQ(entry->recoveredSenses, 5);
}

TEST(ParseArticle, ArticlesWrittenIntoTheExamplesBecomeEntries)
{
    const std::vector<SourceEntry> entries =
        parseArticle(u"aggression /ɐɡɹˈɛʃən/ <N>\n1. आक्रमण\n"
                     u"      \"Alexander's agression to the east created history.\"\n"
                     u"      \"\"aggressive\",\"Adj\",\"1.आक्रामक\"\"\n"
                     u"      \"His aggressive attitude frightens me.\"\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].headword, u"aggression");
    EXPECT_EQ(entries[0].examples, QStringList{u"Alexander's agression to the east created history."_s});
    EXPECT_EQ(entries[1].headword, u"aggressive");
    EXPECT_EQ(entries[1].category, u"Adj");
    EXPECT_EQ(entries[1].senses, QStringList{u"आक्रामक"_s});
    EXPECT_EQ(entries[1].examples, QStringList{u"His aggressive attitude frightens me."_s});
}

TEST(ParseEntry, HeaderWithoutCategoryIsRejected)
{
    EXPECT_FALSE(parseEntry(u"English-Hindi FreeDict Dictionary ver. 1.6\n").has_value());
    EXPECT_FALSE(parseEntry(u"").has_value());
}

struct HeadwordCase {
    const char *name;
    const char16_t *source;
    const char16_t *cleaned; // nullptr: left out
};

class CleanHeadword : public testing::TestWithParam<HeadwordCase> {};

TEST_P(CleanHeadword, KeepsOnlyWhatTheListCanShow)
{
    const HeadwordCase &c = GetParam();
    const std::optional<QString> got = cleanHeadword(QStringView(c.source));
    if (!c.cleaned)
        EXPECT_FALSE(got.has_value()) << got->toStdString();
    else
        EXPECT_EQ(got, QStringView(c.cleaned).toString());
}

INSTANTIATE_TEST_SUITE_P(
    Headwords, CleanHeadword,
    testing::Values(HeadwordCase{"Plain", u"abacus", u"abacus"},
                    HeadwordCase{"KeepsCase", u"Afghan hound", u"Afghan hound"},
                    HeadwordCase{"UnderscoreIsSpace", u"watch_dog", u"watch dog"},
                    HeadwordCase{"TildeIsSpace", u"not~take~kindly", u"not take kindly"},
                    HeadwordCase{"BlanksCollapsed", u"  anti  aircraft ", u"anti aircraft"},
                    HeadwordCase{"HyphenApostropheFullStop", u"ain't-Ph.D", u"ain't-Ph.D"},
                    HeadwordCase{"Alternatives", u"tire/tyre", nullptr},
                    HeadwordCase{"Brackets", u"aeon(also eon)", nullptr},
                    HeadwordCase{"Damaged", u"pell-??????", nullptr},
                    HeadwordCase{"Digit", u"pallet1", nullptr},
                    HeadwordCase{"StartsWithHyphen", u"-ise", nullptr},
                    HeadwordCase{"Separator", u"a||b", nullptr},
                    HeadwordCase{"Empty", u"", nullptr}),
    [](const testing::TestParamInfo<HeadwordCase> &info) { return std::string(info.param.name); });

TEST(MeaningPieces, SplitsAtCommasOutsideBrackets)
{
    EXPECT_EQ(meaningPieces(u"पीछे, हतप्रभ"), (QStringList{u"पीछे"_s, u"हतप्रभ"_s}));
    EXPECT_EQ(meaningPieces(u"कागज़{लगभग, नाप}, खेप"), (QStringList{u"कागज़{लगभग, नाप}"_s, u"खेप"_s}));
    EXPECT_EQ(meaningPieces(u"[क, ख](ग, घ)"), QStringList{u"[क, ख](ग, घ)"_s});
    EXPECT_EQ(splitOutsideBrackets(u"ghar, makan (bada, pakka)"),
              (QList<QStringView>{u"ghar", u" makan (bada, pakka)"}))
        << "a romanized line's note keeps its comma";
}

TEST(MeaningPieces, DropsPiecesWithoutHindiAndCleansJoiners)
{
    EXPECT_EQ(meaningPieces(u"?"), QStringList{});
    EXPECT_EQ(meaningPieces(u" In the party only a few"), QStringList{});
    EXPECT_EQ(meaningPieces(u"हमेशा?, के_साथ"), (QStringList{u"हमेशा"_s, u"के~साथ"_s}));
    EXPECT_EQ(meaningPieces(u"४?लोप?करना"), QStringList{u"४ लोप करना"_s});
}

} // namespace
} // namespace tolvani::dicbuild
