#include "core/connection/connectionreason.h"

#include "core/system/systemlayout.h"

#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ConnectionReason reason(ConnectionReason::Code code, const QStringList &arguments = QStringList())
{
    return ConnectionReason{ code, arguments };
}

// What chat told when the connect script failed.
ConnectionReason chatReason(const PppdOutput::Facts &facts)
{
    switch (facts.chatOutcome) {
    case PppdOutput::Busy: return reason(ConnectionReason::Busy);
    case PppdOutput::NoCarrier: return reason(ConnectionReason::NoCarrier);
    case PppdOutput::NoDialtone: return reason(ConnectionReason::NoDialtone);
    case PppdOutput::ModemError: return reason(ConnectionReason::ModemError);
    case PppdOutput::NoAnswer: return reason(ConnectionReason::NoAnswer);
    case PppdOutput::OtherAbort: return reason(ConnectionReason::ModemAbort, { facts.chatAbort });
    case PppdOutput::NoChatOutcome: break;
    }
    return reason(ConnectionReason::ConnectScriptFailed);
}

QByteArray firstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(256).split('\n').first().trimmed();
}

} // namespace

ConnectionReason ConnectionReason::fromEnd(int exitStatus, bool stopRequested, const PppdOutput &output,
                                           const QString &account)
{
    const PppdOutput::Facts &facts = output.facts;
    const QString signal = facts.signal ? QString::number(facts.signal) : QString();
    const QString device = !facts.lockedDevice.isEmpty() ? facts.lockedDevice
        : !facts.unopenedDevice.isEmpty() ? facts.unopenedDevice : output.link.device;
    if (exitStatus < 0) {
        // Not started here: the log is all there is.
        if (!facts.authFailed.isEmpty())
            return reason(AuthenticationFailed, { facts.authFailed });
        if (facts.chatOutcome != PppdOutput::NoChatOutcome || facts.connectScriptFailed)
            return chatReason(facts);
        if (facts.modemHangup)
            return reason(ModemHangup);
        if (facts.signal)
            return stopRequested ? reason(Disconnected) : reason(StoppedBySignal, { signal });
        return stopRequested ? reason(Disconnected) : reason(EndedUnknown);
    }
    // The peer hangs up once it has refused us: pppd ends with 19, or with 16 or (the line's SIGHUP) 5 when the
    // hang-up comes first.
    if (!stopRequested && !facts.authFailed.isEmpty() && (exitStatus == 5 || exitStatus == 16))
        return reason(AuthenticationFailed, { facts.authFailed });
    switch (exitStatus) {
    case 0: return reason(EndedByPeer);
    case 1: return reason(Fatal);
    case 2:
        return facts.missingOptionsFile.isEmpty() ? reason(OptionError) : reason(NoPeerFile, { account });
    case 3: return reason(NotAllowed);
    case 4: return reason(NoKernelSupport);
    case 5:
        return stopRequested ? reason(Disconnected)
            : facts.modemHangup ? reason(ModemHangup) : reason(StoppedBySignal, { signal });
    case 6: return reason(PortLocked, { device });
    case 7: return reason(PortOpenFailed, { device });
    case 8: return chatReason(facts);
    case 10: return reason(NegotiationFailed);
    case 11: return reason(PeerRefusedAuth);
    case 12: return reason(Idle);
    case 13: return reason(ConnectTimeLimit);
    case 15: return reason(NoEchoReplies);
    case 16: return reason(ModemHangup);
    case 17: return reason(LoopedBack);
    case 18: return reason(InitScriptFailed);
    case 19: return reason(AuthenticationFailed, { facts.authFailed });
    }
    return reason(OtherExit, { QString::number(exitStatus) });
}

ConnectionReason ConnectionReason::withPortHolder(const SystemLayout &layout, qint64 pidFromLog) const
{
    if (code != PortLocked || arguments.value(0).isEmpty())
        return *this;
    const QString device = arguments.first();
    // HDB lock files hold the PID as ASCII, padded with spaces.
    bool ok = false;
    qint64 pid = firstLine(layout.serialLockDir + QStringLiteral("/LCK..")
                           + QFileInfo(device).fileName()).toLongLong(&ok);
    if (!ok || pid <= 0)
        pid = pidFromLog;
    if (pid <= 0)
        return *this;
    const QString program = QString::fromUtf8(firstLine(layout.procDir + QLatin1Char('/')
                                                        + QString::number(pid) + QStringLiteral("/comm")));
    return reason(PortInUse, { device, program, QString::number(pid) });
}

QString ConnectionReason::missingGroup(const QString &program, uid_t uid, const QList<gid_t> &groups)
{
    struct stat status;
    if (uid == 0 || ::stat(QFile::encodeName(program).constData(), &status) != 0)
        return QString();
    if ((status.st_mode & S_IXOTH) || (status.st_uid == uid && (status.st_mode & S_IXUSR))
        || ((status.st_mode & S_IXGRP) && groups.contains(status.st_gid)))
        return QString();
    const group *entry = ::getgrgid(status.st_gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(status.st_gid);
}

QString ConnectionReason::missingGroup(const QString &program)
{
    QList<gid_t> groups(::getgroups(0, nullptr));
    groups.resize(qMax(0, ::getgroups(int(groups.size()), groups.data())));
    groups << ::getegid();
    return missingGroup(program, ::geteuid(), groups);
}
