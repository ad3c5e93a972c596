#include "builder.h"
#include "hindi/loanwords.h"
#include "hindi/romanizer.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

// The rules' word lists as the repository's table gives them.
const HindiWordLists &tableWords()
{
    static const HindiWordLists words = HindiWordLists::from(readExceptionWords(BuildInputs{}));
    return words;
}

// Reads each word on its own: no vocabulary to split compounds with.
const Romanizer &plain()
{
    static const Romanizer romanizer({}, tableWords());
    return romanizer;
}

struct RomanizeCase {
    const char *name;
    const char16_t *hindi;
    const char *latin;
};

void PrintTo(const RomanizeCase &c, std::ostream *os)
{
    *os << c.name;
}

class Romanize : public testing::TestWithParam<RomanizeCase> {};

TEST_P(Romanize, WritesHindiAsItIsTyped)
{
    const RomanizeCase &c = GetParam();
    EXPECT_EQ(plain().romanize(QStringView(c.hindi)).toStdString(), c.latin);
}

auto caseName = [](const testing::TestParamInfo<RomanizeCase> &info) { return std::string(info.param.name); };

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
        RomanizeCase{"DroppedBeforeWrittenA", u"मेकअप", "mekap"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    SoundWords, Romanize,
    testing::Values(
        RomanizeCase{"Reduplicated", u"भनभनाना", "bhanbhanana"},
        RomanizeCase{"EchoWithNewConsonant", u"चरमराना", "charmarana"},
        RomanizeCase{"EchoBeforeI", u"गड़बड़ी", "gadbadi"},
        RomanizeCase{"EchoBeforeIAndMore", u"सनसनीखेज", "sansanikhej"},
        RomanizeCase{"EchoBeforeFinalAa", u"गड़बड़ा", "gadbada"},
        RomanizeCase{"VerbStemIsNoEcho", u"पनपना", "panapna"}),
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

// Words of the source the cases below split into (or must not): each word
// occurs once unless repeated.
HindiVocabulary testVocabulary()
{
    HindiVocabulary vocabulary;
    vocabulary.addText(u"सफल, समर्थ परिचित अपेक्षित अधिकार हरण~करना सुविधा अपमान सफलता अनुभव सिलवट "
                       u"राज राज महल महल शब्द शब्द कोश कोश ग्रीष्म ग्रीष्म ऋतु ऋतु गला लना पहल नकल "
                       u"खुर खुर चना चना आर आर आर आर क्षण क्षण रण रण आधुनिक आधुनिक समाधान स्पष्ट उच्च उच्च वंश वंश "
                       u"पति पति पति पति पति रक्त हाज़िरी अन्त रंग अन्तर अन्तर अंग रखा रखना रखना कतरन कतरना "
                       u"सुन हरा सुनना सुनना घुड़ सवार कला अलग अलग लगाई भोजन नियम अनुसार रचना रचना "
                       u"ग्रह देश प्रसन्न चित एक एक एक एक एक बदलना अनन्त धर्म निरपेक्ष सर सर सर सर सर जादूगर");
    addMeaning(vocabulary, u"rubber", u"रबर", plain());
    addMeaning(vocabulary, u"interview", u"साक्षात्कार, इंटरव्यू~लेना", plain());
    addMeaning(vocabulary, u"platoon", u"पलटन", plain());
    addMeaning(vocabulary, u"camera", u"कैमरा", plain());
    addMeaning(vocabulary, u"simian", u"वानर के समान", plain());
    addMeaning(vocabulary, u"lipstick", u"लिपस्टिक", plain());
    addMeaning(vocabulary, u"jungle", u"जंगल", plain());
    return vocabulary;
}

class RomanizeParts : public testing::TestWithParam<RomanizeCase> {};

TEST_P(RomanizeParts, DecidesTheSchwaInEachPart)
{
    static const Romanizer romanizer(testVocabulary(), tableWords());
    const RomanizeCase &c = GetParam();
    EXPECT_EQ(romanizer.romanize(QStringView(c.hindi)).toStdString(), c.latin);
}

INSTANTIATE_TEST_SUITE_P(
    Prefix, RomanizeParts,
    testing::Values(
        RomanizeCase{"NegativeBeforeS", u"असफल", "asaphal"},
        RomanizeCase{"NegativeBeforeCluster", u"असमर्थ", "asamarth"},
        RomanizeCase{"NegativeBeforePari", u"अपरिचित", "aparichit"},
        RomanizeCase{"SharesTheShortVowel", u"अनपेक्षित", "anapekshit"},
        RomanizeCase{"SharesBeforeDh", u"अनधिकार", "anadhikar"},
        RomanizeCase{"KeepsItsABeforeH", u"अपहरण", "apaharan"},
        RomanizeCase{"BeforeSuffixedWord", u"असमाधानीय", "asamadhaniya"},
        RomanizeCase{"NotBeforeTwoSyllables", u"अगला", "agla"},
        RomanizeCase{"TwoSyllablePrefixNeedsThreeAfter", u"बदलना", "badalna"},
        RomanizeCase{"NotBeforeUnknownWord", u"असमय", "asmay"},
        RomanizeCase{"TwoSyllablePrefixBeforeCommonShortWord", u"अधिपति", "adhipati"},
        RomanizeCase{"PersianPrefixBeforeH", u"गैरहाज़िरी", "gairhaziri"},
        RomanizeCase{"NotOffACommonerWordWithAnEnding", u"अलगाई", "algai"},
        RomanizeCase{"NotBeforeALoanword", u"अरबर", "arbar"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Loanword, RomanizeParts,
    testing::Values(
        RomanizeCase{"AWhereTheEnglishHasVowels", u"इंटरव्यू", "intarvyu"},
        RomanizeCase{"FirstSyllableKeepsItsA", u"पलटन", "paltan"},
        RomanizeCase{"FewerASpokenThanSpelled", u"कैमरा", "kaimra"},
        RomanizeCase{"NoAWhereTheEnglishHasNone", u"लिपस्टिक", "lipstik"},
        RomanizeCase{"NoTwoFinalConsonants", u"जंगल", "jangal"},
        RomanizeCase{"NoLoanInsideAPhrase", u"असमान", "asaman"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Suffix, RomanizeParts,
    testing::Values(
        RomanizeCase{"Janak", u"सुविधाजनक", "suvidhajanak"},
        RomanizeCase{"JanakAfterConsonant", u"अपमानजनक", "apmanjanak"},
        RomanizeCase{"IkaranKeepsTheStemsReading", u"प्रकटीकरण", "prakatikaran"},
        RomanizeCase{"IkritAfterACluster", u"निःशस्त्रीकृत", "nihshastrikrit"},
        RomanizeCase{"PrefixAndSuffix", u"असफलता", "asaphalta"},
        RomanizeCase{"TaAfterClusterKeepsA", u"स्पष्टता", "spashtata"},
        RomanizeCase{"UnknownStemBeforeLongMember", u"ब्रह्मवादी", "brahmvadi"},
        RomanizeCase{"ManAfterCluster", u"वर्तमान", "vartaman"},
        RomanizeCase{"EndingIAfterLongStem", u"अनुभवी", "anubhavi"},
        RomanizeCase{"EndingIAfterShortStem", u"पहली", "pahli"},
        RomanizeCase{"PluralAfterLongStem", u"सिलवटें", "silvaten"},
        RomanizeCase{"PluralAfterUnknownLongStem", u"करवटें", "karvaten"},
        RomanizeCase{"EndingIAfterUnknownLongStem", u"हथकडी", "hathkadi"},
        RomanizeCase{"VerbFormIsNoUnknownStem", u"बदलती", "badalti"},
        RomanizeCase{"FeminineInNiIsNoUnknownStem", u"जादूगरनी", "jadugarni"},
        RomanizeCase{"UnknownStemWithHKeepsPlainRules", u"कचहरी", "kachahri"},
        RomanizeCase{"AgentInChiIsNoUnknownStem", u"चिलमची", "chilamchi"},
        RomanizeCase{"TaAfterStemSpelledWithNasalLetter", u"अनंतता", "anantata"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Compound, RomanizeParts,
    testing::Values(
        RomanizeCase{"TwoWords", u"राजमहल", "rajmahal"},
        RomanizeCase{"ClusterBeforeConsonant", u"शब्दकोश", "shabdkosh"},
        RomanizeCase{"ClusterBeforeVowel", u"ग्रीष्मऋतु", "grishmaritu"},
        RomanizeCase{"DoubledConsonantBeforeConsonant", u"उच्चवंश", "uchchavansh"},
        RomanizeCase{"DoubledNasalBeforeConsonant", u"प्रसन्नचित", "prasannchit"},
        RomanizeCase{"ClusterWordAfterUnknownMember", u"बुधग्रह", "budhgrah"},
        RomanizeCase{"UnknownClusterWordAfterMember", u"देशव्यापी", "deshvyapi"},
        RomanizeCase{"SanskritEndingTraIsNoMember", u"एकत्रित", "ekatrit"},
        RomanizeCase{"SClusterIsNoMember", u"सरस्वती", "sarasvati"},
        RomanizeCase{"VerbIsNoCompound", u"खुरचना", "khurachna"},
        RomanizeCase{"RareShortMember", u"आरक्षण", "arakshan"},
        RomanizeCase{"ShortFinalMember", u"आधुनिकरण", "adhunikaran"},
        RomanizeCase{"UnknownMemberFallsBack", u"रजतमहल", "rajtamhal"},
        RomanizeCase{"ClusterKeepsItsABeforeH", u"रक्तहीन", "raktahin"},
        RomanizeCase{"MemberSpelledWithoutNukta", u"घुडसवार", "ghudsavar"},
        RomanizeCase{"MemberWithPluralEnding", u"रंगकलाएँ", "rangkalaen"},
        RomanizeCase{"MemberWithTa", u"धर्मनिरपेक्षता", "dharmnirpekshata"},
        RomanizeCase{"LeftMemberGoesOnIntoAWord", u"अन्तरंग", "antarang"},
        RomanizeCase{"VerbFormIsNoMember", u"अंगरखा", "angarkha"},
        RomanizeCase{"RareVerbStemIsNoMember", u"सुनहरा", "sunahra"},
        RomanizeCase{"NounInNiFromAVerb", u"कतरनी", "katarni"},
        RomanizeCase{"VowelMemberAfterWord", u"भोजनालय", "bhojanalay"},
        RomanizeCase{"VowelMemberAfterUnwrittenStem", u"आयताकार", "ayatakar"},
        RomanizeCase{"VowelMemberTakesThePlaceOfTheA", u"कार्यालय", "karyalay"},
        RomanizeCase{"ShortAMember", u"नियमानुसार", "niyamanusar"},
        RomanizeCase{"AvaliKeepsItsA", u"नियमावली", "niyamavali"},
        RomanizeCase{"StemWrittenWithAaKeepsIt", u"रचनात्मक", "rachnatmak"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Stem, RomanizeParts,
    testing::Values(
        RomanizeCase{"RanAfterLongVowel", u"पर्यावरण", "paryavaran"},
        RomanizeCase{"HaranAfterLongVowel", u"उदाहरण", "udaharan"},
        RomanizeCase{"RanAfterShortVowel", u"अनुसरण", "anusaran"},
        RomanizeCase{"Lan", u"संकलन", "sankalan"},
        RomanizeCase{"Man", u"प्रशमन", "prashaman"},
        RomanizeCase{"Tan", u"आयतन", "ayatan"},
        RomanizeCase{"ShortFormJagran", u"जागरण", "jagran"},
        RomanizeCase{"ShortFormVitran", u"वितरण", "vitran"},
        RomanizeCase{"ShortFormVivran", u"विवरण", "vivran"},
        RomanizeCase{"OtherEndingUnchanged", u"नफरत", "naphrat"}),
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
