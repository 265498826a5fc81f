#ifndef DELETEJOB_H
#define DELETEJOB_H

#include "core/jobs/systemjob.h"

// Delete for one account: removePeerFile, reporting WritingFiles while the
// helper is waited for. WithSettings (the dialog's, for an account with a
// settings file): the peer file is asked about only when it may be there; a
// peer file this program did not write goes only on a Yes to
// needsPermission, and on a No stays while the account goes all the same.
// The settings file goes last, once the peer file is gone: an account whose
// peer file is still there can be deleted again. SystemFilesOnly (the
// helper's): the peer file alone, a foreign one removed only when
// mayRemoveForeign.
class DeleteJob : public SystemJob
{
    Q_OBJECT

public:
    DeleteJob(const SystemLayout &layout, CommandRunner &runner, const QString &name, Scope scope,
              bool mayRemoveForeign = false, QObject *parent = nullptr);

    void start() override;
    // Why the settings file could not be removed, after a WithSettings job.
    const std::optional<FileFailure> &settingsFailure() const { return keptSettings; }

private:
    void removeSystemFiles(bool mayRemove, const StepFinished &done);
    void removeSettings(const SystemResult &result);

    QString name;
    bool mayRemoveForeign;
    std::optional<FileFailure> keptSettings;
};

#endif
