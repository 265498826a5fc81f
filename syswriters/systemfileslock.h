#ifndef SYSTEMFILESLOCK_H
#define SYSTEMFILESLOCK_H

#include "syswriters/systemfile.h"

struct SystemLayout;

// Keeps other writers of the system files (another dialog, a helper program)
// out while one reads and rewrites them, so that no change is lost between a
// read and the rename over it. It is an exclusive flock on the layout's lock
// file, taken on construction and given up on destruction; the system drops
// it when the holder dies, so a crashed holder leaves nothing stuck. The lock
// file itself stays. Not re-entrant: one holder per process at a time.
//
// When the lock file cannot be opened or locked at all (its folder is
// missing or read-only, the program runs without root, the file system has
// no locks), the writers go on without it:
// nobody can then replace the files in that folder, and the failures of the
// files themselves tell the user more than one about the lock file would.
class SystemFilesLock
{
public:
    // Waits up to layout.lockWaitMs for the lock.
    explicit SystemFilesLock(const SystemLayout &layout);
    ~SystemFilesLock();
    SystemFilesLock(const SystemFilesLock &) = delete;
    SystemFilesLock &operator=(const SystemFilesLock &) = delete;

    // Set when another writer kept the lock for the whole wait: then no
    // system file may be written.
    const std::optional<FileFailure> &failure() const { return why; }

private:
    int fd = -1;
    std::optional<FileFailure> why;
};

#endif
