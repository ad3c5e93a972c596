#include "about.h"

#include "ui/aboutlayout.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/maker.h"
#include "ui/unmaximizable.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tolvani {

using namespace about_layout;

about::about(QWidget *parent)
    : QDialog(parent, Qt::Dialog | kFixedSizeWindowHints)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About Dictionary"));
    setModal(true);
    setFixedSize(kClientArea.toPixels());
    keepUnmaximized(this);
    setFont(defaultControlFont());
    installAccessibleInterfaces();

    // The window is made afresh for every showing: its panel is painted
    // white rather than given a palette of its own (see FilledFrame).
    Frame1 = new FilledFrame(kPanelColour, this);
    place(Frame1, QStringLiteral("Frame1"), kFrame1);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Command1 = new QPushButton(QStringLiteral("Thanks"), Frame1);
    place(Command1, QStringLiteral("Command1"), kCommand1);
    // Neither the default nor the cancel button: Enter presses it only
    // because it holds the focus.
    Command1->setDefault(false);

    const QFont tahoma = layoutFont(QStringLiteral("Tahoma"), 8.25);
    const QFont title = layoutFont(QStringLiteral("Times New Roman"), 15.75, true);
    Label11 = addLabel(Frame1, QStringLiteral("Label11"),
                       QStringLiteral("Please do comment/suggest and make this perfact"), kLabel11,
                       LabelSizing::FitText, layoutFont(QStringLiteral("Tahoma"), 8.25, true),
                       kTextColour);
    Label4 = addLabel(Frame1, QStringLiteral("Label4"), QStringLiteral("Visit   : ") + maker::kWebSite,
                      kLabel4, LabelSizing::FitText, tahoma, kLinkColour);
    Label2 = addLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("Tolvani"), kLabel2,
                      LabelSizing::FitText, title, kTitleColour);
    Label3 = addLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("Develop By : ") + maker::kAuthor,
                      kLabel3, LabelSizing::FitText, tahoma, kTextColour);
    Label10 = addLabel(Frame1, QStringLiteral("Label10"), QStringLiteral("Email : ") + maker::kEmail,
                       kLabel10, LabelSizing::FitText, tahoma, kLinkColour);
    // Beneath the orange title and hidden by it: not read a second time.
    Label1 = addLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("Tolvani"), kLabel1,
                      LabelSizing::FitText, title, palette().color(QPalette::ButtonText));
    hideFromAssistiveTechnology(Label1);
    stackFrontToBack({Command1, Label11, Label4, Label2, Label3, Label10, Label1});

    connect(Command1, &QPushButton::clicked, this, &about::Command1_Click);
    Command1->setFocus();
}

void about::keyPressEvent(QKeyEvent *event)
{
    // QDialog closes on Escape; this window has no cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void about::Command1_Click()
{
    accept();
}

} // namespace tolvani
