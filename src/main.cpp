#include "platform/errorhandling.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "store/dictionary.h"
#include "ui/dicfrm.h"
#include "ui/maker.h"

int main(int argc, char *argv[])
{
    tolvani::Application application(argc, argv);
    // The window class (X11) and app id (Wayland) by which a desktop matches
    // the windows to the launcher and its icon.
    QGuiApplication::setApplicationName(tolvani::desktop::kProgramName);
    QGuiApplication::setDesktopFileName(tolvani::desktop::kDesktopFileName);
    tolvani::installFontSubstitutes();

    tolvani::DicFrm window(tolvani::dictionaryPathIn(tolvani::programDirectory()));
    window.show();
    return application.exec();
}
