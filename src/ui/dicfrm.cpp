#include "dicfrm.h"

#include "lookup/entry.h"
#include "lookup/search.h"
#include "platform/clipboard.h"
#include "platform/errorhandling.h"
#include "platform/messagebox.h"
#include "store/dictionary.h"
#include "ui/about.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/dicfrmlayout.h"
#include "ui/maker.h"
#include "ui/readonlyboxes.h"
#include "ui/unmaximizable.h"
#include "ui/wholepixelframes.h"
#include "ui/wordlist.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <utility>
#include <vector>

namespace tolvani {

using namespace dicfrm_layout;

namespace {

// A face that only draws a fixed caption of plain letters never needs
// another face for a missing character, so Qt need not look up the fallback
// faces when it loads it. Only for faces no box shares: a box draws
// whatever is typed or pasted into it.
QFont captionOnlyFont(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QPushButton *addButton(QWidget *window, const QString &name, const QString &caption,
                       const Placement &placement)
{
    auto *button = new QPushButton(caption, window);
    place(button, name, placement);
    // Enter presses a button only while that button has the focus.
    button->setAutoDefault(true);
    return button;
}

QPlainTextEdit *addReadOnlyTextBox(QWidget *window, const QString &name, const Placement &placement)
{
    auto *box = new ReadOnlyTextBox(window);
    place(box, name, placement);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QLineEdit *addLineBox(QWidget *window, const QString &name, const Placement &placement)
{
    auto *box = new QLineEdit(window);
    place(box, name, placement);
    return box;
}

// Read as PNG, and only as PNG: left to guess, Qt loads every image plugin
// at start-up to ask it about the file.
QIcon bookIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/book-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QString featureNotice()
{
    return QStringLiteral("Please download dictionary with MS Agent support from ") + maker::kWebSite;
}

// A menu caption shows '&' as an access-key marker; a word keeps its own.
QString menuCaption(const QString &text)
{
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

} // namespace

DicFrm::DicFrm(QString dictionaryPath, QWidget *parent)
    : QWidget(parent, Qt::Window | kFixedSizeWindowHints | Qt::WindowMinimizeButtonHint)
    , m_dictionaryPath(std::move(dictionaryPath))
{
    setObjectName(QStringLiteral("DicFrm"));
    setWindowTitle(QStringLiteral("Tolvani"));
    setFixedSize(kClientArea.toPixels());
    keepUnmaximized(this);
    setFont(defaultControlFont());
    setWindowIcon(bookIcon());
    installAccessibleInterfaces();

    buildControls();
    setTabOrder();
    connectHandlers();
    Form_Load();
}

void DicFrm::buildControls()
{
    Command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("Exit"), kCommand1);
    Command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("About"), kCommand2);
    Command4 = addButton(this, QStringLiteral("Command4"), QStringLiteral("Charactors"), kCommand4);
    Command3 = addButton(this, QStringLiteral("Command3"), QStringLiteral("Pronounce"), kCommand3);
    WExample = addReadOnlyTextBox(this, QStringLiteral("WExample"), kWExample);
    Text1 = addLineBox(this, QStringLiteral("Text1"), kText1);
    WType = new ReadOnlyLineBox(this);
    place(WType, QStringLiteral("WType"), kWType);
    WMeaning = addReadOnlyTextBox(this, QStringLiteral("WMeaning"), kWMeaning);
    List1 = new WordList(this);
    place(List1, QStringLiteral("List1"), kList1);

    buildTitleBand();

    const QFont tahoma = layoutFont(QStringLiteral("Tahoma"), 8.25);
    Label9 = addLabel(this, QStringLiteral("Label9"),
                      QStringLiteral("Tolvani is free software: use it, copy it and share it "
                                     "with anyone, at no cost, under the GNU GPL."),
                      kLabel9, LabelSizing::FixedBox, tahoma, kNoteColour);
    Label11 = addLabel(this, QStringLiteral("Label11"), QStringLiteral("Total Words : 15500"),
                       kLabel11, LabelSizing::FixedBox,
                       captionOnlyFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true)));
    Label11->setWordWrap(false);
    Label11->setAutoFillBackground(true);
    Label4 = addLabel(this, QStringLiteral("Label4"), QStringLiteral("Word Type"), kLabel4,
                      LabelSizing::FitText);
    Label3 = addLabel(this, QStringLiteral("Label3"), QStringLiteral("Word Example"), kLabel3,
                      LabelSizing::FitText);
    Label2 = addLabel(this, QStringLiteral("Label2"), QStringLiteral("Word Meaning in Roman Script"),
                      kLabel2, LabelSizing::FitText);
    Label1 = addLabel(this, QStringLiteral("Label1"), QStringLiteral("English Words"), kLabel1,
                      LabelSizing::FitText);

    stackFrontToBack({Command1, Command2, Command4, Command3, WExample, Text1, WType, WMeaning,
                      List1, Frame1, Label9, Label11, Label4, Label3, Label2, Label1});

    // At a fractional scale the style's lines fall between device pixels.
    auto *frames = new WholePixelFrames(this);
    for (QWidget *box : std::initializer_list<QWidget *>{Text1, WType})
        box->setStyle(frames);
    for (QAbstractScrollArea *box :
         std::initializer_list<QAbstractScrollArea *>{List1, WMeaning, WExample}) {
        box->setStyle(frames);
        box->verticalScrollBar()->setStyle(frames);
    }

