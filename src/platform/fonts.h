#pragma once

#include <QStringList>

class QFont;

namespace tolvani {

// The windows ask for the Windows faces they were laid out in; where those
// are missing, the nearest faces from the system's packages stand in.
void installFontSubstitutes();

// The families a font asks for to draw in `face`: the face where it is
// installed, otherwise its stand-ins.
QStringList familiesFor(const QString &face);

// Makes `font` the application's default, for the windows' controls, while
// menus and message boxes keep the desktop's font.
void useAsDefaultFont(const QFont &font);

} // namespace tolvani
