#pragma once

#include "platform/error.h"

#include <QApplication>

namespace tolvani {

inline constexpr int kFailureExitStatus = 1;

// What happens to an error that nothing handles: its report goes to
// standard error and to a message box, then the program ends with a
// failure status. Never returns.
[[noreturn]] void failWith(const Error &error);

// Error 7, for memory that ran out where nothing more is known.
Error outOfMemory();

// The application object. An exception that escapes an event handler,
// std::bad_alloc included, is treated like any other unhandled error
// instead of tearing the program down without a word.
class Application final : public QApplication
{
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace tolvani