    // Screen readers name each box by the caption that labels it on screen;
    // the search box and the list share theirs, and the search box says
    // what it is for.
    Text1->setAccessibleName(QStringLiteral("Search ") + Label1->text());
    List1->setAccessibleName(Label1->text());
    WType->setAccessibleName(Label4->text());
    WMeaning->setAccessibleName(Label2->text());
    WExample->setAccessibleName(Label3->text());

    // A hidden menu, never on a menu bar: it only pops up over the list.
    MFile = new QMenu(QStringLiteral("File"), this);
    MFile->setObjectName(QStringLiteral("MFile"));
    MCopy = MFile->addAction(QStringLiteral("Copy Text"));
    MCopy->setObjectName(QStringLiteral("MCopy"));
}

void DicFrm::buildTitleBand()
{
    Frame1 = new FilledFrame(kBandColour, this);
    place(Frame1, QStringLiteral("Frame1"), kFrame1);
    Frame1->setFrameShape(QFrame::NoFrame);
    setTextColour(Frame1, kBandColour);

    const QFont title = captionOnlyFont(layoutFont(QStringLiteral("Times New Roman"), 14.25));
    const QFont tahoma = layoutFont(QStringLiteral("Tahoma"), 8.25);
    Label10 = addLabel(Frame1, QStringLiteral("Label10"),
                       QStringLiteral("Email me : %1 or visit at %2.").arg(maker::kEmail, maker::kWebSite),
                       kLabel10, LabelSizing::FitText, tahoma, kContactColour);
    Label7 = addLabel(Frame1, QStringLiteral("Label7"), QStringLiteral("Develop By : ") + maker::kAuthor,
                      kLabel7, LabelSizing::FitText, tahoma, kCreditColour);
    Label6 = addLabel(Frame1, QStringLiteral("Label6"), QStringLiteral("Tolvani"), kLabel6,
                      LabelSizing::FitText, title, kTitleColour);
    // The same title one pixel right and down, beneath: the orange one's
    // shadow, which a screen reader need not read a second time.
    Label5 = addLabel(Frame1, QStringLiteral("Label5"), QStringLiteral("Tolvani"), kLabel5,
                      LabelSizing::FitText, title, kTitleShadowColour);
    hideFromAssistiveTechnology(Label5);
    stackFrontToBack({Label10, Label7, Label6, Label5});
}

void DicFrm::setTabOrder()
{
    std::vector<std::pair<int, QWidget *>> focusable = {
        {kCommand1.tabIndex, Command1}, {kCommand2.tabIndex, Command2},
        {kCommand3.tabIndex, Command3}, {kCommand4.tabIndex, Command4},
        {kWExample.tabIndex, WExample}, {kText1.tabIndex, Text1},
        {kWType.tabIndex, WType},       {kWMeaning.tabIndex, WMeaning},
        {kList1.tabIndex, List1},
    };
    std::ranges::sort(focusable);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    focusable.front().second->setFocus();
}

void DicFrm::connectHandlers()
{
    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DicFrm::List1_Click);
    connect(List1, &WordList::mousePressed, this, &DicFrm::List1_MouseDown);
    connect(List1, &WordList::menuKeyPressed, this, &DicFrm::List1_MenuKey);
    connect(Text1, &QLineEdit::textChanged, this, &DicFrm::Text1_Change);
    connect(MCopy, &QAction::triggered, this, &DicFrm::MCopy_Click);
    connect(Command1, &QPushButton::clicked, this, &DicFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DicFrm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &DicFrm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &DicFrm::Command4_Click);
}

void DicFrm::Form_Load()
{
    LoadDictionary();
    List1->setSelectedIndex(0);
}

void DicFrm::LoadDictionary()
{
    auto loaded = loadDictionary(m_dictionaryPath);
    if (const auto *error = std::get_if<Error>(&loaded))
        failWith(*error);
    Words = std::move(std::get<Dictionary>(loaded).lines);
    Fields = lastLineFields(Words);
    List1->setLines(Words);
}

void DicFrm::List1_Click()
{
    // A line that lacks a field leaves that field's box as it was.
    const int position = List1->selectedIndex();
    if (position >= 0 && position < Words.size())
        Fields = splitFields(Words.line(position));

    const EntryView entry = presentEntry(Fields, List1->selectedText());
    if (entry.meaning)
        WMeaning->setPlainText(*entry.meaning);
    if (entry.example)
        WExample->setPlainText(*entry.example);
    if (entry.typeName) {
        WType->setText(*entry.typeName);
        WType->setCursorPosition(0); // show the beginning of a long name
    }
    MCopy->setText(menuCaption(entry.copyCaption));
}

void DicFrm::Text1_Change()
{
    const int found = m_search.positionFor(Words, Text1->text());
    if (found >= 0)
        List1->setSelectedIndex(found);
}

void DicFrm::List1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position)
{
    if (button == Qt::RightButton)
        MFile->exec(List1->viewport()->mapToGlobal(position));
}

void DicFrm::List1_MenuKey(QPoint position)
{
    // Opened from the keyboard, the menu starts on its item, so Return
    // chooses it and a screen reader reads it out.
    MFile->setActiveAction(MCopy);
    MFile->exec(List1->viewport()->mapToGlobal(position));
}

void DicFrm::MCopy_Click()
{
    putOnClipboard(List1->selectedText());
}

void DicFrm::Command1_Click()
{
    QCoreApplication::exit(0);
}

void DicFrm::Command2_Click()
{
    about window(this);
    window.exec();
}

void DicFrm::Command3_Click()
{
    showMessage(this, QStringLiteral("Error"), featureNotice());
}

void DicFrm::Command4_Click()
{
    showMessage(this, QStringLiteral("Error"), featureNotice());
}

} // namespace tolvani
