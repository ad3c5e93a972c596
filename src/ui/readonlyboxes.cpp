#include "readonlyboxes.h"

namespace tolvani {

ReadOnlyTextBox::ReadOnlyTextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, yet its text can still be selected and copied from the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

ReadOnlyLineBox::ReadOnlyLineBox(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
}

} // namespace tolvani
