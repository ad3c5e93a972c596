#pragma once

#include "error.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace tolvani {

// The folder of the running executable with symlinks resolved, so a
// launcher linked from elsewhere still finds the files installed beside
// the real program. Needs a Q(Core)Application.
QString programDirectory();

// The whole file in one read, or an error that names the path and the
// reason. `what` says what the file is for the user ("dictionary file").
// Only a regular file is read, since a named pipe or a device may block
// or never end; one larger than `sizeLimit` bytes is refused before any
// of it is read, and one whose size changes during the read is an error
// rather than a shorter text. Allocation failure throws std::bad_alloc.
std::variant<QByteArray, Error> readWholeFile(const QString &path, const QString &what,
                                              qint64 sizeLimit);

} // namespace tolvani
