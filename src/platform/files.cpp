#include "files.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvani {

namespace {

// Why a file that opened is still not one to read whole.
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
    // Non-blocking, so a named pipe without a writer opens at once and is
    // refused below instead of holding the program in open(). The type is
    // taken from the open descriptor, so a swap of the path after the
    // check cannot slip a pipe or a device in.
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int reason = errno;
        return Error{reason == ENOENT || reason == ENOTDIR ? Error::FileNotFound : Error::FileAccess,
                     QStringLiteral("Cannot open the %1 %2: %3").arg(what, path, qt_error_string(reason))};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot open the %1 %2: %3").arg(what, path, file.errorString())};
    }

    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot open the %1 %2: %3").arg(what, path, qt_error_string(errno))};
    }
    if (!S_ISREG(status.st_mode)) {
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot open the %1 %2: %3").arg(what, path, notARegularFile(status.st_mode))};
    }
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
    if (read < 0 || file.error() != QFileDevice::NoError) {
        return Error{Error::FileAccess,
                     QStringLiteral("Cannot read the %1 %2: %3").arg(what, path, file.errorString())};
    }
    // Fewer bytes than the size said, or more after them: the file changed
    // while it was read, and what was read is no file that ever existed.
    char beyond = 0;
    if (read != size || file.read(&beyond, 1) != 0) {
        return Error{Error::DeviceIO,
                     QStringLiteral("The %1 %2 changed while it was read (%3 bytes expected)")
                             .arg(what, path)
                             .arg(size)};
    }
    return bytes;
}

} // namespace tolvani
