#include "files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tolvani {

QString programDirectory()
{
    // applicationDirPath() reads /proc/self/exe, which is the resolved path.
    return QCoreApplication::applicationDirPath();
}

std::variant<QByteArray, Error> readWholeFile(const QString &path, const QString &what)
{
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot open the %1 %2: Is a directory").arg(what, path)};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        const int number = file.error() == QFileDevice::OpenError && !info.exists()
                ? Error::FileNotFound
                : Error::FileAccess;
        return Error{number,
                     QStringLiteral("Cannot open the %1 %2: %3").arg(what, path, file.errorString())};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot read the %1 %2: %3").arg(what, path, file.errorString())};
    }
    return bytes;
}

} // namespace tolvani
