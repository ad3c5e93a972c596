// The About window as "About" opens it: a fresh modal window each time,
// closed by "Thanks" (or its own close control) and never by Escape.

#include "mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <ostream>

using namespace Qt::StringLiterals;
using namespace tolvani::windowtest;

namespace {

class AboutWindow : public MainWindowTest
{
protected:
    // Presses "About" and hands the window that comes up to `answer`.
    // Returns whether one came up; `shown` keeps track of it afterwards.
    bool openAbout(const std::function<void(QDialog *)> &answer, QPointer<QDialog> *shown = nullptr)
    {
        return answerWindow(modalWindow, [&](QWidget *window) {
            auto *dialog = qobject_cast<QDialog *>(window);
            ASSERT_NE(dialog, nullptr) << "not a dialog: " << window->metaObject()->className();
            ASSERT_EQ(dialog->objectName(), u"about"_s);
            if (shown)
                *shown = dialog;
            answer(dialog);
        }, [&] { QTest::mouseClick(Command2, Qt::LeftButton); });
    }

    static QPushButton *thanks(QDialog *dialog)
    {
        return dialog->findChild<QPushButton *>(u"Command1"_s);
    }

    // A window closed by "Thanks" may be discarded on the way back to the
    // event loop rather than at once.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(AboutWindow, opensModalAndFixedWithTheFocusOnThanks)
{
    EXPECT_TRUE(openAbout([](QDialog *dialog) {
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->windowTitle(), u"About Dictionary"_s);
        EXPECT_EQ(dialog->size(), QSize(441, 180));
        EXPECT_EQ(dialog->minimumSize(), QSize(441, 180)) << "the user can resize it";
        EXPECT_EQ(dialog->maximumSize(), QSize(441, 180)) << "the user can resize it";
        QPushButton *button = thanks(dialog);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), u"Thanks"_s);
        EXPECT_EQ(dialog->focusWidget(), button);
        // The application's focus follows once the window's activation has
        // been delivered, which on a busy machine may come after it shows.
        EXPECT_TRUE(QTest::qWaitFor([button] { return QApplication::focusWidget() == button; }))
                << "the keyboard focus never reached Thanks";
        QTest::mouseClick(button, Qt::LeftButton);
    }));
}

struct Closing {
    const char *name;
    void (*close)(QDialog *dialog, QPushButton *thanks);
};

void PrintTo(const Closing &closing, std::ostream *out)
{
    *out << closing.name;
}

class AboutClosing : public AboutWindow, public ::testing::WithParamInterface<Closing>
{
};

