#ifndef CONNECTIONREASON_H
#define CONNECTIONREASON_H

#include "core/connection/pppdoutput.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

#include <sys/types.h>

struct SystemLayout;

// Why a connection attempt ended: a code with the values its sentence names,
// never the sentence itself (the window words it in the user's language).
// The arguments of each code are listed beside it.
struct ConnectionReason
{
    enum Code {
        NoReason,           // not ended (yet)
        Disconnected,       // stopped on the user's request
        KilledAfterTimeout, // {seconds}: pppd ignored SIGTERM so long and was killed
        EndedByPeer,        // pppd's status 0: the peer ended an established link
        EndedUnknown,       // a pppd this program did not start ended; its log told nothing
        PppdMissing,        // {program}
        StartFailed,        // {program, Qt's error text}
        NotInGroup,         // {group}: the user may not run pppd; an administrator adds them
        LogUnwritable,      // {path}: pppd's log could not be created there
        NotPermitted,       // {pid}: the running pppd is another user's and cannot be stopped
        NoPeerFile,         // {account}: never applied, or its peer file is gone
        Fatal,              // 1
        OptionError,        // 2
        NotAllowed,         // 3: pppd is not setuid root, or refuses this user an option
        NoKernelSupport,    // 4
        StoppedBySignal,    // 5, not asked for by this program {signal, or empty}
        PortLocked,         // 6 {device}
        PortInUse,          // 6 {device, program, pid}: the lock file names who holds it
        PortOpenFailed,     // 7 {device}
        ModemManagerHolds,  // 7 {device}: ModemManager owns the port (udev ID_MM_DEVICE_IGNORE)
        ConnectScriptFailed, // 8, chat's outcome unknown
        Busy,               // 8, chat saw "BUSY"
        NoCarrier,          // 8, "NO CARRIER"
        NoDialtone,         // 8, "NO DIALTONE"
        ModemError,         // 8, "ERROR"
        NoAnswer,           // 8, chat's time ran out
        ModemAbort,         // 8, {what chat saw}: another ABORT string
        NegotiationFailed,  // 10
        PeerRefusedAuth,    // 11: the peer would not authenticate itself
        Idle,               // 12
        ConnectTimeLimit,   // 13
        NoEchoReplies,      // 15
        ModemHangup,        // 16
        LoopedBack,         // 17
        InitScriptFailed,   // 18
        AuthenticationFailed, // 19 {"PAP" or "CHAP", or empty}
        OtherExit,          // {status}
        Crashed,            // pppd died of a signal it did not handle {signal}
    };

    Code code = NoReason;
    QStringList arguments;

    bool operator==(const ConnectionReason &other) const
    {
        return code == other.code && arguments == other.arguments;
    }

    // The reason from how pppd ended (exitStatus as pppd's manual lists them,
    // or -1 when this program did not start it and cannot know), refined by
    // what it and chat printed. stopRequested: this program sent SIGTERM.
    static ConnectionReason fromEnd(int exitStatus, bool stopRequested, const PppdOutput &output,
                                    const QString &account);

    // PortLocked turned into PortInUse when the port's HDB lock file
    // (<serialLockDir>/LCK..<device name>) names a process: its program is
    // read from <procDir>/<pid>/comm. Other reasons are answered unchanged.
    ConnectionReason withPortHolder(const SystemLayout &layout, qint64 pidFromLog = 0) const;

    // The group the user must join to run program, empty when they may:
    // root, the owner, a member of the file's group, or others may run it.
    static QString missingGroup(const QString &program, uid_t uid, const QList<gid_t> &groups);
    // The same for the calling user.
    static QString missingGroup(const QString &program);
};

Q_DECLARE_METATYPE(ConnectionReason)

#endif
