#include "examples.h"

#include "romanizer.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

WordForms formsWithExceptions()
{
    WordForms forms;
    forms.addExceptions("took take\nchildren child\nbetter good well\nbrothers-in-law brother-in-law\n");
    return forms;
}

TEST(WordForms, FindsTheHeadwordAndItsForms)
{
    const WordForms forms = formsWithExceptions();
    struct Case {
        const char16_t *headword;
        const char16_t *sentence;
        bool uses;
    };
    // Sentences of the source and of WordNet.
    const Case cases[] = {
        {u"abide", u"If you join, you have to abide by its rules.", true},
        {u"take", u"He took the blame for it", true},                   // verb.exc
        {u"child", u"The children played.", true},                      // noun.exc
        {u"good", u"This one is better.", true},                        // adj.exc
        {u"stop", u"The bus stopped here; stopping is allowed.", true}, // doubled consonant
        {u"abide", u"He was abiding by the rules.", true},              // e dropped
        {u"city", u"Many cities grew.", true},
        {u"die", u"The plant is dying.", true},
        {u"gentleman", u"Men in uniform are thorough gentlemen.", true},
        {u"ice cream", u"Two ice creams, please.", true},
        {u"playground", u"Nearly all schools have a play ground.", true}, // written open
        {u"colonise", u"European countries colonized Africa.", true},
        {u"house", u"This is Kambli's house.", true},
        {u"brother-in-law", u"His brothers-in-law came.", true},
        {u"cheese", u"I like pizza added with cheeze.", false},
        {u"ocean", u"Pacific is the deepest ocear.", false},
        {u"ice cream", u"The cream froze to ice.", false}, // words out of order
        {u"take", u"She is mistaken.", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(forms.uses(c.headword, c.sentence), c.uses) << QStringView(c.headword).toString().toStdString()
                                                              << " in " << QStringView(c.sentence).toString().toStdString();
}

TEST(WordNetExamples, ExamplesOfTheSameClassMostFrequentSenseFirst)
{
    EXPECT_EQ(glossExamples("a blunder; \"he made a mistake\"; \"his `Hamlet' lacks  it\""),
              (QStringList{u"he made a mistake"_s, u"his 'Hamlet' lacks it"_s}));

    QByteArray data = "  1 This software and database is being provided\n";
    const QByteArray first = QByteArray::number(data.size()).rightJustified(8, '0');
    data += first + " 04 n 01 blame 0 000 | a reproach; \"he took the blame for it\"\n";
    const QByteArray second = QByteArray::number(data.size()).rightJustified(8, '0');
    data += second + " 04 n 01 blame 1 000 | responsibility; \"the blame lies with him\"; \"sure\"\n";
    WordNetExamples wordnet;
    wordnet.add(WordNetPart::Noun, "  1 This software\nblame n 2 0 2 1 " + second + " " + first + "\n", data);
    EXPECT_EQ(wordnet.examplesOf(u"Blame", WordNetPart::Noun),
              (QStringList{u"the blame lies with him"_s, u"sure"_s, u"he took the blame for it"_s}));
    EXPECT_TRUE(wordnet.examplesOf(u"blame", WordNetPart::Verb).isEmpty());

    EXPECT_EQ(wordNetPart(u"vti"), WordNetPart::Verb);
    EXPECT_EQ(wordNetPart(u"phrvt"), WordNetPart::Verb);
    EXPECT_EQ(wordNetPart(u"a"), WordNetPart::Adj);
    EXPECT_FALSE(wordNetPart(u"prep").has_value());
}

TEST(IsHindi, MoreDevanagariThanLatinLetters)
{
    EXPECT_TRUE(isHindi(u"यह काम्बली का 'house' है."));
    EXPECT_TRUE(isHindi(u"उस hawker को बुलाओ."));
    EXPECT_FALSE(isHindi(u"Prince edward'स् marriage was viewed by thousands of people."));
    EXPECT_FALSE(isHindi(u"(+, -, /,x६) Mathematics is a game of signs."));
    EXPECT_FALSE(isHindi(u""));
}

TEST(ChooseExample, EnglishThatUsesTheWordThenWordNetThenHindi)
{
    const WordForms forms = formsWithExceptions();
    QByteArray data = "00000000 04 n 01 house 0 000 | a dwelling; \"he has a house on Cape Cod\"\n";
    WordNetExamples wordnet;
    wordnet.add(WordNetPart::Noun, "house n 1 0 1 1 00000000\n", data);
    ExampleStats stats;
    auto choose = [&](const QString &headword, const QString &code, const QStringList &examples) {
        DicLine line{headword, code, u"ghar"_s, {}, 0, Origin::FreeDict, examples};
        return chooseExample(line, forms, wordnet, stats);
    };
    // advocate: the second example is the first that uses the word.
    EXPECT_EQ(choose(u"advocate"_s, u"n"_s, {u"यह वकील है।"_s, u"I am an advocate of peace."_s}),
              u"I am an advocate of peace.");
    // house: only a Hindi example and one of another word.
    EXPECT_EQ(choose(u"house"_s, u"n"_s, {u"यह काम्बली का 'house' है."_s, u"A big home."_s}),
              u"he has a house on Cape Cod");
    EXPECT_EQ(choose(u"house"_s, u"v"_s, {u"यह काम्बली का 'house' है."_s}), romanize(u"यह काम्बली का 'house' है."))
        << "WordNet's example is of the noun";
    EXPECT_EQ(choose(u"prince"_s, u"n"_s, {u"Prince edward'स् marriage was viewed by thousands."_s}),
              u"Prince edward's marriage was viewed by thousands.");
    EXPECT_EQ(choose(u"cheese"_s, u"n"_s, {u"I like pizza added with cheeze."_s}), u"I like pizza added with cheeze.");
    EXPECT_EQ(choose(u"zebra"_s, u"n"_s, {}), u"");
    EXPECT_EQ(stats.freeDict, 2);
    EXPECT_EQ(stats.wordNet, 1);
    EXPECT_EQ(stats.hindi, 1);
    EXPECT_EQ(stats.otherEnglish, 1);
    EXPECT_EQ(stats.none, 1);
    EXPECT_EQ(stats.residueRomanized, 1);
}

} // namespace
} // namespace tolvani::dicbuild
