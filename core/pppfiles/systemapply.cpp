#include "core/pppfiles/systemapply.h"

#include "core/pppfiles/accountfiles.h"
#include "core/record/accountname.h"
#include "core/record/applyinput.h"
#include "core/system/commandrunner.h"
#include "core/pppfiles/peerfile.h"
#include "core/pppfiles/peerrecord.h"
#include "core/bluetooth/rfcommbinding.h"
#include "core/system/systemfileslock.h"
#include "core/system/systemlayout.h"

#include <QFileInfo>

namespace {

// The peer file of name, when one is there that this program did not write
// and the caller may not replace; nothing otherwise. ownText is what this
// program would write there now (empty for a removal).
std::optional<SystemResult> keptPeerFile(const SystemLayout &layout, const QString &name,
                                         const QByteArray &ownText, bool mayReplace)
{
    const QFileInfo peerFile(layout.peerFile(name));
    if (mayReplace || !(peerFile.exists() || peerFile.isSymLink())
        || isRecordedPeer(layout, name))
        return std::nullopt;
    QByteArray text;
    if (!ownText.isEmpty() && !readFileIfPresent(peerFile.filePath(), text) && text == ownText)
        return std::nullopt;
    SystemResult result;
    result.notWritten << Reason { Reason::ForeignPeerFile, { peerFile.filePath() } };
    result.foreignPeerFile = peerFile.filePath();
    return result;
}

} // namespace

Reasons systemFileProblems(const AccountRecord &record)
{
    return applyInputProblems(peerValuesOf(record), record.password, boundDunEntry(record));
}

void applySystemFiles(const SystemLayout &layout, CommandRunner &runner,
                      const AccountRecord &record, bool mayReplacePeerFile,
                      const std::function<void(const SystemResult &)> &finished)
{
    SystemResult result;
    result.notWritten = systemFileProblems(record);
    if (!result.notWritten.isEmpty()) {
        finished(result);
        return;
    }
    const PeerValues peer = peerValuesOf(record);
    if (std::optional<SystemResult> kept = keptPeerFile(
            layout, record.name, peerFileText(peer).toLocal8Bit(), mayReplacePeerFile)) {
        finished(*kept);
        return;
    }

    result.failures = writeAccountFiles(layout, peer, record.password);
    if (!record.bluetooth) {
        finished(result);
        return;
    }
    const bool unavailable = bindingMethod(layout) == BindingMethod::None;
    bindBluetooth(layout, runner, peer.device, boundDunEntry(record),
                  [result, unavailable, finished](const BindingResult &binding) mutable {
                      result.failures += binding.failures;
                      result.commandProblems = binding.commandProblems;
                      if (unavailable)
                          result.commandProblems << Reason { Reason::BindingUnavailable, {} };
                      finished(result);
                  });
}

SystemResult removePeerFile(const SystemLayout &layout, const QString &name,
                            bool mayRemoveForeign)
{
    SystemResult result;
    if (name.isEmpty())
        return result;
    if (!isSafeAccountName(name)) {
        result.notWritten << Reason { Reason::UnsafeAccountName, { name } };
        return result;
    }
    const SystemFilesLock lock(layout);
    if (lock.failure()) {
        result.failures << *lock.failure();
        return result;
    }
    if (std::optional<SystemResult> kept = keptPeerFile(layout, name, {}, mayRemoveForeign))
        return *kept;
    const QString path = layout.peerFile(name);
    if (std::optional<FileFailure> failure = nonRegularFileAt(path))
        result.failures << *failure;
    else if (std::optional<FileFailure> failure = removeFileIfPresent(path))
        result.failures << *failure;
    else if (std::optional<FileFailure> failure = recordPeer(layout, name, false))
        result.failures << *failure;
    return result;
}
