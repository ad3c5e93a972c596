// "Pronounce" and "Charactors": the same notice, and nothing else.

#include "mainwindow.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <ostream>

using namespace Qt::StringLiterals;
using namespace tolvani::windowtest;

namespace {

struct NoticeButton {
    const char *name;
    const char *caption;
};

void PrintTo(const NoticeButton &button, std::ostream *out)
{
    *out << button.name << " \"" << button.caption << '"';
}

class FeatureNotice : public MainWindowTest, public ::testing::WithParamInterface<NoticeButton>
{
};

TEST_P(FeatureNotice, showsTheModalErrorNoticeWithOneOkButton_andChangesNothing)
{
    QTest::keyClicks(Text1, u"apr"_s);
    const WindowState before = state();
    auto *button = m_window->findChild<QPushButton *>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(button->text(), QString::fromLatin1(GetParam().caption));

    const bool shown = answerWindow(modalWindow, [](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        ASSERT_NE(box, nullptr) << "not a message box: " << window->metaObject()->className();
        EXPECT_EQ(box->windowTitle(), u"Error"_s);
        EXPECT_EQ(box->text(),
                  u"Please download dictionary with MS Agent support from https://tolvani.example.org"_s);
        EXPECT_TRUE(box->informativeText().isEmpty());
        EXPECT_TRUE(box->detailedText().isEmpty());
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_TRUE(box->iconPixmap().isNull());
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
    }, [&] { QTest::mouseClick(button, Qt::LeftButton); });

    EXPECT_TRUE(shown) << "no modal notice came up";
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(m_window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Each, FeatureNotice,
                         ::testing::Values(NoticeButton{"Command3", "Pronounce"},
                                           NoticeButton{"Command4", "Charactors"}),
                         [](const ::testing::TestParamInfo<NoticeButton> &info) {
                             return std::string(info.param.caption);
                         });

} // namespace
