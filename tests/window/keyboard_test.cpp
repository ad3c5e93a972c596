#include "support/windowharness.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

const QByteArrayList kDictionary{"both||vti||dono tarah||we both agree",
                                 "next||n||agla||the next one"};

class MainWindowKeyboard : public WindowTest
{
protected:
    MainWindowKeyboard()
        : WindowTest(kDictionary)
    {
    }

    static QString focusName()
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : u"(nothing)"_s;
    }

    // Where the focus goes, press by press.
    static QStringList focusPath(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses)
    {
        QStringList path;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            path << focusName();
        }
        return path;
    }
};

TEST_F(MainWindowKeyboard, focusStartsOnTheWordList)
{
    EXPECT_EQ(focusName(), u"List1"_s);
}

TEST_F(MainWindowKeyboard, tab_visitsTheFocusableControlsInTabIndexOrderAndWraps)
{
    ASSERT_EQ(focusName(), u"List1"_s);
    const QStringList expected{u"WMeaning"_s, u"Command1"_s, u"WType"_s,    u"Command2"_s,
                               u"Text1"_s,    u"WExample"_s, u"Command3"_s, u"Command4"_s,
                               u"List1"_s,    u"WMeaning"_s};
    EXPECT_EQ(focusPath(Qt::Key_Tab, Qt::NoModifier, 10), expected);
}

TEST_F(MainWindowKeyboard, shiftTab_goesBackAndWraps)
{
    ASSERT_EQ(focusName(), u"List1"_s);
    const QStringList expected{u"Command4"_s, u"Command3"_s, u"WExample"_s, u"Text1"_s,
                               u"Command2"_s, u"WType"_s,    u"Command1"_s, u"WMeaning"_s,
                               u"List1"_s,    u"Command4"_s};
    EXPECT_EQ(focusPath(Qt::Key_Backtab, Qt::ShiftModifier, 10), expected);
}

TEST_F(MainWindowKeyboard, enterAndEscapeInSearchBoxOrList_pressNoButton)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QString &name : {u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s})
        spies.push_back(std::make_unique<QSignalSpy>(m_window.control<QPushButton>(name),
                                                     &QPushButton::clicked));

    auto *text1 = m_window.control<QLineEdit>(u"Text1"_s);
    QTest::mouseClick(text1, Qt::LeftButton);
    ASSERT_EQ(focusName(), u"Text1"_s);
    QTest::keyClicks(text1, u"ne"_s);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(text1, key);
    EXPECT_EQ(focusName(), u"Text1"_s);

    QWidget *list = m_window.control(u"List1"_s);
    list->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(list, key);

    for (std::size_t i = 0; i < spies.size(); ++i)
        EXPECT_EQ(spies[i]->count(), 0) << "Command" << i + 1;
    EXPECT_TRUE(m_window->isVisible());

    // A button that has the focus does take Enter.
    auto *pronounce = m_window.control<QPushButton>(u"Command3"_s);
    pronounce->setFocus();
    EXPECT_TRUE(answerWindow(modalWindow, [](QWidget *notice) { notice->close(); },
                             [&] { QTest::keyClick(pronounce, Qt::Key_Return); }));
    EXPECT_EQ(spies[2]->count(), 1);
}

class ReadOnlyBox : public MainWindowKeyboard, public ::testing::WithParamInterface<const char *>
{
protected:
    QString boxText() const
    {
        QWidget *box = m_window.control(QString::fromLatin1(GetParam()));
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
    }

    QWidget *box() const { return m_window.control(QString::fromLatin1(GetParam())); }

    // Where a mouse press lands: inside the frame of a scrolling box.
    QWidget *clickTarget() const
    {
        if (auto *text = qobject_cast<QPlainTextEdit *>(box()))
            return text->viewport();
        return box();
    }
};

TEST_P(ReadOnlyBox, typingChangesNothingButSelectAllCopies)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"pasted"_s);
    QTest::mouseClick(clickTarget(), Qt::LeftButton, {}, QPoint(4, 4));
    QWidget *target = box();
    ASSERT_EQ(focusName(), QString::fromLatin1(GetParam()));
    const QString before = boxText();
    ASSERT_FALSE(before.isEmpty());

    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, u"xyz"_s);
    QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxText(), before);

    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), before);
}

INSTANTIATE_TEST_SUITE_P(Window, ReadOnlyBox, ::testing::Values("WMeaning", "WType", "WExample"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
