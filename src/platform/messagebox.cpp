#include "messagebox.h"

#include <QMessageBox>

namespace tolvani {

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tolvani
