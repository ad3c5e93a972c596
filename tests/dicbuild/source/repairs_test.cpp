#include "source/repairs.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

struct RepairCase {
    const char *name;
    const char16_t *source;   // one meaning piece as the source writes it
    const char16_t *repaired; // empty: the piece is dropped
    Repair kind;
};

class RepairMeaning : public testing::TestWithParam<RepairCase> {};

TEST_P(RepairMeaning, RepairsWhereCertainAndDropsTheRest)
{
    const RepairCase &c = GetParam();
    RepairCounts counts;
    EXPECT_EQ(repairMeaning(QStringView(c.source), counts), QStringView(c.repaired).toString());
    EXPECT_GE(counts.of(c.kind), 1) << repairName(c.kind).toStdString();
}

// Real pieces of the source (the headword in the name).
INSTANTIATE_TEST_SUITE_P(
    Source, RepairMeaning,
    testing::Values(
        RepairCase{"MorphologyWx", u"Akqwi विज्ञान", u"आकृति विज्ञान", Repair::EncodingConverted},
        RepairCase{"MottoWx", u"AxarSa वाक्य", u"आदर्श वाक्य", Repair::EncodingConverted},
        RepairCase{"SpiralWx", u"uwwarowwara वृद्धि या घटती", u"उत्तरोत्तर वृद्धि या घटती", Repair::EncodingConverted},
        RepairCase{"SuretyNukta", u"जZमानत", u"ज़मानत", Repair::EncodingSignFixed},
        RepairCase{"ScytheCandrabindu", u"घास काटने की ह्zअसिया", u"घास काटने की हँसिया", Repair::EncodingSignFixed},
        RepairCase{"ProfessionallyAnusvara", u"व्यवसायिक ढ्Mग से", u"व्यवसायिक ढंग से", Repair::EncodingSignFixed},
        RepairCase{"PorkBarrelSplitSign", u"कार्यों~मे~ं~खर्च~करना", u"कार्यों में खर्च करना", Repair::SignRejoined},
        RepairCase{"BrawnStrayLetter", u"सूअर~का~माँसr", u"सूअर का माँस", Repair::StrayLetterDropped},
        RepairCase{"AnnihilateDigit", u"मिटाना९", u"मिटाना", Repair::DigitDropped},
        RepairCase{"HomeDigit", u"3परिवार में", u"परिवार में", Repair::DigitDropped},
        RepairCase{"HipSenseNumber", u"4 एक दम नई फेशन", u"एक दम नई फेशन", Repair::DigitDropped},
        RepairCase{"HalfDollarNumber", u"अमेरिकी मुद्रा{50सेन्ट]", u"अमेरिकी मुद्रा (50 सेन्ट)", Repair::DigitSpaced},
        RepairCase{"AspirateQuotes", u"‘ह'ध्वनी~से~उच्चारण~करना", u"'ह'ध्वनी से उच्चारण करना",
                   Repair::QuoteStraightened},
        RepairCase{"TrafficQuote", u"अवैध‘व्यापार", u"अवैध व्यापार", Repair::QuoteDropped},
        RepairCase{"HandsomeCut", u"सुन्दर{पुर", u"सुन्दर", Repair::BracketDropped},
        RepairCase{"TuesdayCut", u"मंगलवार[हफ्ते~का~तीसरा~दिन", u"मंगलवार", Repair::BracketDropped},
        RepairCase{"YankeeNote", u"अमरीकी{अनौपचारिक}", u"अमरीकी (अनौपचारिक)", Repair::Note},
        RepairCase{"AbsolutismNoteFirst", u"{राजनीति~संबंधी}निरंकुशता", u"(राजनीति संबंधी) निरंकुशता", Repair::Note},
        RepairCase{"LividGarbage", u"अत्यन्त एाुKKPPस", u"", Repair::PieceDropped},
        RepairCase{"RosaryDigitInWord", u"गुला०ब~का~बाग़", u"", Repair::PieceDropped},
        RepairCase{"CrumbLostLetter", u"ोटी~का~टुकड़ा", u"", Repair::PieceDropped},
        RepairCase{"ScourUncertainZ", u"माZजना", u"", Repair::PieceDropped}),
    [](const testing::TestParamInfo<RepairCase> &info) { return std::string(info.param.name); });

TEST(RepairMeaning, LeavesSoundTextAndEnglishWordsAlone)
{
    RepairCounts counts;
    EXPECT_EQ(repairMeaning(u"heave जोर लगाकर उठाना", counts), u"heave जोर लगाकर उठाना");
    EXPECT_EQ(repairMeaning(u"एकड़{4840~वर्ग~गज~भूमि}", counts), u"एकड़ (4840 वर्ग गज भूमि)");
    EXPECT_EQ(repairMeaning(u"हाँ, (ठीक)", counts), u"हाँ, (ठीक)");
    EXPECT_EQ(counts.of(Repair::PieceDropped), 0);
    EXPECT_EQ(counts.of(Repair::EncodingConverted), 0);
    EXPECT_EQ(counts.of(Repair::Note), 1) << "parentheses of the source are no note of braces";
}

TEST(WxToDevanagari, OnlyWordsThatAreCertainlyWx)
{
    EXPECT_EQ(wxToDevanagari(u"garIba"), u"गरीब");
    EXPECT_EQ(wxToDevanagari(u"harAnA"), u"हराना");
    EXPECT_FALSE(wxToDevanagari(u"baseball")) << "ends in a consonant";
    EXPECT_FALSE(wxToDevanagari(u"heave")) << "nothing English would not write";
    EXPECT_FALSE(wxToDevanagari(u"KKPP"));
    EXPECT_FALSE(wxToDevanagari(u"Ab")) << "too short to be sure";
}

} // namespace
} // namespace tolvani::dicbuild
