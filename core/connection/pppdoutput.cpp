#include "core/connection/pppdoutput.h"

#include <QRegularExpression>

bool PppdOutput::Link::operator==(const Link &other) const
{
    return interface == other.interface && device == other.device && localAddress == other.localAddress
        && remoteAddress == other.remoteAddress && primaryDns == other.primaryDns
        && secondaryDns == other.secondaryDns;
}

QStringList PppdOutput::feed(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', from);
        const qsizetype stop = end < 0 ? bytes.size() : end;
        if (!skipping) {
            const qsizetype room = maxLineBytes - pending.size();
            pending.append(bytes.constData() + from, qMin(room, stop - from));
            if (stop - from >= room && end < 0) {
                // Too long: what fits is a line of its own, the rest is dropped.
                take(pending, lines);
                pending.clear();
                skipping = true;
            }
        }
        if (end < 0)
            break;
        if (!skipping)
            take(pending, lines);
        pending.clear();
        skipping = false;
        from = end + 1;
    }
    return lines;
}

QStringList PppdOutput::finish()
{
    QStringList lines;
    if (!pending.isEmpty())
        take(pending, lines);
    pending.clear();
    skipping = false;
    return lines;
}

void PppdOutput::take(const QByteArray &raw, QStringList &lines)
{
    QByteArray printable = raw;
    if (printable.endsWith('\r'))
        printable.chop(1);
    for (char &c : printable) {
        if ((uchar(c) < 0x20 && c != '\t') || uchar(c) == 0x7f)
            c = '?';
    }
    QString line = QString::fromUtf8(printable);
    if (!secret.isEmpty())
        line.replace(secret, QStringLiteral("********"));
    interpret(line);
    lines << line;
}

void PppdOutput::interpret(const QString &line)
{
    static const QRegularExpression factLine(QStringLiteral(
        "^(?:"
        "Using interface (\\S+)"                                   // 1
        "|Connect: \\S+ <--> (\\S+)"                               // 2
        "|(PAP|CHAP) authentication (succeeded|failed)"            // 3, 4
        "|local  IP address (\\S+)"                                // 5
        "|remote IP address (\\S+)"                                // 6
        "|primary   DNS address (\\S+)"                            // 7
        "|secondary DNS address (\\S+)"                            // 8
        "|Terminating on signal (\\d+)"                            // 9
        "|Connect time (\\S+) minutes"                             // 10
        "|Sent (\\d+) bytes, received (\\d+) bytes"                // 11, 12
        "|Device (\\S+) is locked by pid (\\d+)"                   // 13, 14
        "|Failed to open (\\S+):"                                  // 15
        "|(?:\\S+: )?Can't open options file (\\S+):"              // 16
        "|Failed(?: \\((.*)\\))?$"                                 // 17: chat gave up
        "|(send|expect|abort on) \\("                              // 18: chat at work
        ")"));
    const QRegularExpressionMatch m = factLine.match(line);
    const auto at = [&m](int group) { return m.captured(group); };
    if (!m.hasMatch()) {
        if (line == QLatin1String("Serial connection established.")) {
            state = ModemConnected;
        } else if (line == QLatin1String("Starting link")) {
            state = Dialling;
        } else if (line == QLatin1String("Connect script failed")) {
            facts.connectScriptFailed = true;
        } else if (line == QLatin1String("Modem hangup") || line == QLatin1String("Hangup (SIGHUP)")) {
            facts.modemHangup = true;
            state = Disconnecting;
        } else if (line == QLatin1String("Connection terminated.")) {
            // A demand link goes back to waiting; otherwise pppd is ending.
            state = facts.demand ? WaitingForTraffic : Disconnecting;
        }
        return;
    }
    if (m.hasCaptured(1)) {
        link.interface = at(1);
        // Before any dialling the interface exists only for a demand link.
        if (state == Idle) {
            facts.demand = true;
            state = WaitingForTraffic;
        }
    } else if (m.hasCaptured(2)) {
        link.device = at(2);
        state = Authenticating;
    } else if (m.hasCaptured(3)) {
        if (at(4) == QLatin1String("failed"))
            facts.authFailed = at(3);
    } else if (m.hasCaptured(5)) {
        link.localAddress = at(5);
        state = Connected;
    } else if (m.hasCaptured(6)) {
        link.remoteAddress = at(6);
    } else if (m.hasCaptured(7)) {
        link.primaryDns = at(7);
    } else if (m.hasCaptured(8)) {
        link.secondaryDns = at(8);
    } else if (m.hasCaptured(9)) {
        facts.signal = at(9).toInt();
        state = Disconnecting;
    } else if (m.hasCaptured(10)) {
        facts.connectMinutes = at(10);
    } else if (m.hasCaptured(11)) {
        facts.sentBytes = at(11).toLongLong();
        facts.receivedBytes = at(12).toLongLong();
    } else if (m.hasCaptured(13)) {
        facts.lockedDevice = at(13);
        facts.lockPid = at(14).toLongLong();
    } else if (m.hasCaptured(15)) {
        facts.unopenedDevice = at(15);
    } else if (m.hasCaptured(16)) {
        facts.missingOptionsFile = at(16);
    } else if (m.hasCaptured(18)) {
        if (state == Idle || state == WaitingForTraffic)
            state = Dialling;
    } else {
        // chat: "Failed (BUSY)" for an ABORT string it saw, a bare "Failed"
        // when the time ran out first ("alarm").
        const QString abort = at(17);
        facts.chatAbort = abort;
        facts.chatOutcome = abort.isEmpty() ? NoAnswer
            : abort == QLatin1String("BUSY") ? Busy
            : abort == QLatin1String("NO CARRIER") ? NoCarrier
            : abort.startsWith(QLatin1String("NO DIAL")) ? NoDialtone
            : abort == QLatin1String("ERROR") ? ModemError : OtherAbort;
    }
}
