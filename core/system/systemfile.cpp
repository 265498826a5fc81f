#include "core/system/systemfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileFailure failure(const QString &path, int errnum)
{
    return systemFailure(path, errnum);
}

FileFailure notRegular(const QString &path)
{
    return { path, { Reason::NotRegularFile, {} } };
}

// Writes all of content to fd; false with errno set when the system refuses.
bool writeAll(int fd, const QByteArray &content)
{
    const char *data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Flushes the folder that holds path, so that a rename in it survives a crash.
void syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString systemErrorText(int errnum)
{
    return QString::fromLocal8Bit(std::strerror(errnum));
}

FileFailure systemFailure(const QString &path, int errnum)
{
    return { path, { Reason::SystemError, { QString::number(errnum) } } };
}

std::optional<FileFailure> nonRegularFileAt(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(failure(path, errno));
    if (S_ISREG(status.st_mode))
        return std::nullopt;
    return notRegular(path);
}

QString fileBehindLinks(const QString &path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

std::optional<WriteError> writeAtomically(const QString &path, const QByteArray &content,
                                          mode_t mode, TemporaryName naming)
{
    // Made for the owner alone, so nobody else reads it before fchmod.
    QByteArray temporary = QFile::encodeName(path);
    int fd;
    if (naming == TemporaryName::Unique) {
        temporary += ".XXXXXX";
        fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    } else {
        temporary += ".new";
        ::unlink(temporary.constData());
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    S_IRUSR | S_IWUSR);
    }
    if (fd < 0)
        return WriteError { WriteError::Creating, errno };

    WriteError error { WriteError::Creating, 0 };
    // A file system that cannot flush (EINVAL) keeps the content all the same.
    if (::fchmod(fd, mode) != 0)
        error.number = errno;
    else if (!writeAll(fd, content) || (::fsync(fd) != 0 && errno != EINVAL))
        error = { WriteError::Writing, errno };
    if (::close(fd) != 0 && error.number == 0)
        error = { WriteError::Writing, errno };
    if (error.number == 0
        && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = { WriteError::Renaming, errno };
    if (error.number != 0) {
        ::unlink(temporary.constData());
        return error;
    }
    syncFolderOf(path);
    return std::nullopt;
}

std::optional<FileFailure> replaceFile(const QString &path, const QByteArray &content,
                                       mode_t mode)
{
    if (const std::optional<WriteError> error =
            writeAtomically(path, content, mode, TemporaryName::Unique))
        return failure(path, error->number);
    return std::nullopt;
}

std::optional<FileFailure> readFileIfPresent(const QString &path, QByteArray &content)
{
    content.clear();
    // Non-blocking, so that a FIFO in the file's place cannot hang the dialog.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return failure(path, errno);
    }

    struct stat status;
    std::optional<FileFailure> result;
    if (::fstat(fd, &status) != 0) {
        result = failure(path, errno);
    } else if (S_ISDIR(status.st_mode)) {
        result = failure(path, EISDIR);
    } else if (!S_ISREG(status.st_mode)) {
        result = notRegular(path);
    } else {
        // Room for the whole file at once: growing the array a piece at a
        // time copies what was read so far again and again.
        content.reserve(qsizetype(status.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                result = failure(path, errno);
                break;
            }
            if (got == 0)
                break;
            content.append(buffer, got);
        }
    }
    ::close(fd);
    if (result)
        content.clear();
    return result;
}

std::optional<FileFailure> removeFileIfPresent(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return failure(path, errno);
    return std::nullopt;
}
