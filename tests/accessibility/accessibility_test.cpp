// What a screen reader hears for each control, read through Qt's
// accessibility interface as assistive technology reads it.

#include "support/windowharness.h"
#include "ui/about.h"

#include <QAccessible>
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

TEST_F(Accessibility, boxesAreNamedByTheCaptionsThatLabelThem)
{
    const std::pair<const char16_t *, QString> expected[] = {
        {u"Text1", u"English Words"_s},
        {u"List1", u"English Words"_s},
        {u"WType", u"Word Type"_s},
        {u"WMeaning", u"Word Meaning in Roman Script"_s},
        {u"WExample", u"Word Example"_s},
    };
    for (const auto &[name, caption] : expected) {
        EXPECT_EQ(accessibleName(control(QString::fromUtf16(name))), caption)
                << QString::fromUtf16(name).toStdString();
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

TEST_F(Accessibility, everyFocusableControlHasAName)
{
    const auto widgets = m_window->findChildren<QWidget *>();
    int focusable = 0;
    for (QWidget *widget : widgets) {
        if (widget->parentWidget() != m_window.get() || widget->focusPolicy() == Qt::NoFocus)
            continue;
        ++focusable;
        EXPECT_FALSE(accessibleName(widget).isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_EQ(focusable, 9);
}

TEST(AboutAccessibility, thanksIsNamedByItsCaption)
{
    about window;
    EXPECT_EQ(accessibleName(window.findChild<QPushButton *>(u"Command1"_s)), u"Thanks"_s);
}

} // namespace
