#include "core/system/systemfileslock.h"

#include "core/system/systemlayout.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SystemFilesLock::SystemFilesLock(const SystemLayout &layout)
{
    // Never through a link, and never blocking on a FIFO or a device put in
    // its place.
    fd = ::open(QFile::encodeName(layout.lockFile).constData(),
                O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // A link is refused with ELOOP, a folder with EISDIR.
        why = errno == ELOOP || errno == EISDIR
            ? FileFailure { layout.lockFile, { Reason::NotRegularFile, {} } }
            : systemFailure(layout.lockFile, errno);
        return;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        why = FileFailure { layout.lockFile, { Reason::NotRegularFile, {} } };
    } else {
        const QDeadlineTimer deadline(layout.lockWaitMs);
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR) {
                why = systemFailure(layout.lockFile, errno);
                break;
            }
            if (deadline.hasExpired()) {
                why = FileFailure { layout.lockFile, { Reason::LockHeld, {} } };
                break;
            }
            QThread::msleep(20);
        }
    }
    ::close(fd);
    fd = -1;
}

SystemFilesLock::~SystemFilesLock()
{
    // Closing the only descriptor of the open file gives the lock up.
    if (fd >= 0)
        ::close(fd);
}
