#include "syswriters/systemfileslock.h"

#include "syswriters/systemlayout.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SystemFilesLock::SystemFilesLock(const SystemLayout &layout)
{
    // Never through a link, and never blocking on a FIFO put in its place.
    fd = ::open(QFile::encodeName(layout.lockFile).constData(),
                O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const QDeadlineTimer deadline(layout.lockWaitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return;
        // A file system without locks is treated like a lock file that
        // cannot be opened.
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (deadline.hasExpired()) {
            why = FileFailure { layout.lockFile,
                                QCoreApplication::translate(
                                    "PPPConfig", "Another program is changing the system files") };
            break;
        }
        QThread::msleep(20);
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
