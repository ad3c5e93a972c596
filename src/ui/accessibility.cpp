#include "accessibility.h"

#include "ui/controls.h"
#include "ui/readonlyboxes.h"

#include <QAccessibleWidget>
#include <QTextCursor>

namespace tolvani {

namespace {

constexpr char kDecorative[] = "tolvani_decorative";

// A container whose children are read, less the decorative ones.
class PanelAccessible final : public QAccessibleWidget
{
public:
    explicit PanelAccessible(QWidget *panel)
        : QAccessibleWidget(panel, QAccessible::Grouping)
    { }

    int childCount() const override { return shownChildren().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        return index >= 0 && index < children.size()
                ? QAccessible::queryAccessibleInterface(children.at(index))
                : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? shownChildren().indexOf(qobject_cast<QWidget *>(child->object())) : -1;
    }

private:
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> shown;
        for (QWidget *child : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->property(kDecorative).toBool())
                shown.append(child);
        }
        return shown;
    }
};

// A read-only box: its text, caret and selection, with no way to edit.
class ReadOnlyAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const QAccessibleTextInterface *>(this)->text(0, characterCount());
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int selectionCount() const override
    {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return start != end ? 1 : 0;
    }

    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    void removeSelection(int) override { setSelection(0, cursorPosition(), cursorPosition()); }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
};

class ReadOnlyTextBoxAccessible final : public ReadOnlyAccessible
{
public:
    explicit ReadOnlyTextBoxAccessible(ReadOnlyTextBox *box)
        : ReadOnlyAccessible(box, QAccessible::EditableText)
    { }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->toPlainText().mid(startOffset, endOffset - startOffset);
    }
    using ReadOnlyAccessible::text;

    int characterCount() const override { return box()->toPlainText().size(); }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        *startOffset = index == 0 ? cursor.selectionStart() : 0;
        *endOffset = index == 0 ? cursor.selectionEnd() : 0;
    }

    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setTextCursor(cursorAt(startOffset, endOffset));
    }

    QRect characterRect(int offset) const override
    {
        const QRect caret = box()->cursorRect(cursorAt(offset, offset));
        const QString character = box()->toPlainText().mid(offset, 1);
        const QRect area(caret.topLeft(),
                         QSize(box()->fontMetrics().horizontalAdvance(character), caret.height()));
        return area.translated(box()->viewport()->mapToGlobal(QPoint()));
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(inside)
                ? box()->cursorForPosition(inside).position()
                : -1;
    }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        setSelection(0, startIndex, endIndex);
        box()->ensureCursorVisible();
    }

private:
    ReadOnlyTextBox *box() const { return static_cast<ReadOnlyTextBox *>(widget()); }

    QTextCursor cursorAt(int anchor, int position) const
    {
        QTextCursor cursor(box()->document());
        const int end = characterCount();
        cursor.setPosition(qBound(0, anchor, end));
        cursor.setPosition(qBound(0, position, end), QTextCursor::KeepAnchor);
        return cursor;
    }
};

class ReadOnlyLineBoxAccessible final : public ReadOnlyAccessible
{
public:
    explicit ReadOnlyLineBoxAccessible(ReadOnlyLineBox *box)
        : ReadOnlyAccessible(box, QAccessible::EditableText)
    { }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    using ReadOnlyAccessible::text;

    int characterCount() const override { return box()->text().size(); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const bool selected = index == 0 && box()->hasSelectedText();
        *startOffset = selected ? box()->selectionStart() : 0;
        *endOffset = selected ? box()->selectionEnd() : 0;
    }

    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }

    QRect characterRect(int offset) const override
    {
        // One line, laid out from the caret's place.
        const QString text = box()->text();
        const QFontMetrics metrics = box()->fontMetrics();
        const int caret = box()->cursorPosition();
        const int fromCaret = offset >= caret
                ? metrics.horizontalAdvance(text.mid(caret, offset - caret))
                : -metrics.horizontalAdvance(text.mid(offset, caret - offset));
        const QRect caretRect = box()->cursorRect();
        const QRect area(caretRect.center().x() + fromCaret, caretRect.top(),
                         metrics.horizontalAdvance(text.mid(offset, 1)), caretRect.height());
        return area.translated(box()->mapToGlobal(QPoint()));
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = box()->mapFromGlobal(point);
        return box()->rect().contains(inside) ? box()->cursorPositionAt(inside) : -1;
    }

    void scrollToSubstring(int startIndex, int) override { box()->setCursorPosition(startIndex); }

private:
    ReadOnlyLineBox *box() const { return static_cast<ReadOnlyLineBox *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == u"tolvani::DicFrm")
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == u"tolvani::FilledFrame")
        return new PanelAccessible(widget);
    if (className == u"tolvani::ReadOnlyTextBox")
        return new ReadOnlyTextBoxAccessible(static_cast<ReadOnlyTextBox *>(widget));
    if (className == u"tolvani::ReadOnlyLineBox")
        return new ReadOnlyLineBoxAccessible(static_cast<ReadOnlyLineBox *>(widget));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleFor); // a second time changes nothing
}

void hideFromAssistiveTechnology(QWidget *widget)
{
    widget->setProperty(kDecorative, true);
}

} // namespace tolvani