TEST_P(AboutClosing, escapeLeavesItOpen_thenItClosesAndIsDiscarded)
{
    QPointer<QDialog> shown;
    const bool opened = openAbout([](QDialog *dialog) {
        QPushButton *button = thanks(dialog);
        ASSERT_NE(button, nullptr);
        ASSERT_EQ(dialog->focusWidget(), button);
        // Sent where a user's key goes: to the focus, passed up from there.
        QTest::keyClick(button, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << "Escape closed the window";
        GetParam().close(dialog, button);
    }, &shown);

    EXPECT_TRUE(opened);
    settle();
    EXPECT_TRUE(shown.isNull()) << "the closed window was kept";
    EXPECT_TRUE(m_window->findChildren<QDialog *>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
        Each, AboutClosing,
        ::testing::Values(
                Closing{"ClickOnThanks", [](QDialog *, QPushButton *button) {
                            QTest::mouseClick(button, Qt::LeftButton);
                        }},
                Closing{"SpaceOnThanks", [](QDialog *, QPushButton *button) {
                            QTest::keyClick(button, Qt::Key_Space);
                        }},
                Closing{"ReturnOnThanks", [](QDialog *, QPushButton *button) {
                            QTest::keyClick(button, Qt::Key_Return);
                        }},
                Closing{"KeypadEnterOnThanks", [](QDialog *, QPushButton *button) {
                            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
                        }},
                Closing{"WindowCloseControl", [](QDialog *dialog, QPushButton *) { dialog->close(); }}),
        [](const ::testing::TestParamInfo<Closing> &info) { return std::string(info.param.name); });

TEST_F(AboutWindow, closingItLeavesTheMainWindowAsItWas)
{
    QTest::keyClicks(Text1, u"apple p"_s);
    ASSERT_EQ(selectedRow(), kApplePie);
    const WindowState before = state();

    EXPECT_TRUE(openAbout([](QDialog *dialog) {
        if (QPushButton *button = thanks(dialog))
            QTest::mouseClick(button, Qt::LeftButton);
    }));

    EXPECT_EQ(state(), before);
    EXPECT_EQ(state().selectedRow, kApplePie);
    EXPECT_TRUE(m_window->isVisible());
}

// Every label's and button's text, by name.
QMap<QString, QString> contentOf(QDialog *dialog)
{
    QMap<QString, QString> content;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        content.insert(label->objectName(), label->text());
    for (const QPushButton *button : dialog->findChildren<QPushButton *>())
        content.insert(button->objectName(), button->text());
    return content;
}

TEST_F(AboutWindow, isMadeAfreshForEachShowing_withTheSameContent)
{
    QMap<QString, QString> first;
    QMap<QString, QString> second;
    QPointer<QDialog> firstWindow;
    const auto readAndClose = [](QMap<QString, QString> *content) {
        return [content](QDialog *dialog) {
            *content = contentOf(dialog);
            if (QPushButton *button = thanks(dialog))
                QTest::mouseClick(button, Qt::LeftButton);
        };
    };

    ASSERT_TRUE(openAbout(readAndClose(&first), &firstWindow));
    settle();
    EXPECT_TRUE(firstWindow.isNull());
    ASSERT_TRUE(openAbout(readAndClose(&second)));

    EXPECT_EQ(first.size(), 7);
    EXPECT_EQ(second, first);
}

struct LabelLook {
    const char *name;
    QString text;
    QColor colour;
    bool bold;
};

// Looked at on screen: what each label draws, not what it was asked to.
TEST_F(AboutWindow, showsTheCreditsOnAWhitePanel_withTheOrangeTitleOnTop)
{
    EXPECT_TRUE(openAbout([](QDialog *dialog) {
        auto *panel = dialog->findChild<QFrame *>(u"Frame1"_s, Qt::FindDirectChildrenOnly);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->geometry(), QRect(2, -2, 437, 180));
        EXPECT_NE(panel->frameShape(), QFrame::NoFrame);
        const QColor white(255, 255, 255);
        const QImage panelShot = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(pixelsNear(panelShot, panel->rect(), white, 0),
                  panel->width() * panel->height() * 3 / 4);

        const LabelLook looks[] = {
            {"Label2", u"Tolvani"_s, QColor(255, 128, 0), true},
            {"Label1", u"Tolvani"_s, dialog->palette().color(QPalette::ButtonText), true},
            {"Label3", u"Develop By : The Tolvani developers"_s, QColor(64, 64, 64), false},
            {"Label4", u"Visit   : https://tolvani.example.org"_s, QColor(0, 0, 192), false},
            {"Label10", u"Email : tolvani@example.org"_s, QColor(0, 0, 192), false},
            {"Label11", u"Please do comment/suggest and make this perfact"_s, QColor(64, 64, 64), true},
        };
        for (const LabelLook &look : looks) {
            SCOPED_TRACE(look.name);
            auto *label = panel->findChild<QLabel *>(QString::fromLatin1(look.name),
                                                    Qt::FindDirectChildrenOnly);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), look.text);
            EXPECT_EQ(QFontInfo(label->font()).bold(), look.bold);
            // The label alone, as it draws itself.
            const QImage own = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_GT(pixelsNear(own, own.rect(), look.colour), 20) << "its text in its colour";
            // On the white panel an opaque label looks the same as a
            // transparent one, so this is read from the label.
            EXPECT_FALSE(label->autoFillBackground()) << "a label hides what is beneath it";
        }
        ASSERT_NE(thanks(dialog), nullptr);
        EXPECT_EQ(thanks(dialog)->parentWidget(), panel);

        // The button-text title lies exactly beneath the orange one.
        auto *title = panel->findChild<QLabel *>(u"Label2"_s);
        auto *beneath = panel->findChild<QLabel *>(u"Label1"_s);
        ASSERT_TRUE(title && beneath);
        EXPECT_EQ(beneath->geometry(), title->geometry());
        EXPECT_EQ(beneath->font(), title->font());
        EXPECT_EQ(panel->childAt(title->geometry().center()), title);

        // On screen the title is orange: no dark pixel of the one beneath
        // shows through, though antialiased edges may darken a little.
        const QImage shot = panel->grab(title->geometry()).toImage();
        int orange = 0;
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                orange += pixel.red() > 240 && pixel.green() > 100 && pixel.green() < 160
                        && pixel.blue() < 40;
                dark += pixel.red() < 100 && pixel.green() < 100 && pixel.blue() < 100;
            }
        }
        EXPECT_GT(orange, 20);
        EXPECT_EQ(dark, 0);

        if (QPushButton *button = thanks(dialog))
            QTest::mouseClick(button, Qt::LeftButton);
    }));
}

} // namespace
