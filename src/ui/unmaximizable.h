#pragma once

class QWidget;

namespace tolvani {

// Keeps `window` out of the maximized and full-screen states, at its own
// size. Qt's own title bar on Wayland offers maximize whatever the flags
// say, and a compositor may maximize any window (a shortcut, a tiling
// rule); a window that cannot grow must answer without one frame at the
// wrong size, or the compositor ends the program's connection.
void keepUnmaximized(QWidget *window);

} // namespace tolvani
