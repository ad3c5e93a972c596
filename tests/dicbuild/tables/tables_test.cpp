#include "tables/corrections.h"
#include "tables/firstlines.h"
#include "tables/supplement.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

constexpr char correctionsHeader[] = "headword\tcode\tfield\told\tnew\treason\n";

Corrections corrections(const QByteArray &rows)
{
    Corrections table;
    table.addTable(QByteArray("# comment\n") + correctionsHeader + rows, u"corrections.tsv"_s);
    return table;
}

std::vector<SourceArticle> articlesOf(std::vector<SourceEntry> entries)
{
    SourceStats stats;
    return usableArticles(std::move(entries), stats);
}

TEST(Corrections, ChangeMeaningPiecesBeforeTheyAreRomanized)
{
    std::vector<SourceArticle> articles = articlesOf({
        {u"flamboyantly"_s, u"Adv"_s, {u"आर्कषक~रूप~से"_s}, {}},
        {u"abide"_s, u"V"_s, {u"सहन~करना, रहना"_s, u"रहना"_s}, {}},
        {u"shall"_s, u"MV"_s, {u"?"_s}, {}},
        {u"abide"_s, u"N"_s, {u"रहना"_s}, {}},
    });
    Corrections table = corrections("flamboyantly\tadv\tmeaning\tआर्कषक रूप से\tआकर्षक ढंग से\ttypo\n"
                                    "abide\tv\tmeaning\tरहना\t\tnot this verb's sense\n"
                                    "shall\tmv\tmeaning\t\tगा, चाहिए\tsource gives only ?\n");
    table.applyToMeanings(articles);
    EXPECT_EQ(articles[0].entry.senses, QStringList{u"आकर्षक ढंग से"_s}) << "\"~\" and blanks compare equal";
    EXPECT_EQ(articles[1].entry.senses, (QStringList{u"सहन~करना"_s, QString()})) << "dropped in every sense";
    EXPECT_EQ(articles[2].entry.senses, (QStringList{u"गा, चाहिए"_s, u"?"_s})) << "an added meaning comes first";
    EXPECT_EQ(articles[3].entry.senses, QStringList{u"रहना"_s}) << "another code is another entry";
    EXPECT_TRUE(table.stale().isEmpty());
    EXPECT_EQ(table.appliedByField().at(u"meaning"_s), 3);
    using Meanings = std::vector<std::pair<QString, QString>>;
    EXPECT_EQ(table.meaningsAdded(), (Meanings{{u"flamboyantly"_s, u"आकर्षक ढंग से"_s}, {u"shall"_s, u"गा, चाहिए"_s}}))
        << "what the romanizer learns loanwords from; a dropped meaning adds none";
}

TEST(Corrections, ChangeCodesExamplesAndDropEntries)
{
    std::vector<DicLine> lines{{u"Should"_s, u"v"_s, u"chahiye"_s, u"The children should respect their elders."_s, 0},
                               {u"fifteeth"_s, u"n"_s, u"pachasvan"_s, {}, 1},
                               {u"fifteeth"_s, u"pron"_s, u"pachasvan"_s, u"my fifteeth birthday"_s, 2},
                               {u"Oct"_s, u"adv"_s, u"aktubar"_s, u"The letter begins,\"Oct' 12, 2000\""_s, 3}};
    Corrections table = corrections("fifteeth\tn\tentry\t\tdrop\tmisspelt\n"
                                    "Oct\tadv\tcode\tadv\tabbr:\tthe month\n"
                                    "Oct\tadv\texample\t\tThe meeting is on 12 Oct.\tgarbled example\n"
                                    "Should\tv\tcode\tv\tmv\ta modal verb\n");
    table.applyToLines(lines);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].code, u"mv");
    EXPECT_EQ(lines[1].code, u"pron");
    EXPECT_EQ(lines[2].code, u"abbr:");
    EXPECT_EQ(lines[2].example, u"The meeting is on 12 Oct.") << "found by its old code before the code row";
    EXPECT_TRUE(table.stale().isEmpty());
}

TEST(Corrections, ACodeTheHeadwordHasAlreadyMergesTheLines)
{
    std::vector<DicLine> lines{{u"constant"_s, u"a"_s, u"aparivartanshil"_s, {}, 0},
                               {u"constant"_s, u"n"_s, u"sthayi, aparivartanshil"_s, u"It stays constant."_s, 1}};
    Corrections table = corrections("constant\tn\tcode\tn\ta\tall its meanings are adjectives\n");
    table.applyToLines(lines);
    ASSERT_EQ(lines.size(), 1u) << "constant must not get two adjective lines";
    EXPECT_EQ(lines[0].meaning, u"aparivartanshil, sthayi");
    EXPECT_EQ(lines[0].example, u"It stays constant.") << "the line without an example takes the other's";
}

TEST(Corrections, RowsThatMatchNothingAreListed)
{
    std::vector<DicLine> lines{{u"should"_s, u"mv"_s, u"chahiye"_s, {}, 0}};
    std::vector<SourceArticle> articles = articlesOf({{u"should"_s, u"MV"_s, {u"चाहिये"_s}, {}}});
    Corrections table = corrections("flamboyantly\tadv\tmeaning\tअर्कशक\tआकर्षक\ttypo\n"
                                    "should\tv\tcode\tv\tmv\tmodal\n"
                                    "should\tmv\tmeaning\tचाहिये\tचाहिए\tspelling\n");
    table.applyToMeanings(articles);
    table.applyToLines(lines);
    EXPECT_EQ(table.stale(), (QStringList{u"corrections.tsv:3: flamboyantly adv meaning अर्कशक"_s,
                                          u"corrections.tsv:4: should v code v"_s}));
}

