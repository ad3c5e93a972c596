#include "hindi/romanizer.h"
#include "romanize_cases.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

class Romanize : public testing::TestWithParam<RomanizeCase> {};

TEST_P(Romanize, WritesHindiAsItIsTyped)
{
    const RomanizeCase &c = GetParam();
    EXPECT_EQ(plain().romanize(QStringView(c.hindi)).toStdString(), c.latin);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Romanize,
    testing::Values(
        RomanizeCase{"LongVowelsLikeShort", u"आईऊ", "aiu"},
        RomanizeCase{"EAiOAu", u"एऐओऔ", "eaioau"},
        RomanizeCase{"VocalicR", u"ऋषि", "rishi"},
        RomanizeCase{"VowelSignR", u"कृपा", "kripa"},
        RomanizeCase{"ChhAndCh", u"छाचा", "chhacha"},
        RomanizeCase{"ShaAndSsa", u"शोषण", "shoshan"},
        RomanizeCase{"RetroflexPlain", u"टाठाडाढाणा", "tathadadhana"},
        RomanizeCase{"FlapWithNukta", u"छोड़", "chhod"},
        RomanizeCase{"PrecomposedFlap", u"\u092A\u0947\u095C", "ped"},
        RomanizeCase{"ZaWithNukta", u"ज़रा", "zara"},
        RomanizeCase{"FaWithNukta", u"फ़ौरन", "fauran"},
        RomanizeCase{"QaWithNukta", u"क़लम", "qalam"},
        RomanizeCase{"PhaWithoutNukta", u"फल", "phal"},
        RomanizeCase{"Ksha", u"क्षमा", "kshama"},
        RomanizeCase{"Gya", u"ज्ञान", "gyan"},
        RomanizeCase{"CandraO", u"डॉक्टर", "doktar"},
        RomanizeCase{"VaIsV", u"वन", "van"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Nasals, Romanize,
    testing::Values(
        RomanizeCase{"AnusvaraBeforeDental", u"संत", "sant"},
        RomanizeCase{"AnusvaraBeforeP", u"चंपा", "champa"},
        RomanizeCase{"AnusvaraBeforeBh", u"संभव", "sambhav"},
        RomanizeCase{"AnusvaraBeforeM", u"संमान", "samman"},
        RomanizeCase{"AnusvaraBeforeFIsN", u"संफ़ा", "sanfa"},
        RomanizeCase{"ChandrabinduFinal", u"हाँ", "han"},
        RomanizeCase{"ChandrabinduBeforeB", u"काँपना", "kampna"},
        RomanizeCase{"AnusvaraOnFinalVowel", u"में", "men"},
        RomanizeCase{"FinalAnusvaraAfterInherentA", u"स्वयं", "svayam"},
        RomanizeCase{"Visarga", u"दुःख", "duhkh"},
        RomanizeCase{"ColonWrittenForVisarga", u"वस्तुत:", "vastutah"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Schwa, Romanize,
    testing::Values(
        RomanizeCase{"FinalDropped", u"परित्याग", "parityag"},
        RomanizeCase{"FinalAfterGeminate", u"लज्जित", "lajjit"},
        RomanizeCase{"FinalConjunctWithY", u"मूल्य", "mulya"},
        RomanizeCase{"FinalConjunctWithR", u"कार्य", "karya"},
        RomanizeCase{"FinalConjunctWithV", u"बन्धुत्व", "bandhutva"},
        RomanizeCase{"FinalConjunctWithRPostfix", u"वक्र", "vakra"},
        RomanizeCase{"FinalConjunctOther", u"गुप्त", "gupt"},
        RomanizeCase{"FinalYaAfterI", u"भारतीय", "bhartiya"},
        RomanizeCase{"FinalYaAfterA", u"समय", "samay"},
        RomanizeCase{"SingleConsonantKeeps", u"न", "na"},
        RomanizeCase{"MedialDropped", u"कमरा", "kamra"},
        RomanizeCase{"RightToLeft", u"समझना", "samajhna"},
        RomanizeCase{"BeforeFinalClosed", u"बचपन", "bachpan"},
        RomanizeCase{"ThreeSchwas", u"लगभग", "lagbhag"},
        RomanizeCase{"KeptWhereSHWouldReadAsSh", u"असहिष्णुता", "asahishnuta"},
        RomanizeCase{"KeptWherePHWouldReadAsPh", u"दोपहर", "dopahar"},
        RomanizeCase{"DroppedWhereDHIsSaidSo", u"लकडहारा", "lakadhara"},
        RomanizeCase{"KeptBeforeCluster", u"सरस्वती", "sarasvati"},
        RomanizeCase{"PersianKhvIsOneSound", u"तनख्वाह", "tankhvah"},
        RomanizeCase{"KeptInClusterOnset", u"उत्तर", "uttar"},
        RomanizeCase{"KeptBeforeVowel", u"कई", "kai"},
        RomanizeCase{"KeptWhenNasal", u"हंसना", "hansna"},
        RomanizeCase{"InitialNeverDropped", u"सड़क", "sadak"},
        RomanizeCase{"KeptBeforeFinalShortI", u"अनुमति", "anumati"},
        RomanizeCase{"KeptInParticipleInIt", u"प्रचलित", "prachalit"},
        RomanizeCase{"DroppedBeforeFinalLongI", u"पगली", "pagli"},
        RomanizeCase{"DroppedBeforeConjunctionKi", u"जबकि", "jabki"},
        RomanizeCase{"AfterIndependentVowel", u"अपना", "apna"},
        RomanizeCase{"CompoundWithKaran", u"उपकरण", "upkaran"},
        RomanizeCase{"KaranInsideConjunctIsNoCompound", u"संस्करण", "sanskaran"},
        RomanizeCase{"CompoundWithShastra", u"अर्थशास्त्र", "arthshastra"},
        RomanizeCase{"KeptAfterPrefixSam", u"संगति", "sangati"},
        RomanizeCase{"KeptAfterSamAfterA", u"असंरचित", "asanrachit"},
        RomanizeCase{"YaAfterSam", u"संयमी", "sanyami"},
        RomanizeCase{"SamLookalikeWithTadbhavaEnding", u"संतरा", "santra"},
        RomanizeCase{"NasalVowelBeforeVerbEnding", u"रंगना", "rangna"},
        RomanizeCase{"KeptAfterLongANasal", u"रूपांतरित", "rupantarit"},
        RomanizeCase{"LongANasalBeforeVerbEnding", u"मांगना", "mangna"},
        RomanizeCase{"LongANasalBeforeS", u"ट्रांसफार्मर", "transpharmar"},
        RomanizeCase{"YaAfterShortI", u"नियमित", "niyamit"},
        RomanizeCase{"YaAfterLongIInEnglish", u"स्टीयरिंग", "stiyring"},
        RomanizeCase{"DroppedBeforeWrittenA", u"मेकअप", "mekap"},
        RomanizeCase{"KeptBeforeFinalYi", u"संचयी", "sanchayi"},
        RomanizeCase{"KeptBeforeFinalYe", u"रुपये", "rupaye"},
        RomanizeCase{"AdverbInTaya", u"पूर्णतया", "purnataya"},
        RomanizeCase{"AdverbInTayaAfterPrefix", u"सम्पूर्णतया", "sampurnataya"},
        RomanizeCase{"KeptBetweenNnaAndNa", u"गणना", "ganana"},
        RomanizeCase{"KeptAfterAnusvaraBeforeDentalAndR", u"आंतरिक", "antarik"},
        RomanizeCase{"AnusvaraBeforeDentalAndRInside", u"अंतरिम", "antarim"},
        RomanizeCase{"AnusvaraBeforeDentalAndLongI", u"अंतरीप", "antarip"},
        RomanizeCase{"AnusvaraBeforeLabialAndR", u"पारंपरिक", "paramparik"},
        RomanizeCase{"AnusvaraBeforeLabialAndRAa", u"परंपरागत", "paramparagat"},
        RomanizeCase{"AnusvaraBeforeRAndTadbhavaEnding", u"संतरा", "santra"},
        RomanizeCase{"KeptBeforeHAsInsideAPart", u"अंतहीन", "antahin"},
        RomanizeCase{"VerbStemBeforeCluster", u"बख़्शना", "bakhshna"},
        RomanizeCase{"SanskritNounInNaAfterCluster", u"कल्पना", "kalpana"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    FinalCluster, Romanize,
    testing::Values(
        RomanizeCase{"SanskritKeepsItBeforeR", u"चक्र", "chakra"},
        RomanizeCase{"NuktaMarksPersian", u"क़ब्र", "qabr"},
        RomanizeCase{"PersianWithoutNuktaInBr", u"बेसब्र", "besabr"},
        RomanizeCase{"PersianKr", u"ज़िक्र", "zikr"},
        RomanizeCase{"PersianAfterPrefix", u"बेफ़िक्र", "befikr"},
        RomanizeCase{"ListedPersianWord", u"कद्र", "kadr"},
        RomanizeCase{"DoubledR", u"बर्र", "barr"},
        RomanizeCase{"SanskritOtherClusterDrops", u"रत्न", "ratn"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ListedWords, Romanize,
    testing::Values(
        RomanizeCase{"EveryA", u"चयापचय", "chayapachay"},
        RomanizeCase{"EveryAAfterPrefix", u"उपापचय", "upapachay"},
        RomanizeCase{"EveryAOfAPersianWord", u"इंतज़ार", "intazar"},
        RomanizeCase{"EveryABeforeAnEnding", u"औषधीय", "aushadhiya"},
        RomanizeCase{"EveryAOfASanskritWord", u"किंवदंती", "kinvadanti"},
        RomanizeCase{"EveryABeforeHan", u"नौवहन", "nauvahan"},
        RomanizeCase{"EveryANotRAndTadbhavaEnding", u"परंपरा", "parampara"},
        RomanizeCase{"SeparateEchoMember", u"टालमटोल", "talmatol"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    SoundWords, Romanize,
    testing::Values(
        RomanizeCase{"Reduplicated", u"भनभनाना", "bhanbhanana"},
        RomanizeCase{"EchoWithNewConsonant", u"चरमराना", "charmarana"},
        RomanizeCase{"EchoBeforeI", u"गड़बड़ी", "gadbadi"},
        RomanizeCase{"EchoBeforeIAndMore", u"सनसनीखेज", "sansanikhej"},
        RomanizeCase{"EchoBeforeFinalAa", u"गड़बड़ा", "gadbada"},
        RomanizeCase{"VerbStemIsNoEcho", u"पनपना", "panapna"},
        RomanizeCase{"RepeatedAroundAa", u"गरमागरम", "garmagaram"},
        RomanizeCase{"ShortRepeatedAroundAa", u"ठसाठस", "thasathas"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Text, Romanize,
    testing::Values(
        RomanizeCase{"TildeIsSpace", u"छोड़~देना", "chhod dena"},
        RomanizeCase{"Phrase", u"एक प्रकार का", "ek prakar ka"},
        RomanizeCase{"GlideAfterI", u"के~लिए", "ke liye"},
        RomanizeCase{"GlideAfterNasalU", u"कुँआरी", "kunwari"},
        RomanizeCase{"NoGlideAfterPlainU", u"हुआ", "hua"},
        RomanizeCase{"AsciiPassesThrough", u"उकसाना{बुरे~काम}, [होना] (x-y)", "uksana{bure kam}, [hona] (x-y)"},
        RomanizeCase{"HyphenSeparatesWords", u"खोया-खोया", "khoya-khoya"},
        RomanizeCase{"DandaIsFullStop", u"वह गया।", "vah gaya."},
        RomanizeCase{"Digits", u"१९४७", "1947"},
        RomanizeCase{"ColonAfterAsciiStays", u"कोलन{:}", "kolan{:}"},
        RomanizeCase{"EnglishUnchanged", u"I bought a pen.", "I bought a pen."},
        RomanizeCase{"JoinerKeepsConjunct", u"क\u094D\u200Dषमा", "kshama"},
        RomanizeCase{"Empty", u"", ""}),
    caseName);

// A romanizer reads with its own vocabulary and word lists only: one built
// with other words reads the same word otherwise, and neither changes
// what the other does.
TEST(Romanizer, ReadsWithItsOwnWordsOnly)
{
    HindiVocabulary withSaphal;
    withSaphal.addText(u"सफल");
    const Romanizer splitting(withSaphal, tableWords());
    const Romanizer unlisted;
    EXPECT_EQ(splitting.romanize(u"असफल"), u"asaphal");
    EXPECT_EQ(plain().romanize(u"असफल"), u"asphal");
    EXPECT_EQ(splitting.romanize(u"असफल"), u"asaphal") << "the other romanizer left it as it was";
    EXPECT_EQ(plain().romanize(u"जागरण"), u"jagran") << "a short form of the lists";
    EXPECT_EQ(unlisted.romanize(u"जागरण"), u"jagaran");
}

// Stress marks and the letters of other languages are left for the writer
// to drop and count; everything Hindi uses must come out as ASCII.
TEST(Romanize, HindiLettersAndSignsComeOutAsAscii)
{
    QString all;
    for (char16_t c = 0x0900; c <= 0x0970; ++c) {
        if (c < 0x0951 || c > 0x0954)
            all += QChar(c);
    }
    for (QChar c : plain().romanize(all))
        EXPECT_LT(c.unicode(), 0x80) << "U+" << std::hex << int(c.unicode());
}

} // namespace
} // namespace tolvani::dicbuild
