#include "fonts.h"

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

} // namespace tolvani
