#ifndef APPLYJOB_H
#define APPLYJOB_H

#include "core/jobs/systemjob.h"

// Apply for one account. WithSettings (the dialog's): the record goes into
// the account's settings file first, and when that cannot be saved nothing
// else is written, so the system files keep agreeing with it. Then the
// system files (applySystemFiles), reporting WritingFiles or BindingBluetooth
// while the helper or the binding is waited for. A peer file this program
// did not write is replaced only on a Yes to needsPermission; on a No an
// account that had no settings file before loses the one just made
// (savedNothing()). SystemFilesOnly (the helper's): the system files alone,
// a foreign peer file replaced only when mayReplacePeerFile.
class ApplyJob : public SystemJob
{
    Q_OBJECT

public:
    ApplyJob(const SystemLayout &layout, CommandRunner &runner, const AccountRecord &record,
             Scope scope, bool mayReplacePeerFile = false, QObject *parent = nullptr);

    void start() override;
    bool savedNothing() const { return nothingSaved; }

private:
    void writeSystemFiles(bool mayReplace);

    AccountRecord record;
    bool mayReplacePeerFile;
    bool hadSettingsFile = false;
    bool nothingSaved = false;
};

#endif