TEST(Corrections, RejectMalformedRows)
{
    const QByteArray bad[] = {
        "should\tv\tcode\tv\tmv\t\n",                 // no reason
        "should\tv\tcode\tv\tmodal\tmodal\n",         // unknown code
        "should\tv\tcode\tn\tmv\tmodal\n",            // old is not the row's code
        "should\tv\tspelling\t\tshuld\tmodal\n",      // unknown field
        "should\tv\tentry\t\tremove\tduplicate\n",    // only "drop"
        "should\tv\tcode\tv\tmv\tmodal\nshould\tv\tcode\tv\tmv\tagain\n",
        "should\tv\tcode\tv\n",                        // too few fields
    };
    for (const QByteArray &rows : bad)
        EXPECT_THROW(corrections(rows), std::runtime_error) << rows.toStdString();
    EXPECT_THROW(Corrections().addTable("headword\tcode\n", u"corrections.tsv"_s), std::runtime_error);
}

TEST(FirstLineTable, ReadsRowsAndListsThoseThatMatchNoLine)
{
    FirstLineTable table;
    table.addTable("headword\tfirst\treason\nPlease\tinterj\tthe polite word\nbar\tn\tthe everyday word\n"
                   "keep\tvt\tthe v line holds keep doing\n",
                   u"line-order.tsv"_s);
    EXPECT_EQ(table.byHeadword().value(u"please"_s), u"interj"_s);
    const std::vector<DicLine> lines{{u"please"_s, u"interj"_s, {}, {}, 0}, {u"please"_s, u"vt"_s, {}, {}, 1},
                                     {u"bar"_s, u"n"_s, {}, {}, 2}, {u"keep"_s, u"v"_s, {}, {}, 3},
                                     {u"keep"_s, u"n"_s, {}, {}, 4}};
    // bar has no other line to come before; keep has no vt line.
    EXPECT_EQ(table.unmatched(lines), (QStringList{u"line-order.tsv:3: bar n"_s, u"line-order.tsv:4: keep vt"_s}));
    const QByteArray bad[] = {
        "headword\tfirst\treason\nbar\tnoun\tunknown code\n",
        "headword\tfirst\treason\nbar\tn\t\n",
        "headword\tfirst\treason\nbar\tn\tonce\nBar\tprep\ttwice\n",
    };
    for (const QByteArray &rows : bad)
        EXPECT_THROW(FirstLineTable().addTable(rows, u"line-order.tsv"_s), std::runtime_error) << rows.toStdString();
}

TEST(Supplement, RowsBecomeRomanizedLines)
{
    const std::vector<DicLine> source{{u"kind"_s, u"a"_s, u"dayalu"_s, {}, 7}};
    const std::vector<DicLine> lines = supplementLines("# written for this dictionary\n"
                                                       "headword\tcode\thindi\texample\tnote\n"
                                                       "please\tinterj\tकृपया, कृपा करके\tPlease sit down.\t\n"
                                                       "January\tn\tजनवरी\tThe year begins in January.\n",
                                                       u"supplement.tsv"_s, source, WordForms(), Romanizer());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].headword, u"please");
    EXPECT_EQ(lines[0].code, u"interj");
    EXPECT_EQ(lines[0].meaning, u"kripya, kripa karke");
    EXPECT_EQ(lines[0].example, u"Please sit down.");
    EXPECT_EQ(lines[0].origin, Origin::Supplement);
    EXPECT_EQ(lines[1].headword, u"January");
    EXPECT_GT(lines[0].sourceOrder, 7) << "after every source line";
    const auto meanings = supplementMeanings("headword\tcode\thindi\texample\tnote\n"
                                             "gangster\tn\tगैंगस्टर\tThe gangster fled.\t\n",
                                             u"supplement.tsv"_s);
    EXPECT_EQ(meanings, (std::vector<std::pair<QString, QString>>{{u"gangster"_s, u"गैंगस्टर"_s}}));
}

TEST(Supplement, RejectsWhatTheSourceHasAndBadRows)
{
    const std::vector<DicLine> source{{u"Kind"_s, u"a"_s, u"dayalu"_s, {}, 0}};
    const QByteArray header = "headword\tcode\thindi\texample\tnote\n";
    const QByteArray bad[] = {
        "kind\ta\tदयालु\tShe is kind.\t\n",            // the source has it
        "hello\tinterj\tनमस्ते\tHello!\t\nhello\tinterj\tहैलो\tHello there.\t\n",
        "hello\tgreeting\tनमस्ते\tHello!\t\n",          // unknown code
        "hello\tinterj\tnamaste\tHello!\t\n",          // no Devanagari
        "hello\tinterj\tनमस्ते\tGood morning!\t\n",     // example without the word
        "hello\tinterj\tनमस्ते\tShe said hell, no.\t\n", // only the start of the word
        "xylophone\tn\tजलतरंग\tShe plays the xylophone.\t\n",
    };
    for (const QByteArray &rows : bad)
        EXPECT_THROW(supplementLines(header + rows, u"supplement.tsv"_s, source, WordForms(), Romanizer()), std::runtime_error)
            << rows.toStdString();
}

} // namespace
} // namespace tolvani::dicbuild
