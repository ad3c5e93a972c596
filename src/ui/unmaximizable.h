#pragma once

class QWidget;

namespace tolvani {

// Keeps `window` out of the maximized and full-screen states. Qt's own
// title bar on Wayland offers maximize whatever the flags say, and a
// compositor that maximizes a window which cannot grow ends the program's
// connection; asking back for the normal state at once keeps it as it is.
void keepUnmaximized(QWidget *window);

} // namespace tolvani
