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
// operating system's reason. `what` says what the file is for the user
// ("dictionary file").
std::variant<QByteArray, Error> readWholeFile(const QString &path, const QString &what);

} // namespace tolvani
