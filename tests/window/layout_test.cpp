#include "platform/fonts.h"
#include "support/windowharness.h"
#include "ui/contrast.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tolvani;
using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

const QByteArrayList kDictionary{"first||vti||pehla arth||first example",
                                 "second||n||doosra||second example"};

// One window for the whole suite: nothing here changes it.
class MainWindowLayout : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_window = std::make_unique<TestWindow>(kDictionary);
        s_window->showActive();
    }
    static void TearDownTestSuite() { s_window.reset(); }

    static DicFrm &window() { return *s_window->get(); }
    template <typename T = QWidget>
    static T *control(const QString &name)
    {
        return s_window->control<T>(name);
    }

    static inline std::unique_ptr<TestWindow> s_window;
};

TEST_F(MainWindowLayout, clientArea_isFixedAt511By326WithoutMaximize)
{
    EXPECT_EQ(window().size(), QSize(511, 326));
    EXPECT_EQ(window().minimumSize(), window().size());
    EXPECT_EQ(window().maximumSize(), window().size());
    EXPECT_FALSE(window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window().windowTitle(), u"Tolvani"_s);
    // A QIcon of missing files is not null; its sizes show what was found.
    const QList<QSize> sizes = window().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)))
            << "icon sizes found: " << sizes.size();
    EXPECT_FALSE(window().windowIcon().pixmap(32).toImage().isNull());
}

TEST(MainWindowState, askingToMaximize_leavesTheWindowAtItsSize)
{
    TestWindow window(kDictionary);
    window.showActive();
    window->setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE_EQ(window->windowState(), Qt::WindowNoState);
    EXPECT_EQ(window->size(), QSize(511, 326));
}

// Where a control sits in its container, in pixels: the window's layout
// table gives twips, 15 to the pixel.
struct Placed {
    const char *name;
    QRect pixels;
    const char *container;
};

class FixedSizeControl : public MainWindowLayout, public ::testing::WithParamInterface<Placed> {};

