#ifndef PPPDPROCESS_H
#define PPPDPROCESS_H

#include <QString>

struct SystemLayout;

// A pppd running for an account, however it was started: by this program
// ("pppd call <account> nodetach …") or by pon ("pppd call <account>").
// Finding one is a single pass over the process table, cheap enough for the
// window's start.
namespace PppdProcess {

// The PID of a pppd whose command line calls account, 0 when none runs.
qint64 find(const SystemLayout &layout, const QString &account);

// The interface (pppN) whose <pppdPidDir>/pppN.pid names pid, empty before
// pppd has made one.
QString interfaceOf(const SystemLayout &layout, qint64 pid);

// The bytes an interface has moved so far, -1 when it is gone.
struct Counters {
    qint64 received = -1, sent = -1;
};
Counters counters(const SystemLayout &layout, const QString &interface);

} // namespace PppdProcess

#endif
