// The copy menu on the word list: which presses open it, where, what it
// names, and what choosing its item puts on the clipboard.

#include "mainwindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace tolvani::windowtest;

namespace {

const QString kSentinel = u"left on the clipboard by the test"_s;

// Every change of the clipboard, to see that a copy clears it first.
class ClipboardLog
{
public:
    ClipboardLog()
    {
        QGuiApplication::clipboard()->setText(kSentinel);
        m_connection = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [this] {
            const QMimeData *data = QGuiApplication::clipboard()->mimeData();
            m_changes.push_back(data && data->hasText() ? data->text() : u"<no text>"_s);
        });
    }
    ~ClipboardLog() { QObject::disconnect(m_connection); }

    const std::vector<QString> &changes() const { return m_changes; }

private:
    QMetaObject::Connection m_connection;
    std::vector<QString> m_changes;
};

class ListMenu : public MainWindowTest
{
protected:
    // A right press over `row`, answered by `answer` while the menu is up.
    bool rightPressOver(int row, const std::function<void(QWidget *)> &answer)
    {
        const QPoint point = rowCentre(row);
        const bool opened = answerWindow(popupMenu, answer, [&] {
            QTest::mousePress(List1->viewport(), Qt::RightButton, {}, point);
        });
        QTest::mouseRelease(List1->viewport(), Qt::RightButton, {}, point);
        return opened;
    }

    // Chooses the copy item as a user does, with a click on it.
    void chooseCopy(QWidget *popup)
    {
        auto *menu = qobject_cast<QMenu *>(popup);
        ASSERT_EQ(menu, MFile);
        ASSERT_TRUE(menu->actions().contains(MCopy));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(MCopy).center());
    }

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(ListMenu, rightPressOverAnotherRow_popsUpCopyMenuForTheSelectedWordAndKeepsTheSelection)
{
    selectRow(kApricot);
    const WindowState before = state();
    const QPoint pressed = List1->viewport()->mapToGlobal(rowCentre(kApple));

    const bool opened = rightPressOver(kApple, [&](QWidget *popup) {
        EXPECT_EQ(popup->objectName(), u"MFile"_s);
        auto *menu = qobject_cast<QMenu *>(popup);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().front(), MCopy);
        EXPECT_EQ(MCopy->text(), u"Copy \"Apricot\""_s) << "the menu must name the word it copies";
        EXPECT_EQ(menu->pos(), pressed) << "the menu opens at the pointer";
        EXPECT_EQ(menu->activeAction(), nullptr) << "no item is preselected";
        EXPECT_EQ(selectedRow(), kApricot) << "the press moved the selection";
        QTest::keyClick(menu, Qt::Key_Escape);
    });

    EXPECT_TRUE(opened);
    EXPECT_EQ(state(), before);
}

TEST_F(ListMenu, choosingCopy_clearsTheClipboardThenPutsTheSelectedWord)
{
    selectRow(kApplePie);
    const WindowState before = state();
    ClipboardLog log;

    // Pressed over another row: the copied word is the selected one.
    EXPECT_TRUE(rightPressOver(kAvocado, [&](QWidget *popup) { chooseCopy(popup); }));

    EXPECT_EQ(clipboardText(), u"Apple Pie"_s);
    EXPECT_EQ(log.changes(), (std::vector<QString>{u"<no text>"_s, u"Apple Pie"_s}));
    EXPECT_EQ(state(), before);
}

TEST_F(ListMenu, choosingCopyWithNothingSelected_putsTheEmptyString)
{
    List1->selectionModel()->clearCurrentIndex();
    List1->selectionModel()->clearSelection();
    ASSERT_EQ(selectedRow(), -1);
    ClipboardLog log;

    EXPECT_TRUE(rightPressOver(kApple, [&](QWidget *popup) { chooseCopy(popup); }));

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), QString());
    EXPECT_EQ(log.changes(), (std::vector<QString>{u"<no text>"_s, QString()}));
    EXPECT_EQ(selectedRow(), -1);
}

TEST_F(ListMenu, leftAndMiddlePresses_openNoMenu)
{
    const auto unexpected = [](QWidget *popup) {
        ADD_FAILURE() << "a press opened " << popup->objectName().toStdString();
        popup->close();
    };
    ClipboardLog log;

    // The left press selects the row under the pointer, as a list does.
    EXPECT_FALSE(answerWindow(popupMenu, unexpected, [&] {
        QTest::mouseClick(List1->viewport(), Qt::LeftButton, {}, rowCentre(kAvocado));
    }));
    EXPECT_EQ(popupMenu(), nullptr);
    EXPECT_EQ(selectedRow(), kAvocado);

    EXPECT_FALSE(answerWindow(popupMenu, unexpected, [&] {
        QTest::mouseClick(List1->viewport(), Qt::MiddleButton, {}, rowCentre(kApple));
    }));
    EXPECT_EQ(popupMenu(), nullptr);
    EXPECT_TRUE(log.changes().empty()) << "nothing is copied";
}

TEST_F(ListMenu, menuKeyAndShiftF10_popUpCopyMenuBelowTheSelectedRowWithItsItemActive)
{
    selectRow(kApricot);
    const WindowState before = state();
    const QPoint belowRow =
            List1->viewport()->mapToGlobal(List1->visualRect(List1->model()->index(kApricot, 0)).bottomLeft());
    const std::pair<Qt::Key, Qt::KeyboardModifiers> menuKeys[] = {{Qt::Key_Menu, Qt::NoModifier},
                                                                  {Qt::Key_F10, Qt::ShiftModifier}};

    for (const auto &[key, modifiers] : menuKeys) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        ClipboardLog log;
        // Escape closes it and copies nothing.
        EXPECT_TRUE(answerWindow(popupMenu, [&](QWidget *popup) {
            EXPECT_EQ(popup, MFile);
            QTest::keyClick(popup, Qt::Key_Escape);
        }, [&] { QTest::keyClick(List1, key, modifiers); }));
        EXPECT_TRUE(log.changes().empty());

        // Opened from the keyboard, its one item is active, so Return
        // chooses it and a screen reader reads it out.
        EXPECT_TRUE(answerWindow(popupMenu, [&](QWidget *popup) {
            EXPECT_EQ(popup->pos(), belowRow);
            EXPECT_EQ(MCopy->text(), u"Copy \"Apricot\""_s);
            EXPECT_EQ(MFile->activeAction(), MCopy);
            QTest::keyClick(popup, Qt::Key_Return);
        }, [&] { QTest::keyClick(List1, key, modifiers); }));
        EXPECT_EQ(log.changes(), (std::vector<QString>{u"<no text>"_s, u"Apricot"_s}));
    }

    // F10 alone is no menu key.
    EXPECT_FALSE(answerWindow(popupMenu, [](QWidget *popup) { popup->close(); },
                              [&] { QTest::keyClick(List1, Qt::Key_F10); }));
    EXPECT_EQ(state(), before);
}

TEST_F(ListMenu, menuFollowsTheSearch_copyingTheWordTypedTowards)
{
    QTest::keyClicks(Text1, u"apr"_s);
    ASSERT_EQ(selectedRow(), kApricot);
    ClipboardLog log;

    EXPECT_TRUE(rightPressOver(kApple, [&](QWidget *popup) {
        EXPECT_EQ(MCopy->text(), u"Copy \"Apricot\""_s);
        chooseCopy(popup);
    }));

    EXPECT_EQ(clipboardText(), u"Apricot"_s);
    EXPECT_EQ(Text1->text(), u"apr"_s);
}

} // namespace
