#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace tolvani {

// The boxes that show an entry: the user reads, selects and copies their
// text but cannot change it. Classes of their own so that assistive
// technology is given an interface that cannot change it either (see
// accessibility.h).
class ReadOnlyTextBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReadOnlyTextBox(QWidget *parent);
};

class ReadOnlyLineBox final : public QLineEdit
{
    Q_OBJECT

public:
    explicit ReadOnlyLineBox(QWidget *parent);

    using QLineEdit::cursorRect; // where the caret is, for assistive technology
};

} // namespace tolvani
