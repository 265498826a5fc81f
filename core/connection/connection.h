#ifndef CONNECTION_H
#define CONNECTION_H

#include "core/connection/connectionreason.h"
#include "core/connection/pppdoutput.h"
#include "core/connection/pppdprocess.h"
#include "core/system/systemlayout.h"

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QTimer>

class QFileSystemWatcher;
class QProcess;
class QSocketNotifier;

// Dials an account, or follows the pppd already running for it, and hangs up.
//
// Dialling runs "<pppd> call <account> nodetach logfd 1" as the user: every
// option there is one pppd grants an unprivileged caller, the peer file's
// own options are read by pppd as root. nodetach keeps pppd this program's
// child, so its exit status tells why it ended; logfd 1 sends its log to
// standard output even where /etc/ppp/options names a logfile. Standard output
// and error (chat's dialogue comes through pppd's log) go straight into a file,
// <connectionLogDir>/<account>-<pid>.log, which this class follows as it
// grows: no pipe ties pppd to the window, so closing the window leaves the
// connection up, and a window opened later (or a second one) finds pppd by
// its command line and reads the same log from the start. pppd's own logfile
// option would not help with a pppd started by pon, which logs to the journal
// only; such a pppd is shown Connected once its interface is there.
//
// Nothing polls while nothing happens: the log is followed through file
// change notices and a followed pppd's end through its pidfd; a timer ticks
// once a second only while Connected, for the counters and the duration.
//
// For the window: connectAccount() on Connect, disconnectAccount() on
// Disconnect (isActive() chooses the button's word); state() and stateChanged()
// for the status line, link(), counters() and connectedSeconds() after
// linkChanged() for its details, log() once and logAppended() after for the
// log view, reason() and finished() for the sentence of the last attempt.
class Connection : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxLogLines = 3000;

    Connection(const SystemLayout &layout, const QString &account, QObject *parent = nullptr);
    // A running pppd goes on; one this object started is still reaped here.
    ~Connection() override;

    // The account's password: masked in every log line of the calls started
    // or followed after this.
    void setSecret(const QString &password) { secret = password; }
    // How long pppd may take to end after SIGTERM before it is killed.
    int stopGraceMs = 10000;

    // Follows a pppd running for the account, if there is one; answers
    // whether one is followed now (or was already). Cheap: one pass over the
    // process table.
    bool attach();
    // Follows a running pppd, or else starts one.
    void connectAccount();
    // SIGTERM to pppd (as poff sends), SIGKILL once stopGraceMs have passed.
    void disconnectAccount();

    // A pppd runs for the account, started or followed by this object.
    bool isActive() const;
    PppdOutput::State state() const { return current; }
    const PppdOutput::Link &link() const { return output.link; }
    PppdProcess::Counters counters() const { return bytes; }
    // Since the link came up, -1 while not Connected.
    qint64 connectedSeconds() const;
    // The last maxLogLines lines, masked.
    const QStringList &log() const { return lines; }
    // Why the last attempt ended; NoReason while one runs or before any.
    const ConnectionReason &reason() const { return lastReason; }
    qint64 pid() const;

signals:
    void stateChanged(PppdOutput::State state);
    // Addresses or name servers; and every second while Connected.
    void linkChanged();
    void logAppended(const QStringList &lines);
    // pppd has ended (or never started): state() is Disconnected now.
    void finished(const ConnectionReason &reason);
    // Disconnect could not signal pppd (NotPermitted): it runs on.
    void stopRefused(const ConnectionReason &reason);

private:
    void reset();
    void start();
    void follow(const QString &logPath);
    // False when pid has ended already. Without pidfds (Linux before 5.3)
    // the end of a followed pppd goes unnoticed.
    bool watchEnd(qint64 pid);
    // atEnd: pppd has ended, its last line may lack its newline.
    void readLog(bool atEnd = false);
    void ended(const ConnectionReason &reason);
    void conclude(const ConnectionReason &reason);
    void setState(PppdOutput::State state);
    void tick();
    QString logFolder() const;

    SystemLayout layout;
    QString account, secret;
    PppdOutput output;
    QStringList lines;
    PppdOutput::State current = PppdOutput::Idle;
    ConnectionReason lastReason;
    QProcess *process = nullptr;
    qint64 followedPid = 0;
    QFile logFile;
    QFileSystemWatcher *logWatcher = nullptr;
    QSocketNotifier *endNotifier = nullptr;
    QTimer clock, killTimer;
    bool stopRequested = false, killed = false;
    QDateTime connectedSince;
    PppdProcess::Counters bytes;
};

#endif
