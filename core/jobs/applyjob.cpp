#include "core/jobs/applyjob.h"

#include "config/config.h"
#include "core/protocol/applyhelper.h"

#include <QFile>
#include <QFileInfo>

ApplyJob::ApplyJob(const SystemLayout &layout, CommandRunner &runner, const AccountRecord &record,
                   Scope scope, bool mayReplacePeerFile, QObject *parent)
    : SystemJob(layout, runner, scope, parent)
    , record(record)
    , mayReplacePeerFile(mayReplacePeerFile)
{
}

void ApplyJob::start()
{
    if (scope == WithSettings) {
        hadSettingsFile = QFileInfo::exists(accountSettingsFile(record.name));
        Config store(accountSettingsName(record.name), UserChoices);
        storeAccountRecord(store, record);
        QString reason;
        if (!store.save(QString(), &reason)) {
            store.discardChanges();
            SystemResult result;
            result.failures << FileFailure { store.filePath(), { Reason::Message, { reason } } };
            finish(result);
            return;
        }
    }
    writeSystemFiles(mayReplacePeerFile);
}

void ApplyJob::writeSystemFiles(bool mayReplace)
{
    // Writing alone is quick; the helper's password and the binding are not.
    if (layout.throughHelper || record.bluetooth)
        emit progress(record.bluetooth ? BindingBluetooth : WritingFiles);
    const auto inProcess = [this, mayReplace](const StepFinished &done) {
        applySystemFiles(layout, runner, record, mayReplace, done);
    };
    runSystemStep(layout.applyHelper, applyRequest(record, mayReplace), inProcess, [this, mayReplace](const SystemResult &result) {
        if (mayReplace) {
            finish(result);
            return;
        }
        // Whose a peer file is, the writer decides: the dialog may not be
        // allowed to look into the peers folder.
        const auto onAnswer = [this, result](bool allowed) {
            if (allowed) {
                writeSystemFiles(true);
                return;
            }
            if (!hadSettingsFile) {
                QFile::remove(accountSettingsFile(record.name));
                nothingSaved = true;
            }
            finish(result);
        };
        askIfForeign(result, onAnswer, [this, result] { finish(result); });
    });
}
