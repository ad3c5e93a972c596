#include "english/lemmatizer.h"
#include "english/usage.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(Lemmatizer, ReducesFormsAfterWordNet)
{
    const QString wordnet = u"/usr/share/wordnet"_s;
    if (!QFile::exists(wordnet + u"/verb.exc"_s))
        GTEST_SKIP() << "WordNet is not installed";
    const WordNet loaded = WordNet::load(wordnet);
    const Lemmatizer lemmatizer(loaded);
    const std::pair<QString, QString> rows[] = {
        {u"went"_s, u"go"_s},       {u"was"_s, u"be"_s},          {u"is"_s, u"be"_s},
        {u"men"_s, u"man"_s},       {u"better"_s, u"good"_s},     {u"cities"_s, u"city"_s},
        {u"watches"_s, u"watch"_s}, {u"does"_s, u"do"_s},         {u"hoping"_s, u"hope"_s},
        {u"things"_s, u"thing"_s},  {u"years"_s, u"year"_s},      {u"wanted"_s, u"want"_s},
        {u"older"_s, u"old"_s},     {u"greatest"_s, u"great"_s},  {u"saying"_s, u"say"_s},
        // Words that only look inflected, or are too short to tell.
        {u"boss"_s, u"boss"_s},     {u"bus"_s, u"bus"_s},         {u"this"_s, u"this"_s},
        {u"as"_s, u"as"_s},         {u"news"_s, u"news"_s},       {u"sometimes"_s, u"sometimes"_s},
        {u"offer"_s, u"offer"_s},   {u"broker"_s, u"broker"_s},   {u"please"_s, u"please"_s},
        // Reduced here, kept apart by the counts (see below).
        {u"physics"_s, u"physic"_s},
    };
    for (const auto &[form, base] : rows)
        EXPECT_EQ(lemmatizer.baseOf(form), base) << form.toStdString();
}

class UsageFrequenciesTest : public testing::Test {
protected:
    void SetUp() override
    {
        wordnet.addIndex(WordNetPart::Noun, "  1 licence text\nyear n 4 ...\nyears n 3 ...\nphysic n 1\n"
                                            "physics n 2\nthing n 12\nthings n 1\nevening n 3\n");
        wordnet.addIndex(WordNetPart::Verb, "say v 11\neven v 1\nleave v 14\n");
        wordnet.addIndex(WordNetPart::Adj, "left a 4\n");
        wordnet.addExceptions(WordNetPart::Verb, "said say\nleft leave\n");
        usage.addForms("# SUBTLEX-US\nsay\t83629\nsaid\t56531\nsays\t10000\nyear\t14174\nyears\t29003\n"
                       "physic\t13\nphysics\t482\nthing\t55522\nthings\t35337\neven\t44672\nevening\t6155\n"
                       "leave\t28596\nleft\t24707\n");
        usage.countLemmas(Lemmatizer(wordnet), notInflected);
    }
    WordNet wordnet;
    const QStringList notInflected{u"evening"_s};
    UsageFrequencies usage;
};

TEST_F(UsageFrequenciesTest, CountsFormsForTheirLemma)
{
    EXPECT_EQ(usage.of(u"say"), 83629 + 56531 + 10000);
    EXPECT_EQ(usage.lemmaOf(u"said"_s), u"say");
    EXPECT_EQ(usage.of(u"Year"), 14174 + 29003) << "a lemma by accident goes to its base";
    EXPECT_EQ(usage.of(u"things"), 35337) << "a headword that is a form keeps its own count";
    EXPECT_EQ(usage.lemmaOf(u"physics"_s), u"physics") << "its base is far rarer";
    EXPECT_EQ(usage.lemmaOf(u"evening"_s), u"evening") << "listed as no form of even";
    EXPECT_EQ(usage.of(u"left"), 24707) << "the adjective counts its form, not the verb's lemma";
    EXPECT_EQ(usage.of(u"ice cream"), 0);
    EXPECT_EQ(usage.topLemmas(3), (QStringList{u"say"_s, u"thing"_s, u"leave"_s}));
}

TEST_F(UsageFrequenciesTest, OtherSpellingCountsAsTheSameWord)
{
    usage.addForms("color\t2011\ncolour\t444\n");
    usage.countLemmas(Lemmatizer(wordnet), notInflected);
    usage.addVariant(u"colour"_s, u"color"_s);
    EXPECT_EQ(usage.of(u"colour"), 2011);
    EXPECT_EQ(usage.of(u"color"), 2011);
}

} // namespace
} // namespace tolvani::dicbuild
