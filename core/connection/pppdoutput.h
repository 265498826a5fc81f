#ifndef PPPDOUTPUT_H
#define PPPDOUTPUT_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads what pppd (with nodetach, its log on standard output) and chat -s -v
// (its dialogue on pppd's log) print, as it comes, and follows the call
// through its states, keeping the facts a failure is explained with.
//
// Bytes may come in any pieces: a line split across reads is joined, a line
// longer than maxLineBytes is cut there (the rest up to its end dropped), any
// byte that is not printable text shows as '?'. Memory stays bounded whatever
// comes. The account's password, where it is known, never leaves this class:
// every line is masked before it is kept or handed out.
class PppdOutput
{
public:
    enum State {
        Idle,              // nothing read yet
        Dialling,          // chat talks to the modem
        ModemConnected,    // "Serial connection established."
        Authenticating,    // the link is negotiated ("Connect: pppN <--> device")
        Connected,         // IP is up: the addresses are known
        WaitingForTraffic, // a demand link is idle: pppd dials when traffic comes
        Disconnecting,     // pppd ends the link
        Disconnected,      // pppd has ended (set by whoever sees it end)
    };
    // What chat said when it gave up.
    enum ChatOutcome { NoChatOutcome, Busy, NoCarrier, NoDialtone, ModemError, NoAnswer, OtherAbort };

    struct Link {
        QString interface, device, localAddress, remoteAddress, primaryDns, secondaryDns;
        bool operator==(const Link &other) const;
        bool operator!=(const Link &other) const { return !(*this == other); }
    };
    // What the lines told, beside the state.
    struct Facts {
        ChatOutcome chatOutcome = NoChatOutcome;
        QString chatAbort;         // the ABORT string chat saw ("BUSY")
        bool connectScriptFailed = false, modemHangup = false, demand = false;
        QString authFailed;        // "PAP" or "CHAP" when that authentication failed
        int signal = 0;            // "Terminating on signal N"
        QString lockedDevice;      // "Device ttyS0 is locked by pid N"
        qint64 lockPid = 0;
        QString unopenedDevice;    // "Failed to open /dev/ttyS0: …"
        QString missingOptionsFile; // "Can't open options file …"
        QString connectMinutes;    // "Connect time 3.2 minutes."
        qint64 sentBytes = -1, receivedBytes = -1; // at the end of a link
    };

    static constexpr int maxLineBytes = 4096;

    explicit PppdOutput(const QString &secret = QString()) : secret(secret) { }

    // Reads the next bytes; answers the lines they completed, masked and
    // printable, for the log view.
    QStringList feed(const QByteArray &bytes);
    // At the end of the stream: the unfinished last line, if any.
    QStringList finish();

    State state = Idle;
    Link link;
    Facts facts;

private:
    void take(const QByteArray &raw, QStringList &lines);
    void interpret(const QString &line);

    QString secret;
    QByteArray pending;
    bool skipping = false; // dropping the rest of an over-long line
};

#endif