TEST_P(FixedSizeControl, sitsAtItsTwipsInItsContainer)
{
    const QWidget *widget = control(QString::fromLatin1(GetParam().name));
    EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(GetParam().container));
    EXPECT_EQ(widget->geometry(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Window, FixedSizeControl,
    ::testing::Values(Placed{"Command1", {406, 292, 98, 23}, "DicFrm"},
                      Placed{"Command2", {406, 270, 98, 23}, "DicFrm"},
                      Placed{"Command3", {406, 225, 98, 24}, "DicFrm"},
                      Placed{"Command4", {406, 248, 98, 23}, "DicFrm"},
                      Placed{"WExample", {165, 224, 230, 91}, "DicFrm"},
                      Placed{"Text1", {4, 82, 152, 20}, "DicFrm"},
                      Placed{"WType", {165, 103, 124, 22}, "DicFrm"},
                      Placed{"WMeaning", {165, 151, 343, 49}, "DicFrm"},
                      Placed{"List1", {4, 103, 152, 212}, "DicFrm"},
                      Placed{"Frame1", {1, -2, 518, 60}, "DicFrm"},
                      Placed{"Label9", {303, 69, 213, 55}, "DicFrm"},
                      Placed{"Label11", {389, 135, 118, 16}, "DicFrm"}),
    [](const auto &info) { return std::string(info.param.name); });

class LabelFittingItsText : public MainWindowLayout,
                            public ::testing::WithParamInterface<Placed> {};

TEST_P(LabelFittingItsText, startsAtItsTwipsAndTakesItsCaptionsSize)
{
    const auto *label = control<QLabel>(QString::fromLatin1(GetParam().name));
    EXPECT_EQ(label->parentWidget()->objectName(), QString::fromLatin1(GetParam().container));
    EXPECT_EQ(label->pos(), GetParam().pixels.topLeft());
    EXPECT_EQ(label->size(), label->sizeHint());
    // Fitting means every character of the caption is on show.
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
    EXPECT_GE(label->height(), metrics.height());
}

// Only the top-left corner counts: the label takes its caption's size.
INSTANTIATE_TEST_SUITE_P(Window, LabelFittingItsText,
                         ::testing::Values(Placed{"Label1", {3, 66, 0, 0}, "DicFrm"},
                                           Placed{"Label2", {165, 135, 0, 0}, "DicFrm"},
                                           Placed{"Label3", {165, 208, 0, 0}, "DicFrm"},
                                           Placed{"Label4", {165, 88, 0, 0}, "DicFrm"},
                                           Placed{"Label5", {8, 6, 0, 0}, "Frame1"},
                                           Placed{"Label6", {7, 5, 0, 0}, "Frame1"},
                                           Placed{"Label7", {7, 27, 0, 0}, "Frame1"},
                                           Placed{"Label10", {7, 41, 0, 0}, "Frame1"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowLayout, onlyTheTitleBandAndTheFreewareNote_leaveTheClientArea)
{
    const QRect client = window().rect();
    int checked = 0;
    for (const QWidget *widget : window().findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->isWindow())
            continue; // the popup menu is not laid out on the window
        ++checked;
        const QString name = widget->objectName();
        const QRect rect = widget->geometry();
        if (name == u"Frame1") {
            EXPECT_LT(rect.top(), client.top());
            EXPECT_GT(rect.right(), client.right());
            EXPECT_EQ(rect.left(), 1) << "one pixel of window shows left of the band";
            EXPECT_LT(rect.bottom(), client.bottom());
        } else if (name == u"Label9") {
            EXPECT_GT(rect.right(), client.right());
            EXPECT_TRUE(client.contains(rect.topLeft()));
            EXPECT_LT(rect.bottom(), client.bottom());
        } else {
            EXPECT_TRUE(client.contains(rect)) << name.toStdString() << " leaves the client area";
        }
    }
    EXPECT_EQ(checked, 16);

    const auto *frame = control<QFrame>(u"Frame1"_s);
    const QList<QLabel *> inBand = frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(inBand.size(), 4);
    for (const QLabel *label : inBand) {
        EXPECT_TRUE(frame->rect().contains(label->geometry()))
                << label->objectName().toStdString() << " leaves Frame1";
    }
}

TEST_F(MainWindowLayout, columnsAndButtons_lineUp)
{
    const QRect list = control(u"List1"_s)->geometry();
    const QRect search = control(u"Text1"_s)->geometry();
    const QRect example = control(u"WExample"_s)->geometry();
    const QRect exit = control(u"Command1"_s)->geometry();

    EXPECT_EQ(search.left(), list.left());
    EXPECT_EQ(search.width(), list.width());
    EXPECT_LT(search.bottom(), list.top());
    EXPECT_EQ(list.bottom(), example.bottom());
    EXPECT_EQ(list.bottom(), exit.bottom());
    EXPECT_EQ(window().height() - 1 - list.bottom(), 11);

    for (const char *name : {"Label4", "WType", "Label2", "WMeaning", "Label3", "WExample"})
        EXPECT_EQ(control(QString::fromLatin1(name))->x(), example.left()) << name;

    // Top to bottom; each overlaps the one above by one pixel.
    const char *buttons[] = {"Command3", "Command4", "Command2", "Command1"};
    for (int i = 1; i < 4; ++i) {
        const QRect upper = control(QString::fromLatin1(buttons[i - 1]))->geometry();
        const QRect lower = control(QString::fromLatin1(buttons[i]))->geometry();
        EXPECT_EQ(lower.left(), upper.left());
        EXPECT_EQ(lower.top(), upper.bottom()) << buttons[i];
    }

    // The orange title's shadow, one pixel right and down.
    EXPECT_EQ(control(u"Label5"_s)->pos(), control(u"Label6"_s)->pos() + QPoint(1, 1));
}

// Index of each named sibling in its parent's stacking order, back first.
int stackIndex(const QWidget *widget)
{
    return int(widget->parentWidget()->children().indexOf(const_cast<QWidget *>(widget)));
}

TEST_F(MainWindowLayout, controlsAreStackedFrontToBackAsListed)
{
    const QStringList onWindow{u"Command1"_s, u"Command2"_s, u"Command4"_s, u"Command3"_s,
                               u"WExample"_s, u"Text1"_s,    u"WType"_s,    u"WMeaning"_s,
                               u"List1"_s,    u"Frame1"_s,   u"Label9"_s,   u"Label11"_s,
                               u"Label4"_s,   u"Label3"_s,   u"Label2"_s,   u"Label1"_s};
    const QStringList inBand{u"Label10"_s, u"Label7"_s, u"Label6"_s, u"Label5"_s};
    for (const QStringList &frontToBack : {onWindow, inBand}) {
        for (qsizetype i = 1; i < frontToBack.size(); ++i) {
            EXPECT_GT(stackIndex(control(frontToBack[i - 1])), stackIndex(control(frontToBack[i])))
                    << frontToBack[i - 1].toStdString() << " should be over "
                    << frontToBack[i].toStdString();
        }
    }
}

TEST_F(MainWindowLayout, meaningAndExampleBoxes_scrollOnlyVertically)
{
    for (const QString &name : {u"WMeaning"_s, u"WExample"_s}) {
        const auto *box = control<QPlainTextEdit>(name);
        EXPECT_TRUE(box->isReadOnly()) << name.toStdString();
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name.toStdString();
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << name.toStdString();
        EXPECT_TRUE(box->verticalScrollBar()->isVisible()) << name.toStdString();
    }
}

TEST(MainWindowText, longMeaningAndExample_wrapAtWordsAndScroll)
{
    const QByteArray words = QByteArray("bahut lamba vakya ").repeated(30);
    TestWindow window({"long||n||" + words + "||" + words});
    window.showActive();

    for (const QString &name : {u"WMeaning"_s, u"WExample"_s}) {
        const auto *box = window.control<QPlainTextEdit>(name);
        const QTextBlock block = box->document()->firstBlock();
        const QTextLayout *lines = block.layout();
        ASSERT_GT(lines->lineCount(), 1) << name.toStdString();
        for (int i = 0; i + 1 < lines->lineCount(); ++i) {
            // Each wrapped line ends where a word ends.
            const QTextLine line = lines->lineAt(i);
            const QString text = block.text().mid(line.textStart(), line.textLength());
            EXPECT_TRUE(text.endsWith(u' ')) << name.toStdString() << " line " << i;
        }
        EXPECT_GT(box->verticalScrollBar()->maximum(), 0) << name.toStdString();
        EXPECT_FALSE(box->horizontalScrollBar()->isVisible()) << name.toStdString();
    }
}

TEST(MainWindowText, longTypeName_showsItsBeginningOnOneLine)
{
    TestWindow window({"first||n||pehla||pehla", "both||vti||dono||dono tarah"});
    window.showActive();
    auto *type = window.control<QLineEdit>(u"WType"_s);
    QTest::keyClick(window.control(u"List1"_s), Qt::Key_Down);

    ASSERT_EQ(type->text(), u"Verb transitive, intransitive"_s);
    EXPECT_TRUE(type->isReadOnly());
    // The name is wider than the box, so which end shows matters.
    EXPECT_GT(type->fontMetrics().horizontalAdvance(type->text()), type->width());
    EXPECT_EQ(type->cursorPosition(), 0);
}

struct FontCase {
    const char *name;
    const char *family;
    int pixelSize; // the point size at 96 dots per inch
    bool bold;
};

class ControlFont : public MainWindowLayout, public ::testing::WithParamInterface<FontCase> {};

// What is drawn, not only what was asked for: the face that stands in for
// the named one, at the size and weight that the layout gives.
TEST_P(ControlFont, drawsWithItsFace)
{
    const QFont font = control(QString::fromLatin1(GetParam().name))->font();
    EXPECT_EQ(font.families(), tolvani::familiesFor(QString::fromLatin1(GetParam().family)));
    const QFontInfo drawn(font);
    EXPECT_EQ(drawn.family(), QFontInfo(QFont(QString::fromLatin1(GetParam().family))).family());
    EXPECT_EQ(drawn.pixelSize(), GetParam().pixelSize);
    EXPECT_EQ(drawn.bold(), GetParam().bold);
    EXPECT_FALSE(drawn.italic() || drawn.underline() || drawn.strikeOut());
}

INSTANTIATE_TEST_SUITE_P(Window, ControlFont,
                         ::testing::Values(FontCase{"Label5", "Times New Roman", 19, false},
                                           FontCase{"Label6", "Times New Roman", 19, false},
                                           FontCase{"Label7", "Tahoma", 11, false},
                                           FontCase{"Label9", "Tahoma", 11, false},
                                           FontCase{"Label10", "Tahoma", 11, false},
                                           FontCase{"Label11", "MS Sans Serif", 11, true},
                                           FontCase{"Label1", "MS Sans Serif", 11, false},
                                           FontCase{"Label4", "MS Sans Serif", 11, false},
                                           FontCase{"Command3", "MS Sans Serif", 11, false},
                                           FontCase{"List1", "MS Sans Serif", 11, false},
                                           FontCase{"WMeaning", "MS Sans Serif", 11, false}),
                         [](const auto &info) { return std::string(info.param.name); });

QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

TEST_F(MainWindowLayout, titleBand_drawsItsCaptionsInTheirColours)
{
    const QImage image = window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), window().size());
    const QColor band(64, 64, 64);

    // Right of the captions, the band alone; left of it, one column of window.
    EXPECT_EQ(image.pixelColor(window().width() - 6, 10), band);
    EXPECT_EQ(image.pixelColor(0, 10), window().palette().color(QPalette::Window));

    struct Caption {
        const char *name;
        QColor colour;
    };
    // The black shadow shows only if the orange title above it is transparent.
    for (const Caption &caption : {Caption{"Label6", QColor(255, 128, 0)},
                                   Caption{"Label5", QColor(0, 0, 0)},
                                   Caption{"Label7", QColor(192, 192, 192)},
                                   Caption{"Label10", QColor(192, 192, 255)}}) {
        const QRect area = inWindow(control(QString::fromLatin1(caption.name)), &window());
        EXPECT_GT(pixelsNear(image, area, caption.colour), 10) << caption.name;
        EXPECT_GT(pixelsNear(image, area, band), area.width() * area.height() / 3) << caption.name;
    }
}

