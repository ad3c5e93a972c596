#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace tolvani {

void installFontSubstitutes()
{
    // Liberation fonts share the metrics of the Windows core fonts, so
    // captions keep the widths the layouts were designed for.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
}

void useAsDefaultFont(const QFont &font)
{
    // Every control takes its font from its window, but a text box lays out
    // its empty document in the application's font as soon as it is made,
    // which loaded a face that nothing in the window draws.
    const QFont desktop = QApplication::font();
    QApplication::setFont(desktop, "QMenu");
    QApplication::setFont(desktop, "QMessageBox");
    QApplication::setFont(font);
}

} // namespace tolvani
