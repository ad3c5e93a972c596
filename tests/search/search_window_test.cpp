#include "support/sampledictionary.h"
#include "support/windowharness.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tolvani;
using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

// Real words among 15,500 made-up ones, each letter in its own range.
const QStringList kWords = {u"ape"_s,   u"apple"_s,     u"apple pie"_s, u"apply"_s,
                            u"ice"_s,   u"ice cream"_s, u"iceberg"_s,   u"kite"_s,
                            u"zebra"_s, u"zero"_s,      u"yak"_s};

class SearchBox : public WindowTest
{
protected:
    SearchBox()
        : WindowTest(*s_sample)
    {
    }

    static void SetUpTestSuite()
    {
        s_sample = std::make_unique<testdata::SampleDictionary>(
                testdata::makeSampleDictionary(15500, 3, kWords));
    }

    static void TearDownTestSuite() { s_sample.reset(); }

    void SetUp() override
    {
        WindowTest::SetUp();
        Text1->setFocus();
    }

    int selected() const { return List1->currentIndex().row(); }
    QString selectedWord() const { return List1->currentIndex().data().toString(); }

    void type(const QString &text) { QTest::keyClicks(Text1, text); }

    static inline std::unique_ptr<testdata::SampleDictionary> s_sample;
};

TEST_F(SearchBox, eachKeystrokeSelectsTheFirstWordBeginningWithTheText)
{
    type(u"a"_s);
    EXPECT_EQ(selected(), 0);
    type(u"p"_s);
    EXPECT_EQ(selected(), s_sample->headwords.indexOf(u"ape"_s));
    EXPECT_EQ(selectedWord(), u"Ape"_s);
    type(u"p"_s);
    EXPECT_EQ(selectedWord(), u"Apple"_s);
    const QString appleMeaning = WMeaning->toPlainText();
    type(u"ly"_s);
    EXPECT_EQ(selectedWord(), u"Apply"_s);
    EXPECT_NE(WMeaning->toPlainText(), appleMeaning) << "the entry follows the selection";
}

// The list places its rows a batch at a time after the window shows; a
// word found at once, or End pressed at once, still comes into view.
TEST_F(SearchBox, foundWordIsScrolledIntoViewAtOnce)
{
    type(u"zebr"_s);
    ASSERT_EQ(selectedWord(), u"Zebra"_s);
    const QRect row = List1->visualRect(List1->currentIndex());
    EXPECT_TRUE(row.isValid() && List1->viewport()->rect().contains(row));
    List1->setFocus();
    QTest::keyClick(List1, Qt::Key_End);
    EXPECT_EQ(selected(), 15499);
}

TEST_F(SearchBox, letterCaseOfTheTextDoesNotMatter)
{
    for (const QString &typed : {u"ap"_s, u"AP"_s, u"aP"_s, u"Ap"_s}) {
        Text1->clear();
        List1->setCurrentIndex(List1->model()->index(5000, 0));
        type(typed);
        EXPECT_EQ(selectedWord(), u"Ape"_s) << typed.toStdString();
    }
}

TEST_F(SearchBox, deletingBackScansAgainFromTheStartOfTheRange)
{
    type(u"apply"_s);
    ASSERT_EQ(selectedWord(), u"Apply"_s);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(Text1, Qt::Key_Backspace);
    ASSERT_EQ(Text1->text(), u"a"_s);
    EXPECT_EQ(selected(), 0);
}

TEST_F(SearchBox, emptyingTheBoxKeepsTheEntry)
{
    type(u"ice"_s);
    const int position = selected();
    const QString meaning = WMeaning->toPlainText();
    Text1->selectAll();
    QTest::keyClick(Text1, Qt::Key_Delete);
    ASSERT_TRUE(Text1->text().isEmpty());
    EXPECT_EQ(selected(), position);
    EXPECT_EQ(WMeaning->toPlainText(), meaning);
}

TEST_F(SearchBox, textMatchingNothingKeepsTheSelection)
{
    type(u"apple"_s);
    const int apple = selected();
    type(u"sauce"_s); // "applesauce" is in no range
    EXPECT_EQ(selected(), apple);
    EXPECT_EQ(selectedWord(), u"Apple"_s);
}

TEST_F(SearchBox, textMayHoldSpaces)
{
    type(u"ice c"_s);
    EXPECT_EQ(selectedWord(), u"Ice Cream"_s);
    type(u"ream"_s);
    EXPECT_EQ(selectedWord(), u"Ice Cream"_s);
}

TEST_F(SearchBox, xTextLooksOnlyAtTheFirstPosition)
{
    type(u"kite"_s);
    const int kite = selected();
    Text1->clear();
    type(u"x"_s);
    EXPECT_EQ(selected(), kite);
    Text1->clear();
    type(u"a"_s); // position 0 begins with "a", but X's range is the first word only
    Text1->clear();
    type(u"x"_s);
    EXPECT_EQ(selected(), 0);
}

TEST_F(SearchBox, zTextScansPastTheEndOfTheListWithoutHarm)
{
    type(u"zer"_s);
    EXPECT_EQ(selectedWord(), u"Zero"_s);
    type(u"zzz"_s);
    EXPECT_EQ(selectedWord(), u"Zero"_s);
    Text1->setText(u"zzzzzzzzzzzzzz"_s); // one change: the scan runs to position 15500
    EXPECT_EQ(selectedWord(), u"Zero"_s);
}

TEST_F(SearchBox, textNotBeginningWithALetterScansTheLastLetterRange)
{
    type(u"7"_s); // before any letter: position 0 only, which no digit begins
    EXPECT_EQ(selected(), 0);
    Text1->clear();
    type(u"kite"_s);
    const int kite = selected();
    Text1->clear();
    type(u"7 up"_s);
    EXPECT_EQ(selected(), kite);
}

TEST_F(SearchBox, findingTheSelectedWordAgainShowsNothingNew)
{
    type(u"zebr"_s);
    QSignalSpy changes(List1->selectionModel(), &QItemSelectionModel::selectionChanged);
    type(u"a"_s);
    EXPECT_EQ(selectedWord(), u"Zebra"_s);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(SearchBox, pastedAndProgrammaticTextIsSearchedToo)
{
    QGuiApplication::clipboard()->setText(u"ice c"_s);
    Text1->paste();
    EXPECT_EQ(selectedWord(), u"Ice Cream"_s);
    Text1->setText(u"YA"_s);
    EXPECT_EQ(selectedWord(), u"Yak"_s);
}

TEST_F(SearchBox, everyLetterFindsItsOwnWords)
{
    for (const QString &word : kWords) {
        Text1->clear();
        type(word);
        EXPECT_EQ(selected(), s_sample->headwords.indexOf(word)) << word.toStdString();
    }
}

} // namespace
