#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tolvani {

void putOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tolvani
