#include "core/connection/connection.h"

#include "core/connection/modemmanagerquery.h"
#include "core/record/accountname.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

Connection::Connection(const SystemLayout &layout, const QString &account, QObject *parent)
    : QObject(parent), layout(layout), account(account)
{
    clock.setInterval(1000);
    connect(&clock, &QTimer::timeout, this, &Connection::tick);
    killTimer.setSingleShot(true);
    connect(&killTimer, &QTimer::timeout, this, [this] {
        killed = pid() > 0 && ::kill(pid_t(pid()), SIGKILL) == 0;
    });
}

Connection::~Connection()
{
    if (process) {
        // pppd outlives the window; its end is still collected.
        process->setParent(nullptr);
        connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
    if (endNotifier) {
        endNotifier->setEnabled(false);
        ::close(int(endNotifier->socket()));
    }
}

bool Connection::isActive() const
{
    return process || followedPid;
}

qint64 Connection::pid() const
{
    return process ? process->processId() : followedPid;
}

qint64 Connection::connectedSeconds() const
{
    return current == PppdOutput::Connected ? connectedSince.secsTo(QDateTime::currentDateTime()) : -1;
}

QString Connection::logFolder() const
{
    return !layout.connectionLogDir.isEmpty()
        ? layout.connectionLogDir
        : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/dialup");
}

void Connection::reset()
{
    output = PppdOutput(secret);
    lines.clear();
    lastReason = ConnectionReason();
    bytes = PppdProcess::Counters();
    stopRequested = killed = false;
}

bool Connection::attach()
{
    if (isActive())
        return true;
    const qint64 found = PppdProcess::find(layout, account);
    if (!found)
        return false;
    reset();
    if (!watchEnd(found))
        return false;
    followedPid = found;
    const QString logPath = logFolder() + QLatin1Char('/') + account + QLatin1Char('-') + QString::number(found)
        + QStringLiteral(".log");
    if (QFileInfo::exists(logPath)) {
        setState(PppdOutput::Dialling);
        follow(logPath);
        return true;
    }
    // Started elsewhere (pon): up once its interface is.
    output.link.interface = PppdProcess::interfaceOf(layout, found);
    const bool up = !output.link.interface.isEmpty()
        && QFileInfo::exists(layout.netClassDir + QLatin1Char('/') + output.link.interface);
    setState(up ? PppdOutput::Connected : PppdOutput::Dialling);
    const QFileInfo pidFile(layout.pppdPidDir + QLatin1Char('/') + output.link.interface + QStringLiteral(".pid"));
    if (up && pidFile.exists())
        connectedSince = pidFile.lastModified();
    return true;
}

void Connection::connectAccount()
{
    if (!attach())
        start();
}

void Connection::start()
{
    reset();
    if (!isSafeAccountName(account))
        return ended({ ConnectionReason::NoPeerFile, { account } });
    if (!QFileInfo::exists(layout.pppd))
        return ended({ ConnectionReason::PppdMissing, { layout.pppd } });
    const QString group = ConnectionReason::missingGroup(layout.pppd);
    if (!group.isEmpty())
        return ended({ ConnectionReason::NotInGroup, { group } });
    const QString folder = logFolder(), starting = folder + QLatin1Char('/') + account + QStringLiteral(".log");
    QFile probe(starting);
    if (!QDir().mkpath(folder) || !probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return ended({ ConnectionReason::LogUnwritable, { starting } });
    probe.close();
    // Earlier calls' logs: none of their pppds runs, or attach() had found it.
    const QRegularExpression earlier(QLatin1Char('^') + QRegularExpression::escape(account)
                                     + QStringLiteral("-\\d+\\.log$"));
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        if (earlier.match(name).hasMatch())
            QFile::remove(folder + QLatin1Char('/') + name);
    }

    process = new QProcess(this);
    process->setProgram(layout.pppd);
    process->setArguments({ QStringLiteral("call"), account, QStringLiteral("nodetach"), QStringLiteral("logfd"),
                            QStringLiteral("1") });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(starting, QIODevice::Truncate);
    // Its own session: a terminal's hang-up or Ctrl-C for the window leaves it.
    process->setChildProcessModifier([] { ::setsid(); });
    connect(process, &QProcess::started, this, [this, folder, starting] {
        // Named after pppd's PID, so that who finds that pppd finds its log.
        const QString logPath = folder + QLatin1Char('/') + account + QLatin1Char('-')
            + QString::number(process->processId()) + QStringLiteral(".log");
        QFile::remove(logPath);
        QFile::rename(starting, logPath);
        follow(logPath);
    });
    connect(process, &QProcess::finished, this, [this](int status, QProcess::ExitStatus how) {
        process->deleteLater();
        process = nullptr;
        readLog(true);
        if (killed)
            return ended({ ConnectionReason::KilledAfterTimeout, { QString::number(stopGraceMs / 1000) } });
        if (how == QProcess::CrashExit)
            return ended(stopRequested ? ConnectionReason{ ConnectionReason::Disconnected, {} }
                                       : ConnectionReason{ ConnectionReason::Crashed, {} });
        conclude(ConnectionReason::fromEnd(status, stopRequested, output, account)
                     .withPortHolder(layout, output.facts.lockPid));
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString text = process->errorString();
        process->deleteLater();
        process = nullptr;
        ended({ ConnectionReason::StartFailed, { layout.pppd, text } });
    });
    setState(PppdOutput::Dialling);
    process->start();
}

void Connection::follow(const QString &logPath)
{
    logFile.close();
    logFile.setFileName(logPath);
    if (!logFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    delete logWatcher;
    logWatcher = new QFileSystemWatcher({ logPath }, this);
    connect(logWatcher, &QFileSystemWatcher::fileChanged, this, [this] { readLog(); });
    readLog();
}

bool Connection::watchEnd(qint64 pid)
{
    // Not this program's child: its pidfd becomes readable when it ends.
    const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    if (fd < 0)
        return errno != ESRCH;
    endNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(endNotifier, &QSocketNotifier::activated, this, [this] {
        followedPid = 0;
        readLog(true);
        ended(killed ? ConnectionReason{ ConnectionReason::KilledAfterTimeout, { QString::number(stopGraceMs / 1000) } }
                     : ConnectionReason::fromEnd(-1, stopRequested, output, account));
    });
    return true;
}

void Connection::readLog(bool atEnd)
{
    if (!logFile.isOpen())
        return;
    const PppdOutput::Link before = output.link;
    QStringList fresh;
    const auto take = [&](const QStringList &read) {
        fresh += read;
        if (fresh.size() > maxLogLines)
            fresh.remove(0, fresh.size() - maxLogLines);
        // Line by line, so that no state is skipped when several lines come at once.
        if (output.state != PppdOutput::Idle && !(stopRequested && output.state < PppdOutput::Disconnecting))
            setState(output.state);
    };
    for (QByteArray chunk; !(chunk = logFile.read(64 * 1024)).isEmpty();) {
        for (qsizetype from = 0, end; from < chunk.size(); from = end + 1) {
            end = chunk.indexOf('\n', from);
            end = end < 0 ? chunk.size() - 1 : end;
            take(output.feed(chunk.mid(from, end + 1 - from)));
        }
    }
    if (atEnd)
        take(output.finish());
    if (fresh.isEmpty())
        return;
    lines += fresh;
    if (lines.size() > maxLogLines)
        lines.remove(0, lines.size() - maxLogLines);
    emit logAppended(fresh);
    if (output.link != before)
        emit linkChanged();
}

void Connection::conclude(const ConnectionReason &reason)
{
    if (reason.code != ConnectionReason::PortOpenFailed)
        return ended(reason);
    // A port that would not open is often ModemManager's.
    auto *query = new ModemManagerQuery(QDBusConnection::systemBus(), this);
    connect(query, &ModemManagerQuery::answered, this, [this, query, reason](ModemManagerQuery::Answer answer) {
        query->deleteLater();
        ended(answer == ModemManagerQuery::Holds ? ConnectionReason{ ConnectionReason::ModemManagerHolds, reason.arguments }
                                                 : reason);
    });
    query->ask(reason.arguments.value(0));
}

void Connection::ended(const ConnectionReason &reason)
{
    killTimer.stop();
    delete logWatcher;
    logWatcher = nullptr;
    logFile.close();
    if (endNotifier) {
        endNotifier->setEnabled(false);
        ::close(int(endNotifier->socket()));
        endNotifier->deleteLater();
        endNotifier = nullptr;
    }
    followedPid = 0;
    lastReason = reason;
    setState(PppdOutput::Disconnected);
    emit finished(reason);
}

void Connection::disconnectAccount()
{
    if (!isActive() || stopRequested)
        return;
    if (::kill(pid_t(pid()), SIGTERM) != 0) {
        if (errno == EPERM)
            emit stopRefused({ ConnectionReason::NotPermitted, { QString::number(pid()) } });
        return;
    }
    stopRequested = true;
    setState(PppdOutput::Disconnecting);
    killTimer.start(stopGraceMs);
}

void Connection::setState(PppdOutput::State state)
{
    if (state == current)
        return;
    current = state;
    if (state == PppdOutput::Connected) {
        connectedSince = QDateTime::currentDateTime();
        bytes = PppdProcess::counters(layout, output.link.interface);
        clock.start();
    } else {
        clock.stop();
    }
    emit stateChanged(state);
}

void Connection::tick()
{
    bytes = PppdProcess::counters(layout, output.link.interface);
    emit linkChanged();
}
