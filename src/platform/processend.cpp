#include "processend.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace tolvani {

bool teardownHandsSomethingOver()
{
    return QGuiApplication::platformName() != u"wayland";
}

void endProcess(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

} // namespace tolvani
