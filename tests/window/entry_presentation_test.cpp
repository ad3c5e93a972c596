#include "support/windowharness.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

// What the window shows for the selected entry.
struct Shown {
    QString meaning;
    QString type;
    QString example;
    QString caption;

    bool operator==(const Shown &) const = default;
};

void PrintTo(const Shown &shown, std::ostream *out)
{
    *out << "meaning \"" << shown.meaning.toStdString() << "\", type \"" << shown.type.toStdString()
         << "\", example \"" << shown.example.toStdString() << "\", caption "
         << shown.caption.toStdString();
}

class EntryBoxes
{
public:
    explicit EntryBoxes(TestWindow &window)
        : list(window.control<QListView>(u"List1"_s))
        , meaning(window.control<QPlainTextEdit>(u"WMeaning"_s))
        , type(window.control<QLineEdit>(u"WType"_s))
        , example(window.control<QPlainTextEdit>(u"WExample"_s))
        , copy(window.action(u"MCopy"_s))
    {
    }

    Shown shown() const
    {
        return {meaning->toPlainText(), type->text(), example->toPlainText(), copy->text()};
    }

    void arrowDown() const { QTest::keyClick(list, Qt::Key_Down); }
    void arrowUp() const { QTest::keyClick(list, Qt::Key_Up); }

