#include "platform/errorhandling.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "store/dictionary.h"
#include "ui/dicfrm.h"

#include <new>

int main(int argc, char *argv[])
{
    tolvani::Application application(argc, argv);
    tolvani::installFontSubstitutes();

    // Building the window loads the dictionary outside any event handler,
    // so memory running out there is caught here.
    try {
        tolvani::DicFrm window(tolvani::dictionaryPathIn(tolvani::programDirectory()));
        window.show();
        return application.exec();
    } catch (const std::bad_alloc &) {
        tolvani::failWith(tolvani::outOfMemory());
    }
}
