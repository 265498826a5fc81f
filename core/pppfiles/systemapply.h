#ifndef SYSTEMAPPLY_H
#define SYSTEMAPPLY_H

#include "core/record/accountfields.h"
#include "core/system/systemfile.h"

#include <QStringList>

#include <functional>

class CommandRunner;
struct SystemLayout;

// What Apply or Delete could not do outside $HOME, in the three kinds the
// Apply box lists apart, as reasons the window words. All empty: everything
// was done.
struct SystemResult
{
    Reasons notWritten;       // why no system file was written at all
    FileFailures failures;    // each file that could not be written
    Reasons commandProblems;  // each binding command that did not succeed
    // A peer file kept because this program did not write it (notWritten
    // says so too): the user may be asked and the step tried again with
    // leave to replace or remove it.
    QString foreignPeerFile;

    bool succeeded() const
    {
        return notWritten.isEmpty() && failures.isEmpty() && commandProblems.isEmpty();
    }
};

// Why no system file may be written for the account: the applyInputProblems
// of its peer values, password and bound DUN entry.
Reasons systemFileProblems(const AccountRecord &record);

// Everything Apply writes outside $HOME for the account: after the same
// checks as the dialog's (systemFileProblems; when one fails nothing is
// written), writeAccountFiles and, on the Bluetooth path, bindBluetooth with
// its commands through runner. A peer file that is there already (a link or
// anything else included) is replaced only when this program wrote it: the
// record lists it (peerrecord.h), or it holds exactly what would be written
// now (one an earlier version wrote without keeping a record); otherwise only
// when mayReplacePeerFile, and else nothing is written (foreignPeerFile).
// finished comes once the binding's last command has ended.
void applySystemFiles(const SystemLayout &layout, CommandRunner &runner,
                      const AccountRecord &record, bool mayReplacePeerFile,
                      const std::function<void(const SystemResult &)> &finished);

// Removes the peer file of the account name when it is a regular file and
// drops it from the record; a missing one is no failure, anything else in its
// place is kept and reported. One the record does not list is kept
// (foreignPeerFile) unless mayRemoveForeign. An empty name has no peer file;
// an unsafe one is refused.
SystemResult removePeerFile(const SystemLayout &layout, const QString &name,
                            bool mayRemoveForeign);

#endif
