#include "selection/selection.h"

#include "english/lemmatizer.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(SortsBefore, IgnoresCaseAndPutsPrefixesFirst)
{
    std::vector<DicLine> lines{{u"ice-cream"_s, u"n"_s, {}, {}, 0}, {u"Ice"_s, u"n"_s, {}, {}, 1},
                               {u"ice cream"_s, u"n"_s, {}, {}, 2}, {u"ice"_s, u"v"_s, {}, {}, 3},
                               {u"iceberg"_s, u"n"_s, {}, {}, 4},  {u"ICED"_s, u"a"_s, {}, {}, 5}};
    std::sort(lines.begin(), lines.end(), sortsBefore);
    QStringList order;
    for (const DicLine &line : lines)
        order.append(line.headword + u'/' + line.code);
    EXPECT_EQ(order, (QStringList{u"Ice/n"_s, u"ice/v"_s, u"ice cream/n"_s, u"ice-cream/n"_s, u"iceberg/n"_s,
                                  u"ICED/a"_s}));
}

TEST(RankOf, OrdersByWhatALearnerNeeds)
{
    WordNet wordnet;
    wordnet.addTagCounts("house%1:06:00:: 1 100\nhovel%1:06:00:: 1 2\nmansion%1:06:00:: 1 9\n");
    wordnet.addIndex(WordNetPart::Noun, "house n 12 6 @ ~\nhovel n 1 1 @\nmansion n 1 1 @\n");
    const WordNetCounts commonness(wordnet);
    UsageFrequencies usage;
    usage.addForms("house\t19570\nhouses\t1219\nhovel\t28\n");
    usage.countLemmas(Lemmatizer(WordNet{}));
    auto rank = [&](const QString &headword, const QString &code, bool meaning, bool example) {
        return rankOf({headword, code, meaning ? u"ghar"_s : QString(), example ? u"e.g."_s : QString(), 0},
                      commonness, usage);
    };
    // Each row outranks the next: the word people use more wins before an
    // example, a function word or WordNet's count can.
    const std::vector<Rank> ladder{
        rank(u"house"_s, u"n"_s, true, true),      rank(u"house"_s, u"n"_s, true, false),
        rank(u"hovel"_s, u"n"_s, true, true),      rank(u"of"_s, u"prep"_s, true, true),
        rank(u"mansion"_s, u"n"_s, true, true),    rank(u"zzyzx"_s, u"n"_s, true, true),
        rank(u"mansion"_s, u"n"_s, true, false),   rank(u"house boat"_s, u"n"_s, true, true),
        rank(u"house boat"_s, u"n"_s, true, false), rank(u"house"_s, u"n"_s, false, true),
    };
    for (std::size_t i = 0; i + 1 < ladder.size(); ++i)
        EXPECT_GT(ladder[i], ladder[i + 1]) << "row " << i;
    EXPECT_LT(rank(u"house"_s, u"idm"_s, true, true), rank(u"hovel"_s, u"n"_s, true, true))
        << "an idiom counts as a phrase whatever its headword";
    EXPECT_LT(rank(u"house"_s, u"phrvt"_s, true, true), rank(u"zzyzx"_s, u"n"_s, true, true));
}

TEST(SelectLines, KeepsTheBestRankedAndSortsThem)
{
    // Q has room for 89 lines; 95 candidates compete, the six without an
    // example lose, and the winners come out in alphabetical order.
    std::vector<DicLine> lines;
    for (int i = 0; i < 95; ++i) {
        const QString word = u"q"_s + QString::number(1000 - i);
        lines.push_back({word, u"n"_s, u"arth"_s, i % 16 == 0 ? QString() : u"e.g."_s, i});
    }
    lines.push_back({u"zebra"_s, u"n"_s, u"zebra"_s, u"e.g."_s, 95});
    std::vector<std::pair<QChar, int>> shortLetters;
    const std::vector<DicLine> chosen = selectLines(lines, WordNetCounts{}, UsageFrequencies{}, shortLetters);
    ASSERT_EQ(chosen.size(), 90u);
    EXPECT_EQ(chosen.back().headword, u"zebra");
    for (std::size_t i = 0; i + 1 < 89; ++i) {
        EXPECT_FALSE(chosen[i].example.isEmpty()) << chosen[i].headword.toStdString();
        EXPECT_TRUE(sortsBefore(chosen[i], chosen[i + 1]));
    }
    EXPECT_EQ(shortLetters.size(), 24u) << "every letter but Q is short; X needs none";
    EXPECT_EQ(shortLetters.front(), std::make_pair(QChar(u'A'), 0));
}

} // namespace
} // namespace tolvani::dicbuild
