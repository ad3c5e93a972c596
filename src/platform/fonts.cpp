#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace tolvani {

namespace {

// Liberation fonts share the metrics of the Windows core fonts, so
// captions keep the widths the layouts were designed for.
QStringList standInsFor(const QString &face)
{
    if (face == u"Times New Roman")
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    if (face == u"MS Sans Serif" || face == u"Tahoma")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {};
}

} // namespace

void installFontSubstitutes()
{
    for (const QString &face : {QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"),
                                QStringLiteral("Times New Roman")})
        QFont::insertSubstitutions(face, standInsFor(face));
}

QStringList familiesFor(const QString &face)
{
    // Asking for a missing face makes Qt build fallback lists for it before
    // it tries the substitutes; asking for the substitutes skips that work
    // and draws the same face. (hasFamily would ask fontconfig for aliases,
    // which costs more than the fallback lists.)
    const QStringList standIns = standInsFor(face);
    if (standIns.isEmpty() || QFontDatabase::families().contains(face, Qt::CaseInsensitive))
        return {face};
    return standIns;
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
