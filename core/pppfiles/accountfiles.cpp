#include "core/pppfiles/accountfiles.h"

#include "core/pppfiles/peerfile.h"
#include "core/pppfiles/peerrecord.h"
#include "core/pppfiles/secretsfile.h"
#include "core/system/systemfileslock.h"

FileFailures writeAccountFiles(const SystemLayout &layout, const PeerValues &values,
                               const QString &password)
{
    const SystemFilesLock lock(layout);
    if (lock.failure())
        return { *lock.failure() };
    if (std::optional<FileFailure> failure = writePeerFile(layout, values))
        return { *failure };
    FileFailures failures;
    if (std::optional<FileFailure> failure = recordPeer(layout, values.accountName, true))
        failures << *failure;
    return failures + updateSecrets(layout, values.userName, values.accountName, password);
}
