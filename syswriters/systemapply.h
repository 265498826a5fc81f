#ifndef SYSTEMAPPLY_H
#define SYSTEMAPPLY_H

#include "syswriters/accountfields.h"
#include "syswriters/systemfile.h"

#include <QStringList>

class CommandRunner;
struct SystemLayout;

// What Apply or Delete could not do outside $HOME, in the three kinds the
// Apply box lists apart. All empty: everything was done.
struct SystemResult
{
    QStringList notWritten;       // why no system file was written at all
    FileFailures failures;        // each file that could not be written
    QStringList commandProblems;  // each binding command that did not succeed

    bool succeeded() const
    {
        return notWritten.isEmpty() && failures.isEmpty() && commandProblems.isEmpty();
    }
};

// Why no system file may be written for the account name with values: the
// applyInputProblems of its peer values, password and bound DUN entry.
QStringList systemFileProblems(const QString &name, const AccountValues &values);

// Everything Apply writes outside $HOME for the account name: after the same
// checks as the dialog's (systemFileProblems; when one fails nothing is
// written), writeAccountFiles and, on the Bluetooth path, bindBluetooth with
// its commands through runner. A peer file that is there already (a link or
// anything else included) is replaced only when mayReplacePeerFile; else
// nothing is written.
SystemResult applySystemFiles(const SystemLayout &layout, CommandRunner &runner,
                              const QString &name, const AccountValues &values,
                              bool mayReplacePeerFile);

// Removes the peer file of the account name when it is a regular file; a
// missing one is no failure, anything else in its place is kept and reported.
// An empty name has no peer file; an unsafe one is refused.
SystemResult removePeerFile(const SystemLayout &layout, const QString &name);

#endif
