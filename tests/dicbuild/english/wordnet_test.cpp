#include "english/wordnet.h"
#include "english/wordnetcounts.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(WordNetExamples, ExamplesOfTheSameClassMostFrequentSenseFirst)
{
    EXPECT_EQ(glossExamples("a blunder; \"he made a mistake\"; \"his `Hamlet' lacks  it\""),
              (QStringList{u"he made a mistake"_s, u"his 'Hamlet' lacks it"_s}));

    QByteArray data = "  1 This software and database is being provided\n";
    const QByteArray first = QByteArray::number(data.size()).rightJustified(8, '0');
    data += first + " 04 n 01 blame 0 000 | a reproach; \"he took the blame for it\"\n";
    const QByteArray second = QByteArray::number(data.size()).rightJustified(8, '0');
    data += second + " 04 n 01 blame 1 000 | responsibility; \"the blame lies with him\"; \"sure\"\n";
    WordNet wordnet;
    wordnet.addIndex(WordNetPart::Noun, "  1 This software\nblame n 2 0 2 1 " + second + " " + first + "\n");
    wordnet.addData(WordNetPart::Noun, data);
    EXPECT_EQ(wordnet.examplesOf(u"Blame", WordNetPart::Noun),
              (QStringList{u"the blame lies with him"_s, u"sure"_s, u"he took the blame for it"_s}));
    EXPECT_TRUE(wordnet.examplesOf(u"blame", WordNetPart::Verb).isEmpty());

    EXPECT_EQ(wordNetPart(u"vti"), WordNetPart::Verb);
    EXPECT_EQ(wordNetPart(u"phrvt"), WordNetPart::Verb);
    EXPECT_EQ(wordNetPart(u"a"), WordNetPart::Adj);
    EXPECT_FALSE(wordNetPart(u"prep").has_value());
}

TEST(WordNetCounts, FallBackToTheBaseForm)
{
    WordNet wordnet;
    wordnet.addTagCounts("abandon%2:31:00:: 1 7\ncity%1:15:00:: 1 40\nice_cream%1:13:00:: 1 3\n");
    const WordNetCounts counts(wordnet);
    EXPECT_EQ(counts.of(u"Abandon").taggedCount, 7);
    EXPECT_EQ(counts.of(u"abandoned").taggedCount, 7);
    EXPECT_EQ(counts.of(u"cities").taggedCount, 40);
    EXPECT_EQ(counts.of(u"ice cream").taggedCount, 3);
    EXPECT_EQ(counts.of(u"zzyzx"), Commonness{});
}

} // namespace
} // namespace tolvani::dicbuild
