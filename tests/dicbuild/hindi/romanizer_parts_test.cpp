#include "hindi/loanwords.h"
#include "hindi/romanizer.h"
#include "romanize_cases.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

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
                       u"ग्रह देश प्रसन्न चित एक एक एक एक एक बदलना अनन्त धर्म निरपेक्ष सर सर सर सर सर जादूगर "
                       u"जन जन जन जन जन धोखा कर्तव्य आत्म कथा दशा दशा दशा दशा दशा मस्त नमक उत्थान उत्पत्ति "
                       u"चिंतन आग आग आग आग आग काम काम काम काम काम मेहमान एकजुट मज़ा रंग कर्म बेहतर शाह मार्ग "
                       u"टाल टालना टालना मटोल बेचना");
    addMeaning(vocabulary, u"rubber", u"रबर", plain());
    addMeaning(vocabulary, u"interview", u"साक्षात्कार, इंटरव्यू~लेना", plain());
    addMeaning(vocabulary, u"platoon", u"पलटन", plain());
    addMeaning(vocabulary, u"camera", u"कैमरा", plain());
    addMeaning(vocabulary, u"simian", u"वानर के समान", plain());
    addMeaning(vocabulary, u"lipstick", u"लिपस्टिक", plain());
    addMeaning(vocabulary, u"jungle", u"जंगल", plain());
    const char16_t *const loans[][2] = {
        {u"gangster", u"गैंगस्टर"},   {u"hardware", u"हार्डवेयर"},  {u"hairstyle", u"हेयरस्टाइल"},
        {u"earplug", u"ईयरप्लग"},     {u"incubator", u"इनक्यूबेटर"}, {u"raspberry", u"रास्पबेरी"},
        {u"portfolio", u"पोर्टफ़ोलियो"}, {u"postmortem", u"पोस्टमार्टम"}, {u"nightclub", u"नाइटक्लब"},
        {u"ashtray", u"ऐशट्रे"},       {u"salesman", u"सेल्समैन"},   {u"dustpan", u"डस्टपैन{झाड़न, कूड़ा}"},
        {u"rattlesnake", u"रैटलस्नेक"}, {u"balcony", u"बालकनी"},      {u"factory", u"फ़ैक्टरी"},
    };
    for (const auto &[english, hindi] : loans)
        addMeaning(vocabulary, english, hindi, plain());
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
        RomanizeCase{"NotBeforeALoanword", u"अरबर", "arbar"},
        RomanizeCase{"PunarCarriesTheVowel", u"पुनरुत्थान", "punarutthan"},
        RomanizeCase{"PunarBeforeUtpatti", u"पुनरुत्पत्ति", "punarutpatti"},
        RomanizeCase{"ManoBeforeCommonShortWord", u"मनोदशा", "manodasha"},
        RomanizeCase{"PersianPrefixBeforeShortWord", u"बदमज़ा", "badmaza"},
        RomanizeCase{"PersianPrefixBeforeShortMember", u"बेवफ़ा", "bevafa"},
        RomanizeCase{"PersianPrefixNotBeforeVerbForm", u"बेचना", "bechna"},
        RomanizeCase{"PersianPrefixBeforeMember", u"बेक़सूर", "beqasur"},
        RomanizeCase{"PersianPrefixBeforeHAndMember", u"बदहवास", "badhavas"},
        RomanizeCase{"PersianPrefixBeforeLongMember", u"नापसंदगी", "napasandgi"},
        RomanizeCase{"PrefixBeforeMember", u"महामहिम", "mahamahim"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Loanword, RomanizeParts,
    testing::Values(
        RomanizeCase{"AWhereTheEnglishHasVowels", u"इंटरव्यू", "intarvyu"},
        RomanizeCase{"FirstSyllableKeepsItsA", u"पलटन", "paltan"},
        RomanizeCase{"FewerASpokenThanSpelled", u"कैमरा", "kaimra"},
        RomanizeCase{"NoAWhereTheEnglishHasNone", u"लिपस्टिक", "lipstik"},
        RomanizeCase{"NoTwoFinalConsonants", u"जंगल", "jangal"},
        RomanizeCase{"NoLoanInsideAPhrase", u"असमान", "asaman"},
        RomanizeCase{"NoAAfterClusterWhereNoVowel", u"हार्डवेयर", "hardveyar"},
        RomanizeCase{"NoABeforeClusterWhereNoVowel", u"गैंगस्टर", "gaingstar"},
        RomanizeCase{"YKeepsItsABeforeClosedSyllable", u"हेयरस्टाइल", "heyarstail"},
        RomanizeCase{"LongIAndY", u"ईयरप्लग", "iyarplag"},
        RomanizeCase{"NoAAfterFirstSyllable", u"इनक्यूबेटर", "inkyubetar"},
        RomanizeCase{"NoAInClusterBeforeB", u"रास्पबेरी", "raspberi"},
        RomanizeCase{"NoAInClusterBeforeF", u"पोर्टफ़ोलियो", "portfoliyo"},
        RomanizeCase{"NoAInClusterBeforeM", u"पोस्टमार्टम", "postmartam"},
        RomanizeCase{"SilentGh", u"नाइटक्लब", "naitklab"},
        RomanizeCase{"ShIsOneLetter", u"ऐशट्रे", "aishtre"},
        RomanizeCase{"NoAInClusterBeforeMai", u"सेल्समैन", "selsmain"},
        RomanizeCase{"NoteInBracesAfterTheWord", u"डस्टपैन", "dastpain"},
        RomanizeCase{"LeIsSaidAl", u"रैटलस्नेक", "raitalsnek"},
        RomanizeCase{"ABeforeSpelledVowel", u"बालकनी", "balkani"},
        RomanizeCase{"AWhereSpelledBeforeR", u"फ़ैक्टरी", "faiktari"}),
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
        RomanizeCase{"TaAfterStemSpelledWithNasalLetter", u"अनंतता", "anantata"},
        RomanizeCase{"TaAfterTtKeepsA", u"एकजुटता", "ekjutata"},
        RomanizeCase{"AaAfterListedStem", u"मसखरा", "maskhara"},
        RomanizeCase{"AaAfterListedStemWithNukta", u"मसख़रा", "maskhara"},
        RomanizeCase{"AaAfterListedStemLikeAVerb", u"परगना", "pargana"},
        RomanizeCase{"AaAfterListedStemOfUncommonWord", u"खुरदरा", "khurdara"},
        RomanizeCase{"AaAfterStemEndingInNukta", u"नकचढ़ा", "nakchadha"},
        RomanizeCase{"AaAfterStemOfCompound", u"अधपका", "adhpaka"},
        RomanizeCase{"SuperlativeIn", u"बेहतरीन", "behtarin"}),
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
        RomanizeCase{"StemWrittenWithAaKeepsIt", u"रचनात्मक", "rachnatmak"},
        RomanizeCase{"ListedMemberEndingLikeAVerb", u"जनगणना", "janganana"},
        RomanizeCase{"ListedMemberAfterLongVowel", u"धोखाधड़ी", "dhokhadhadi"},
        RomanizeCase{"ListedMemberAfterRCluster", u"धर्मपरायण", "dharmparayan"},
        RomanizeCase{"ListedMemberAfterYCluster", u"कर्तव्यपरायण", "kartavyaparayan"},
        RomanizeCase{"MemberSaidWithEveryA", u"आत्मकथा", "atmakatha"},
        RomanizeCase{"MemberSaidWithEveryABeforeMore", u"आत्मचिंतनशील", "atmachintanshil"},
        RomanizeCase{"ListedPersianMember", u"मस्तमौला", "mastmaula"},
        RomanizeCase{"ListedMemberBeforeH", u"नमकहराम", "namakharam"},
        RomanizeCase{"ListedFeminineMember", u"मार्गदर्शिका", "margdarshika"},
        RomanizeCase{"ListedMemberAfterShortWord", u"आगबबूला", "agbabula"},
        RomanizeCase{"ListedMemberLikeAVerbForm", u"कामचलाऊ", "kamchalau"},
        RomanizeCase{"ListedMemberAfterNa", u"मेहमाननवाज़ी", "mehmannavazi"},
        RomanizeCase{"ListedMemberWithNasal", u"रंगरलियाँ", "rangraliyan"},
        RomanizeCase{"ListedMemberWithI", u"कर्मकांडी", "karmkandi"},
        RomanizeCase{"ListedMemberAfterH", u"शाहबलूत", "shahbalut"},
        RomanizeCase{"SeparateMemberAfterVerbStem", u"टालमटोल", "talmatol"}),
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

} // namespace
} // namespace tolvani::dicbuild