TEST_F(MainWindowLayout, labels_noteIsGreyAndWrapped_onlyTheWordCountIsOpaque)
{
    const auto *note = control<QLabel>(u"Label9"_s);
    EXPECT_EQ(note->palette().color(note->foregroundRole()), QColor(64, 64, 64));
    EXPECT_TRUE(note->wordWrap());
    EXPECT_GT(note->heightForWidth(note->width()), note->fontMetrics().height())
            << "the note wraps over several lines";
    EXPECT_LE(note->heightForWidth(note->width()), note->height());

    EXPECT_TRUE(control(u"Label11"_s)->autoFillBackground()) << "the word count is opaque";
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                             "Label9", "Label10"})
        EXPECT_FALSE(control(QString::fromLatin1(name))->autoFillBackground()) << name;
}

TEST(CaptionContrast, measuresAsWcagDoes)
{
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(64, 64, 64), QColor(64, 64, 64)), 1.0);
    // #777777 on white is the usual example of just too little.
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
}

// The application's palette for as long as it lives.
class PaletteScope
{
public:
    explicit PaletteScope(const QPalette &palette) : m_saved(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteScope() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

TEST(MainWindowColours, darkPalette_freewareNoteTakesThePalettesTextColour_bandKeepsItsOwn)
{
    QPalette dark = QApplication::palette();
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(42, 42, 46));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(224, 224, 224));
    const PaletteScope scope(dark);
    TestWindow window(kDictionary);
    window.showActive();

