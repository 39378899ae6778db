#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString cannotBeRead(int error)
{
    QString why = QString::fromLocal8Bit(std::strerror(error));
    if (!why.isEmpty())
        why[0] = why[0].toLower();
    //: %1 is the system's reason, such as "permission denied".
    return QCoreApplication::translate("SkinLoader", "cannot be read (%1)").arg(why);
}

// Non-blocking, so that a FIFO put in the place of a regular file meanwhile is opened at once.
int openForReading(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

}  // namespace

std::optional<QString> regularFileProblem(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return QCoreApplication::translate("SkinLoader", "missing");
        if (errno == ELOOP)
            return QCoreApplication::translate("SkinLoader", "not a regular file");
        return cannotBeRead(errno);
    }
    if (!S_ISREG(info.st_mode))
        return QCoreApplication::translate("SkinLoader", "not a regular file");
    const int fd = openForReading(path);
    if (fd < 0)
        return cannotBeRead(errno);
    ::close(fd);
    return std::nullopt;
}

bool openRegularFile(QFile& file, const QString& path)
{
    file.close();
    // Looked at first, so that no device is even opened: opening one can have effects of its own.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int fd = openForReading(path);
    if (fd < 0)
        return false;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
