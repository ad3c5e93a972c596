#pragma once

#include <QByteArray>
#include <QString>

namespace tolvani::dicbuild {

// Reads an input file whole through the program's own file reading;
// readGzipInput also uncompresses `.dz` and other gzip files (a file that
// is not gzip is taken as it is). Throws std::runtime_error with the
// error report when the file cannot be read.
QByteArray readInput(const QString &path);
QByteArray readGzipInput(const QString &path);

} // namespace tolvani::dicbuild
