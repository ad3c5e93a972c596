#pragma once

#include <QString>

class QWidget;

namespace tolvani {

// A modal box with one OK button and no icon; returns when it is closed.
void showMessage(QWidget *parent, const QString &title, const QString &text);

} // namespace tolvani
