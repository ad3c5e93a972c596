#include "detectors/detectors.h"
#include "detectors/examplemechanics.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

const VerbWords verbWords{{u"khana"_s, u"sena"_s}, {u"kar"_s}};

EnglishWords englishWords()
{
    EnglishWords words;
    words.addWordList("a\nand\nat\nbig\nblue\nbought\ncar\ncollided\nday\ndeepest\nhe\nhis\nI\nis\nit\n"
                      "meet\nmotto\nmy\nover\nPacific\npolice\nprize\nrarely\nshe\nthat\nthat's\nthe\nthe\n"
                      "their\ntruck\nuses\nwill\nwith\nyou\nabandoned\nchase\nlunch\ndidn't\nwon\nocean\n");
    words.addReviewed("word\treason\nRavi\tan Indian given name\nkheer\tan Indian dish\n", u"example-words.tsv"_s);
    return words;
}

TEST(Detectors, FlagWordClassExampleAndResidueFaults)
{
    const WordForms forms;
    const Romanizer romanizer;
    const EnglishWords words = englishWords();
    HindiSpelling hindiSpelling;
    hindiSpelling.addWordList("1\nदबाव\n");
    for (int i = 0; i < 3; ++i)
        hindiSpelling.countWords(u"दबाव");
    std::vector<DicLine> lines{
        {u"chase"_s, u"n"_s, u"pichha karna"_s, u"The police abandoned their chase."_s, 0, Origin::FreeDict, {}},
        {u"lunch"_s, u"n"_s, u"dopahar ka khana"_s, u"I will meet you over lunch."_s, 1, Origin::FreeDict, {}},
        {u"collide"_s, u"v"_s, u"takkar"_s, u"The car collided with a truck."_s, 2, Origin::FreeDict, {}},
        {u"use"_s, u"vti"_s, u"prayog kar"_s, u"She uses it rarely."_s, 3, Origin::FreeDict, {}},
        {u"house"_s, u"n"_s, u"ghar"_s, romanizer.romanize(u"यह काम्बली का 'house' है."), 4, Origin::FreeDict, {u"यह काम्बली का 'house' है."_s}},
        {u"ocean"_s, u"n"_s, u"sagar"_s, u"Pacific is the deepest ocear."_s, 5, Origin::FreeDict, {}},
        {u"motto"_s, u"n"_s, u"AxarSa vakya"_s, u"That's my motto."_s, 6, Origin::FreeDict, {}},
        {u"clover"_s, u"n"_s, u"ek prakar ka paudha"_s, u"Ravi won a big blue car at the kheer day"_s, 7,
         Origin::FreeDict, {}},
        {u"pressure"_s, u"n"_s, u"davab"_s, u"he recieved it ."_s, 8, Origin::FreeDict, {}},
    };
    lines.back().hindi = QStringList{u"दवाब"_s};
    QStringList found;
    for (const Finding &f : detectSuspicious(lines, {forms, romanizer, verbWords, words, hindiSpelling}))
        found.append(f.line->headword + u' ' + suspicionName(f.kind) + (f.detail.isEmpty() ? u""_s : u' ' + f.detail));
    EXPECT_EQ(found.join(u'|').toStdString(), (QStringList{u"chase noun-or-adjective-means-verb"_s, u"collide verb-without-verb"_s,
                                  u"house hindi-example"_s, u"ocean example-lacks-headword"_s,
                                  u"ocean example-unknown-word ocear"_s, u"motto latin-in-meaning"_s,
                                  u"clover example-lacks-headword"_s,
                                  u"clover placeholder-meaning ek prakar ka paudha"_s,
                                  u"clover example-no-final-stop"_s, u"pressure example-lacks-headword"_s,
                                  u"pressure hindi-misspelling दवाब → दबाव"_s, u"pressure example-no-capital"_s,
                                  u"pressure example-spacing"_s, u"pressure example-unknown-word recieved"_s})
                                     .join(u'|')
                                     .toStdString());
}

