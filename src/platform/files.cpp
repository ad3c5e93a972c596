#include "files.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace tolvani {

namespace {

// Why a file of this type is not read.
QString notARegularFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("Is a directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a named pipe, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("Is a socket, not a regular file");
    if (S_ISCHR(mode))
        return QStringLiteral("Is a character device, not a regular file");
    if (S_ISBLK(mode))
        return QStringLiteral("Is a block device, not a regular file");
    return QStringLiteral("Is not a regular file");
}

} // namespace

QString programDirectory()
{
    // applicationDirPath() reads /proc/self/exe, which is the resolved path.
    return QCoreApplication::applicationDirPath();
}

std::variant<QByteArray, Error> readWholeFile(const QString &path, const QString &what,
                                              qint64 sizeLimit)
{
    const auto cannot = [&](QLatin1StringView verb, int number, const QString &reason) {
        return Error{number, QStringLiteral("Cannot %1 the %2 %3: %4").arg(verb, what, path, reason)};
    };
    const QByteArray name = QFile::encodeName(path);

    // A pipe or a device is refused before it is opened: opening one may
    // block, or act on the device.
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return cannot("open"_L1, Error::FileAccess, notARegularFile(status.st_mode));

    // Opened without blocking and checked again on the descriptor, so a
    // pipe put in place of the file after the check is refused as well,
    // never waited on.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int reason = errno;
        const bool missing = reason == ENOENT || reason == ENOTDIR;
        return cannot("open"_L1, missing ? Error::FileNotFound : Error::FileAccess, qt_error_string(reason));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return cannot("open"_L1, Error::FileAccess, file.errorString());
    }
    if (::fstat(descriptor, &status) != 0)
        return cannot("open"_L1, Error::FileAccess, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return cannot("open"_L1, Error::FileAccess, notARegularFile(status.st_mode));

    const qint64 size = status.st_size;
    if (size > sizeLimit) {
        return Error{Error::OutOfStringSpace,
                     QStringLiteral("The %1 %2 is %3 bytes long, more than the limit of %4 bytes")
                             .arg(what, path)
                             .arg(size)
                             .arg(sizeLimit)};
    }
    QByteArray bytes(size, Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), size);
    char beyond = 0;
    const qint64 readBeyond = read < 0 ? 0 : file.read(&beyond, 1);
    if (read < 0 || readBeyond < 0)
        return cannot("read"_L1, Error::FileAccess, file.errorString());
    // Fewer bytes than the size said, or more after them: the file changed
    // while it was read, and what was read may be no version of it at all.
    if (read != size || readBeyond != 0) {
        return Error{Error::DeviceIO,
                     QStringLiteral("The %1 %2 changed while it was read (%3 bytes expected)")
                             .arg(what, path)
                             .arg(size)};
    }
    return bytes;
}

} // namespace tolvani
