#include "platform/errorhandling.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/processend.h"
#include "store/dictionary.h"
#include "ui/controls.h"
#include "ui/dicfrm.h"
#include "ui/maker.h"

#include <new>

int main(int argc, char *argv[])
{
    tolvani::Application application(argc, argv);
    // The window class (X11) and app id (Wayland) by which a desktop matches
    // the windows to the launcher and its icon.
    QGuiApplication::setApplicationName(tolvani::desktop::kProgramName);
    QGuiApplication::setDesktopFileName(tolvani::desktop::kDesktopFileName);
    tolvani::installFontSubstitutes();
    tolvani::useAsDefaultFont(tolvani::defaultControlFont());

    // Building the window loads the dictionary outside any event handler,
    // so memory running out there is caught here.
    try {
        tolvani::DicFrm window(tolvani::dictionaryPathIn(tolvani::programDirectory()));
        window.show();
        const int status = application.exec();
        if (!tolvani::teardownHandsSomethingOver())
            tolvani::endProcess(status);
        return status;
    } catch (const std::bad_alloc &) {
        tolvani::failWith(tolvani::outOfMemory());
    }
}