TEST(ExampleMechanics, SeesTheEndsAndTheSpacing)
{
    using enum ExampleMechanics;
    struct Case {
        const char16_t *example;
        std::vector<ExampleMechanics> faults;
    };
    const Case cases[] = {
        {u"She sang very well.", {}},
        {u"\"Where are you going?\" he asked.", {}},
        {u"He shouted, \"Stop!\"", {}},
        {u"(In 1947 India became free.)", {}},
        {u"Well ... I am not sure.", {}},
        {u"The bill came to 3,500 rupees at 9:30 p.m.", {}},
        {u"Low ceilings", {NoFinalStop}},
        {u"i saw him .", {NoCapital, SpaceBeforePunctuation}},
        {u"Yes,he came", {NoFinalStop, NoSpaceAfterPunctuation}},
        {u"He came  late.", {DoubleSpace}},
        {u"'tis the season.", {NoCapital}},
        {u"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(mechanicalFaults(c.example), c.faults) << QStringView(c.example).toString().toStdString();
}

TEST(EnglishWords, KnowListedWordsTheirPossessivesAndContractions)
{
    const EnglishWords words = englishWords();
    EXPECT_EQ(words.unknownWords(u"Ravi's car didn't win the 10th prize; he recieved a well-known kheer."),
              (QStringList{u"win"_s, u"recieved"_s, u"well"_s, u"known"_s}));
    EXPECT_TRUE(words.knows(u"Ravi’s"));
    EXPECT_TRUE(words.knows(u"The"));  // a capital at the start of a sentence
    EXPECT_FALSE(words.knows(u"ravi"));  // a name is listed as it is written
    EXPECT_THROW(EnglishWords().addReviewed("word\treason\nkheer\t\n", u"example-words.tsv"_s),
                 std::runtime_error);
    EXPECT_THROW(EnglishWords().addReviewed("word\treason\nkheer\tdish\nkheer\tagain\n", u"example-words.tsv"_s),
                 std::runtime_error);
}

TEST(HindiSpelling, NamesTheWordASlipWasMadeFor)
{
    HindiSpelling spelling;
    // hi_IN.dic spells some words with a chandrabindu and a precomposed
    // nukta letter.
    spelling.addWordList("4\nदबाव\nपशुओं\nअँगूठा\nपढ़ना\n");
    for (const char16_t *text : {u"दबाव डालना", u"दबाव", u"दबाव", u"पशुओं का चारा", u"पशुओं", u"पशुओं", u"चबाना",
                                 u"चबाना", u"चबाना", u"बचाना", u"बचाना", u"बचाना", u"बचाना"})
        spelling.countWords(text);
    struct Case {
        const char16_t *word;
        std::optional<QString> intended;
    };
    const Case cases[] = {
        {u"दवाब", u"दबाव"_s},      // two letters swapped
        {u"पशुओ", u"पशुओं"_s},     // the nasal sign left out
        {u"दबाव", std::nullopt},    // listed
        {u"अंगूठा", std::nullopt},  // the anusvara for the list's chandrabindu
        {u"पढ़ना", std::nullopt},   // ढ + nukta for the list's precomposed ढ़
        {u"चबाना", std::nullopt},   // written too often to be a slip
        {u"घर", std::nullopt},      // too short to judge
    };
    for (const Case &c : cases)
        EXPECT_EQ(spelling.likelyIntended(c.word), c.intended) << QStringView(c.word).toString().toStdString();
    EXPECT_EQ(spelling.suspects(u"दवाब डालना"), QStringList{u"दवाब → दबाव"_s});
}

TEST(Detectors, TellVerbPhrasesFromNounsThatEndInNa)
{
    struct Case {
        const char16_t *meaning;
        bool verbPhrase; // isVerbMeaning: counts against a noun line
        bool verbForm;   // hasVerbForm: counts for a verb line
    };
    const Case cases[] = {
        {u"pichha karna", true, true},     {u"dhyan dena.", true, true},
        {u"samajhna", false, true},        {u"dopahar ka khana", false, true},
        {u"samudri sena", false, true},    {u"prayog kar", false, true},
        {u"takkar", false, false},         {u"bhrimit", false, false},
        {u"karne vala", false, false},     {u"", false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(isVerbMeaning(c.meaning, verbWords), c.verbPhrase) << QStringView(c.meaning).toString().toStdString();
        EXPECT_EQ(hasVerbForm(c.meaning, verbWords), c.verbForm) << QStringView(c.meaning).toString().toStdString();
    }
}

} // namespace
} // namespace tolvani::dicbuild
