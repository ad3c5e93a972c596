#include "selection/lineorder.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

// WordNet 3.0's tagged counts of these words, per part of speech.
WordNet wordNetOfTheCases()
{
    WordNet wordnet;
    wordnet.addTagCounts("just%3:00:00:: 1 4\njust%4:02:00:: 1 355\n"
                         "keep%2:42:00:: 1 346\n"
                         "today%1:28:00:: 1 82\ntoday%4:02:00:: 1 30\n"
                         "past%1:28:00:: 1 48\npast%3:00:00:: 1 33\n"
                         "okay%5:00:00:satisfactory:00 1 2\n"
                         "fleet%1:14:00:: 1 1\nfleet%5:00:00:fast:01 1 2\n");
    return wordnet;
}

// Each case: a headword's lines in the source's order, and the code that
// comes first.
TEST(PutMostUsedFirst, ChoosesTheLinePeopleMean)
{
    struct Case {
        const char *name;
        QStringList codes;
        QString first;
    };
    const Case cases[] = {
        {"just", {u"a"_s, u"adv"_s}, u"adv"_s},                      // far more tagged as an adverb
        {"keep", {u"n"_s, u"v"_s, u"vt"_s}, u"v"_s},                 // the verb lines tie: source order
        {"today", {u"adv"_s, u"n"_s}, u"n"_s},
        {"past", {u"a"_s, u"n"_s}, u"a"_s},                          // not twice as often
        {"that", {u"a"_s, u"det"_s, u"conj"_s}, u"det"_s},           // a function word
        {"okay", {u"a"_s, u"interj"_s}, u"a"_s},
        {"unknown", {u"n"_s, u"v"_s}, u"n"_s},                       // no counts at all
        {"fleet", {u"n"_s, u"a"_s}, u"n"_s},                         // settled by hand
        {"please", {u"vt"_s, u"interj"_s}, u"interj"_s},             // settled by hand
    };
    const WordNet wordnet = wordNetOfTheCases();
    const QHash<QString, QString> byHand{{u"fleet"_s, u"n"_s}, {u"please"_s, u"interj"_s}};
    for (const Case &c : cases) {
        std::vector<DicLine> lines{{u"aardvark"_s, u"n"_s, {}, {}, 0}};
        for (const QString &code : c.codes)
            lines.push_back({QString::fromLatin1(c.name), code, {}, {}, int(lines.size())});
        lines.push_back({u"zebra"_s, u"n"_s, {}, {}, int(lines.size())});
        putMostUsedFirst(lines, wordnet, byHand);
        EXPECT_EQ(lines[1].code, c.first) << c.name;
        // The other lines keep their order, and no line leaves its headword.
        std::vector<int> rest;
        for (std::size_t i = 2; i + 1 < lines.size(); ++i)
            rest.push_back(lines[i].sourceOrder);
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << c.name;
        EXPECT_EQ(lines.front().headword, u"aardvark"_s);
        EXPECT_EQ(lines.back().headword, u"zebra"_s);
    }
}

TEST(OutnumberedFirstLines, ListsWhereACountOutweighsTheFirstLineTwoToOne)
{
    const std::vector<DicLine> lines{
        {u"fleet"_s, u"n"_s, {}, {}, 0}, {u"fleet"_s, u"a"_s, {}, {}, 1},     // 1 against 2
        {u"Past"_s, u"a"_s, {}, {}, 2}, {u"past"_s, u"n"_s, {}, {}, 3},      // 33 against 48
        {u"today"_s, u"adv"_s, {}, {}, 4}, {u"today"_s, u"n"_s, {}, {}, 5},   // 30 against 82, not asked
        {u"that"_s, u"det"_s, {}, {}, 6}, {u"that"_s, u"a"_s, {}, {}, 7},     // a function word first
    };
    EXPECT_EQ(outnumberedFirstLines(lines, wordNetOfTheCases(), {u"fleet"_s, u"past"_s, u"that"_s}),
              (QStringList{u"fleet"_s}));
}

} // namespace
} // namespace tolvani::dicbuild
