#pragma once

namespace tolvani {

// Whether the toolkit's teardown, once the event loop has ended, still
// gives the user something: on X11 it hands the clipboard to the clipboard
// manager. Under Wayland it gives nothing (the compositor keeps no
// clipboard for a program that has gone) and may never finish: Qt's
// Wayland client lets an event thread quit while it still holds a read it
// had prepared, and when the compositor's last events arrive, the other
// event thread waits in wl_display_read_events for that read while the
// teardown waits for the thread.
bool teardownHandsSomethingOver();

// Ends the process with `status` at once, without the toolkit's teardown.
// Standard output and error are flushed first, and a build with
// LeakSanitizer runs here the leak check that the end of the process would.
[[noreturn]] void endProcess(int status);

} // namespace tolvani