    void click(int row) const
    {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    int selectedRow() const { return list->currentIndex().row(); }

    QListView *list;
    QPlainTextEdit *meaning;
    QLineEdit *type;
    QPlainTextEdit *example;
    QAction *copy;
};

// Shown first, so that a box that keeps its text keeps this one's.
const QByteArray kFullFirst = "first||vt||pehla arth||first example";
const Shown kFirstShown{u"Pehla Arth"_s, u"Verb transitive"_s, u"first example"_s,
                        u"Copy \"First\""_s};

struct LineCase {
    const char *name;
    QByteArray line;
    Shown expected;
};

class EntryAfterAFullOne : public ::testing::TestWithParam<LineCase> {};

TEST_P(EntryAfterAFullOne, arrowingOntoTheLineShowsWhatItHolds)
{
    TestWindow window({kFullFirst, GetParam().line});
    window.showActive();
    EntryBoxes boxes(window);
    ASSERT_EQ(boxes.shown(), kFirstShown);

    boxes.arrowDown();

    ASSERT_EQ(boxes.selectedRow(), 1);
    EXPECT_EQ(boxes.shown(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Window, EntryAfterAFullOne,
    ::testing::Values(
        LineCase{"fourFields", "head||n||ek prakar ka||example text",
                 {u"Ek Prakar Ka"_s, u"Noun"_s, u"example text"_s, u"Copy \"Head\""_s}},
        LineCase{"threeFieldsKeepTheEarlierExample", "karo||vi||kuch karna",
                 {u"Kuch Karna"_s, u"Verb intransitive"_s, u"first example"_s,
                  u"Copy \"Karo\""_s}},
        LineCase{"twoFieldsKeepMeaningAndExample", "jaldi||adv",
                 {u"Pehla Arth"_s, u"Adverb"_s, u"first example"_s, u"Copy \"Jaldi\""_s}},
        LineCase{"noSeparatorKeepsEveryBoxButNotTheCaption", "lone word",
                 {u"Pehla Arth"_s, u"Verb transitive"_s, u"first example"_s,
                  u"Copy \"Lone Word\""_s}},
        LineCase{"emptyLineKeepsEveryBoxButNotTheCaption", "",
                 {u"Pehla Arth"_s, u"Verb transitive"_s, u"first example"_s, u"Copy \"\""_s}},
        LineCase{"unknownCodeKeepsTheType", "ajab||nn||ajeeb||ajeeb cheez",
                 {u"Ajeeb"_s, u"Verb transitive"_s, u"ajeeb cheez"_s, u"Copy \"Ajab\""_s}},
        LineCase{"codeWithoutItsColonKeepsTheType", "ie||abbr||arthaat||ie, yaani",
                 {u"Arthaat"_s, u"Verb transitive"_s, u"ie, yaani"_s, u"Copy \"Ie\""_s}},
        LineCase{"emptyTypeFieldKeepsTheType", "khali||||khali arth||khali udaharan",
                 {u"Khali Arth"_s, u"Verb transitive"_s, u"khali udaharan"_s,
                  u"Copy \"Khali\""_s}},
        LineCase{"codeWithTrailingSpaceKeepsTheType", "naam||n ||naam||mera naam",
                 {u"Naam"_s, u"Verb transitive"_s, u"mera naam"_s, u"Copy \"Naam\""_s}},
        LineCase{"emptyExampleFieldClearsTheExample", "chup||interj||chup raho||",
                 {u"Chup Raho"_s, u"Interjection"_s, QString(), u"Copy \"Chup\""_s}},
        LineCase{"fifthFieldIsIgnored", "paanch||n||paanch||five of them||extra||more",
                 {u"Paanch"_s, u"Noun"_s, u"five of them"_s, u"Copy \"Paanch\""_s}},
        LineCase{"meaningProperCasedExampleVerbatim", "SHOR||N||BAHUT sHoR  hai||Keep THIS, as-is ",
                 {u"Bahut Shor  Hai"_s, u"Noun"_s, u"Keep THIS, as-is "_s, u"Copy \"Shor\""_s}},
        LineCase{"singleBarsStayInTheExample", "pipe||n||nali||a|b | c",
                 {u"Nali"_s, u"Noun"_s, u"a|b | c"_s, u"Copy \"Pipe\""_s}},
        LineCase{"upperCaseCodeWithColon", "tv||ABBR:||doordarshan||tv dekho",
                 {u"Doordarshan"_s, u"Abbreviation"_s, u"tv dekho"_s, u"Copy \"Tv\""_s}},
        LineCase{"mixedCaseCodeAsStored", "hona||auxV||hona||ho sakta hai",
                 {u"Hona"_s, u"Auxiliary verb"_s, u"ho sakta hai"_s, u"Copy \"Hona\""_s}},
        LineCase{"codeMatchedWholeNotAsPrefix", "utha lo||phrvt||utha lena||use utha lo",
                 {u"Utha Lena"_s, u"Phrasal verb transitive"_s, u"use utha lo"_s,
                  u"Copy \"Utha Lo\""_s}},
        LineCase{"codeWithInnerSpace", "khud||refl pron||svayam||khud karo",
                 {u"Svayam"_s, u"Reflexive pronoun"_s, u"khud karo"_s, u"Copy \"Khud\""_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EntryPresentation, firstEntryWithUnknownCode_leavesTheTypeBoxEmpty)
{
    TestWindow window({"odd||zz||ajeeb||ajeeb baat", "next||n||agla||agla wala"});
    window.showActive();
    EntryBoxes boxes(window);

    EXPECT_EQ(boxes.shown(), (Shown{u"Ajeeb"_s, QString(), u"ajeeb baat"_s, u"Copy \"Odd\""_s}));

    boxes.arrowDown();
    EXPECT_EQ(boxes.type->text(), u"Noun"_s);
}

TEST(EntryPresentation, firstEntryWithTwoFields_leavesMeaningAndExampleEmpty)
{
    TestWindow window({"alone||n", "next||vi||agla||agla wala"});
    EntryBoxes boxes(window);

    EXPECT_EQ(boxes.shown(), (Shown{QString(), u"Noun"_s, QString(), u"Copy \"Alone\""_s}));
}

TEST(EntryPresentation, shortLinesInARow_keepTextFromFurtherBack)
{
    TestWindow window({kFullFirst, "teen||n||teen arth", "do||adv", "ek", "char||vi||||"});
    window.showActive();
    EntryBoxes boxes(window);

    boxes.arrowDown();
    boxes.arrowDown();
    boxes.arrowDown();
    EXPECT_EQ(boxes.shown(),
              (Shown{u"Teen Arth"_s, u"Adverb"_s, u"first example"_s, u"Copy \"Ek\""_s}));

    boxes.arrowDown();
    EXPECT_EQ(boxes.shown(), (Shown{QString(), u"Verb intransitive"_s, QString(), u"Copy \"Char\""_s}));
}

TEST(EntryPresentation, arrowKeys_showEachEntryInTurnBothWays)
{
    TestWindow window({"apple||n||seb||an apple a day", "run||vi||daudna||he runs fast",
                       "quickly||adv||jaldi se||come quickly", "ouch||interj||aah||Ouch! That hurt."});
    window.showActive();
    EntryBoxes boxes(window);
    const QList<Shown> entries{
        {u"Seb"_s, u"Noun"_s, u"an apple a day"_s, u"Copy \"Apple\""_s},
        {u"Daudna"_s, u"Verb intransitive"_s, u"he runs fast"_s, u"Copy \"Run\""_s},
        {u"Jaldi Se"_s, u"Adverb"_s, u"come quickly"_s, u"Copy \"Quickly\""_s},
        {u"Aah"_s, u"Interjection"_s, u"Ouch! That hurt."_s, u"Copy \"Ouch\""_s},
    };

    EXPECT_EQ(boxes.shown(), entries[0]);
    for (int row = 1; row < entries.size(); ++row) {
        boxes.arrowDown();
        EXPECT_EQ(boxes.shown(), entries[row]) << "down to row " << row;
    }
    for (int row = int(entries.size()) - 2; row >= 0; --row) {
        boxes.arrowUp();
        EXPECT_EQ(boxes.shown(), entries[row]) << "up to row " << row;
    }
}

TEST(EntryPresentation, clickingAnItem_showsItsEntry)
{
    TestWindow window({"apple||n||seb||an apple a day", "run||vi||daudna||he runs fast",
                       "quickly||adv||jaldi se||come quickly"});
    window.showActive();
    EntryBoxes boxes(window);

    boxes.click(2);

    ASSERT_EQ(boxes.selectedRow(), 2);
    EXPECT_EQ(boxes.shown(),
              (Shown{u"Jaldi Se"_s, u"Adverb"_s, u"come quickly"_s, u"Copy \"Quickly\""_s}));
}

TEST(EntryPresentation, samePositionAgain_showsTheSame)
{
    TestWindow window({kFullFirst, "do||adv||dobara||phir se", "teen||n||teen arth||teen baar"});
    window.showActive();
    EntryBoxes boxes(window);

    boxes.click(1);
    const Shown once = boxes.shown();
    boxes.click(1);
    EXPECT_EQ(boxes.shown(), once);

    boxes.click(2);
    boxes.click(1);
    EXPECT_EQ(boxes.shown(), once);
    EXPECT_EQ(once, (Shown{u"Dobara"_s, u"Adverb"_s, u"phir se"_s, u"Copy \"Do\""_s}));
}

TEST(EntryPresentation, wordWithAmpersand_namedInTheMenuAsWritten)
{
    TestWindow window({"r&b||n||sangeet||r&b suno", "rock & roll||n||naach||Rock & Roll"});
    window.showActive();
    EntryBoxes boxes(window);

    // A lone '&' in an action's text marks an access key; the word has none.
    EXPECT_EQ(boxes.copy->text(), u"Copy \"R&&b\""_s);
    EXPECT_EQ(boxes.copy->iconText(), u"Copy \"R&b\""_s);
    EXPECT_TRUE(QKeySequence::mnemonic(boxes.copy->text()).isEmpty());

    boxes.arrowDown();
    EXPECT_EQ(boxes.copy->iconText(), u"Copy \"Rock & Roll\""_s);
    EXPECT_EQ(boxes.example->toPlainText(), u"Rock & Roll"_s);
}

} // namespace
