#include "core/jobs/deletejob.h"

#include "core/protocol/applyhelper.h"

#include <QFileInfo>

DeleteJob::DeleteJob(const SystemLayout &layout, CommandRunner &runner, const QString &name,
                     Scope scope, bool mayRemoveForeign, QObject *parent)
    : SystemJob(layout, runner, scope, parent)
    , name(name)
    , mayRemoveForeign(mayRemoveForeign)
{
}

void DeleteJob::start()
{
    if (scope == SystemFilesOnly) {
        removeSystemFiles(mayRemoveForeign, [this](const SystemResult &result) { finish(result); });
        return;
    }
    // No password is asked for a peer file that is surely not there. The
    // empty name has no peer file: its path is the peers folder.
    const QFileInfo peer(layout.peerFile(name));
    const bool peerMayBeThere =
        peer.exists() || peer.isSymLink() || !QFileInfo(layout.peersDir).isReadable();
    if (name.isEmpty() || !peerMayBeThere) {
        removeSettings(SystemResult());
        return;
    }
    removeSystemFiles(false, [this](const SystemResult &result) {
        const auto onAnswer = [this](bool allowed) {
            // One the user keeps stays; the account goes all the same.
            if (allowed)
                removeSystemFiles(true, [this](const SystemResult &again) { removeSettings(again); });
            else
                removeSettings(SystemResult());
        };
        askIfForeign(result, onAnswer, [this, result] { removeSettings(result); });
    });
}

void DeleteJob::removeSystemFiles(bool mayRemove, const StepFinished &done)
{
    if (layout.throughHelper)
        emit progress(WritingFiles);
    const auto inProcess = [this, mayRemove](const StepFinished &removed) {
        removed(removePeerFile(layout, name, mayRemove));
    };
    runSystemStep(layout.deleteHelper, deleteRequest(name, mayRemove), inProcess, done);
}

void DeleteJob::removeSettings(const SystemResult &result)
{
    if (result.succeeded())
        keptSettings = removeFileIfPresent(accountSettingsFile(name));
    finish(result);
}
