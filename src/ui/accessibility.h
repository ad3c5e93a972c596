#pragma once

class QWidget;

namespace tolvani {

// What assistive technology (a screen reader) is told about the program's
// own widgets, where Qt's defaults mislead it:
//   the main window          a frame, as any top-level window, not a filler;
//   a FilledFrame            a panel of the children it shows, less those
//                            drawn only for their look;
//   the read-only boxes      text that can be read, selected and copied but
//                            not changed: Qt's interfaces for text boxes let
//                            assistive technology replace the text of a
//                            read-only one.
// Installed once per application; the windows install it as they are made.
void installAccessibleInterfaces();

// Leaves `widget`, drawn only for its look (such as a caption's shadow),
// out of what assistive technology reads. Its container is a FilledFrame.
void hideFromAssistiveTechnology(QWidget *widget);

} // namespace tolvani