    const auto *note = window.control<QLabel>(u"Label9"_s);
    const QColor background = window->palette().color(QPalette::Window);
    const QColor text = note->palette().color(note->foregroundRole());
    EXPECT_GE(contrastRatio(text, background), kReadableContrast);
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(pixelsNear(image, inWindow(note, window.get()), text), 10) << "the note is drawn in it";

    const auto *title = window.control<QLabel>(u"Label6"_s);
    EXPECT_EQ(title->palette().color(title->foregroundRole()), QColor(255, 128, 0));
    const auto *shadow = window.control<QLabel>(u"Label5"_s);
    EXPECT_EQ(shadow->palette().color(shadow->foregroundRole()), QColor(0, 0, 0));
}

TEST_F(MainWindowLayout, fileMenu_isHiddenAndHoldsOnlyTheCopyItem)
{
    const auto *menu = control<QMenu>(u"MFile"_s);
    const QAction *copy = s_window->action(u"MCopy"_s);

    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(window().findChild<QMenuBar *>(), nullptr);
    EXPECT_EQ(menu->title(), u"File"_s);
    EXPECT_EQ(menu->actions(), QList<QAction *>{const_cast<QAction *>(copy)});
    EXPECT_FALSE(copy->isCheckable());
    EXPECT_TRUE(copy->shortcut().isEmpty());
    EXPECT_EQ(copy->text(), u"Copy \"First\""_s);
}

} // namespace
