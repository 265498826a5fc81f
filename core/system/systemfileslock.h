#ifndef SYSTEMFILESLOCK_H
#define SYSTEMFILESLOCK_H

#include "core/system/systemfile.h"

struct SystemLayout;

// Keeps other writers of the system files (another dialog, a helper program)
// out while one reads and rewrites them, so that no change is lost between a
// read and the rename over it. It is an exclusive flock on the layout's lock
// file, taken on construction and given up on destruction; the system drops
// it when the holder dies, so a crashed holder leaves nothing stuck. The lock
// file itself stays. Not re-entrant: one holder per process at a time.
//
// No system file is written without the lock: when the lock file cannot be
// opened or locked (a folder, a link, a FIFO or a device in its place, its
// folder missing or read-only, a file system without locks), failure() says
// why, and the writers change nothing. Two writers that each went on
// unlocked would lose each other's secrets lines while both reported success.
class SystemFilesLock
{
public:
    // Waits up to layout.lockWaitMs for the lock.
    explicit SystemFilesLock(const SystemLayout &layout);
    ~SystemFilesLock();
    SystemFilesLock(const SystemFilesLock &) = delete;
    SystemFilesLock &operator=(const SystemFilesLock &) = delete;

    // Set when the lock is not held, because another writer kept it for the
    // whole wait or the lock file could not be used: then no system file may
    // be written.
    const std::optional<FileFailure> &failure() const { return why; }

private:
    int fd = -1;
    std::optional<FileFailure> why;
};

#endif
