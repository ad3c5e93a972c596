#include "selection/examples.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

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
    const WordForms forms;
    WordNet wordnet;
    wordnet.addIndex(WordNetPart::Noun, "house n 1 0 1 1 00000000\n");
    wordnet.addData(WordNetPart::Noun, "00000000 04 n 01 house 0 000 | a dwelling; \"he has a house on Cape Cod\"\n");
    const Romanizer romanizer;
    std::vector<DicLine> chosen;
    auto choose = [&](const QString &headword, const QString &code, const QStringList &examples) {
        DicLine &line = chosen.emplace_back(DicLine{headword, code, u"ghar"_s, {}, 0, Origin::FreeDict, examples});
        chooseExample(line, {forms, wordnet, romanizer});
        return line.example;
    };
    // advocate: the second example is the first that uses the word.
    EXPECT_EQ(choose(u"advocate"_s, u"n"_s, {u"यह वकील है।"_s, u"I am an advocate of peace."_s}),
              u"I am an advocate of peace.");
    // house: only a Hindi example and one of another word.
    EXPECT_EQ(choose(u"house"_s, u"n"_s, {u"यह काम्बली का 'house' है."_s, u"A big home."_s}),
              u"he has a house on Cape Cod");
    EXPECT_EQ(choose(u"house"_s, u"v"_s, {u"यह काम्बली का 'house' है."_s}), romanizer.romanize(u"यह काम्बली का 'house' है."))
        << "WordNet's example is of the noun";
    EXPECT_EQ(choose(u"prince"_s, u"n"_s, {u"Prince edward'स् marriage was viewed by thousands."_s}),
              u"Prince edward's marriage was viewed by thousands.");
    EXPECT_EQ(choose(u"cheese"_s, u"n"_s, {u"I like pizza added with cheeze."_s}), u"I like pizza added with cheeze.");
    EXPECT_EQ(choose(u"zebra"_s, u"n"_s, {}), u"");
    const ExampleStats stats = exampleStats(chosen);
    EXPECT_EQ(stats.freeDict, 2);
    EXPECT_EQ(stats.wordNet, 1);
    EXPECT_EQ(stats.hindi, 1);
    EXPECT_EQ(stats.otherEnglish, 1);
    EXPECT_EQ(stats.none, 1);
    EXPECT_EQ(stats.residueRomanized, 1);
}

} // namespace
} // namespace tolvani::dicbuild
