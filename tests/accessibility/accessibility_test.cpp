// What a screen reader hears for each control, read through Qt's
// accessibility interface as assistive technology reads it.

#include "support/windowharness.h"
#include "ui/about.h"

#include <QAccessible>
#include <QStringList>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tolvani;
using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : u"<no interface>"_s;
}

class Accessibility : public WindowTest
{
protected:
    Accessibility()
        : WindowTest({"apple||n||seb||An apple."})
    {
    }

    QWidget *control(const QString &name) { return m_window.control(name); }
};

TEST_F(Accessibility, boxesAreNamedByTheCaptionsThatLabelThem_onlyTheSearchBoxTakesText)
{
    struct Box {
        const char16_t *name;
        QString accessibleName;
        bool takesText; // from assistive technology, as from the keyboard
    };
    const Box boxes[] = {
        {u"Text1", u"Search English Words"_s, true},
        {u"List1", u"English Words"_s, false},
        {u"WType", u"Word Type"_s, false},
        {u"WMeaning", u"Word Meaning in Roman Script"_s, false},
        {u"WExample", u"Word Example"_s, false},
    };
    for (const Box &box : boxes) {
        const QString name = QString::fromUtf16(box.name);
        SCOPED_TRACE(name.toStdString());
        QWidget *widget = control(name);
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(interface, nullptr);
        EXPECT_EQ(interface->text(QAccessible::Name), box.accessibleName);
        EXPECT_EQ(interface->state().editable, box.takesText);

        if (QAccessibleEditableTextInterface *editable = interface->editableTextInterface())
            editable->replaceText(0, interface->textInterface()->characterCount(), u"HACKED"_s);
        const QString shown = widget->property("plainText").toString() + widget->property("text").toString();
        EXPECT_EQ(shown == u"HACKED"_s, box.takesText) << "it shows \"" << shown.toStdString() << '"';
        // What a box shows, a screen reader can read.
        if (QAccessibleTextInterface *text = interface->textInterface()) {
            EXPECT_EQ(text->text(0, text->characterCount()), shown);
        }
    }
}

TEST_F(Accessibility, buttonsAreNamedByTheirCaptions)
{
    const std::pair<const char16_t *, QString> expected[] = {
        {u"Command1", u"Exit"_s},
        {u"Command2", u"About"_s},
        {u"Command3", u"Pronounce"_s},
        {u"Command4", u"Charactors"_s},
    };
    for (const auto &[name, caption] : expected)
        EXPECT_EQ(accessibleName(control(QString::fromUtf16(name))), caption);
}

TEST_F(Accessibility, everyFocusableControlHasANameOfItsOwn)
{
    const auto widgets = m_window->findChildren<QWidget *>();
    QStringList names;
    for (QWidget *widget : widgets) {
        if (widget->parentWidget() != m_window.get() || widget->focusPolicy() == Qt::NoFocus)
            continue;
        names.append(accessibleName(widget));
        EXPECT_FALSE(names.back().isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_EQ(names.size(), 9);
    EXPECT_EQ(names.removeDuplicates(), 0) << "two controls are read alike";
}

// The texts a screen reader reads among the children of `container`.
QStringList textsReadIn(QWidget *container)
{
    QStringList texts;
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(container);
    for (int i = 0; i < interface->childCount(); ++i)
        texts.append(interface->child(i)->text(QAccessible::Name));
    return texts;
}

TEST_F(Accessibility, theWindowIsAFrame_itsTitleIsReadOnce)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);
    EXPECT_EQ(textsReadIn(control(u"Frame1"_s)).count(u"Tolvani"_s), 1) << "its shadow is read too";
}

TEST(AboutAccessibility, thanksIsNamedByItsCaption_theTitleIsReadOnce)
{
    about window;
    EXPECT_EQ(accessibleName(window.findChild<QPushButton *>(u"Command1"_s)), u"Thanks"_s);
    EXPECT_EQ(textsReadIn(window.findChild<QWidget *>(u"Frame1"_s)).count(u"Tolvani"_s), 1)
            << "the title beneath it is read too";
}

} // namespace
