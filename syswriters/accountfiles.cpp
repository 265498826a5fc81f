#include "syswriters/accountfiles.h"

#include "syswriters/peerfile.h"
#include "syswriters/secretsfile.h"
#include "syswriters/systemfileslock.h"

FileFailures writeAccountFiles(const SystemLayout &layout, const PeerValues &values,
                               const QString &password)
{
    const SystemFilesLock lock(layout);
    if (lock.failure())
        return { *lock.failure() };
    if (std::optional<FileFailure> failure = writePeerFile(layout, values))
        return { *failure };
    return updateSecrets(layout, values.userName, values.accountName, password);
}
