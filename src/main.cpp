#include "platform/errorhandling.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "store/dictionary.h"
#include "ui/controls.h"
#include "ui/dicfrm.h"

int main(int argc, char *argv[])
{
    tolvani::Application application(argc, argv);
    tolvani::installFontSubstitutes();
    tolvani::useAsDefaultFont(tolvani::defaultControlFont());

    tolvani::DicFrm window(tolvani::dictionaryPathIn(tolvani::programDirectory()));
    window.show();
    return application.exec();
}
