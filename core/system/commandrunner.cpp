#include "core/system/commandrunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <signal.h>
#include <unistd.h>

std::optional<Reason> commandProblem(const QStringList &commandLine, int status,
                                     const QString &errorText)
{
    Reason reason;
    switch (status) {
    case 0:
        return std::nullopt;
    case CommandRunner::NotStarted:
        reason.code = Reason::CommandNotStarted;
        break;
    case CommandRunner::Crashed:
        reason.code = Reason::CommandCrashed;
        break;
    case CommandRunner::Stopped:
        reason.code = Reason::CommandStopped;
        break;
    default:
        reason.code = Reason::CommandFailed;
    }
    reason.args = QStringList { commandLine.join(QLatin1Char(' ')), errorText };
    if (reason.code == Reason::CommandFailed)
        reason.args << QString::number(status);
    return reason;
}

int CheckedRunner::run(const QStringList &commandLine)
{
    const int status = runner.run(commandLine);
    if (const std::optional<Reason> problem = commandProblem(commandLine, status, runner.errorText()))
        problems.append(*problem);
    return status;
}

int ProcessRunner::run(const QStringList &commandLine)
{
    QByteArray ignored;
    return run(commandLine, QByteArray(), ignored);
}

int ProcessRunner::run(const QStringList &commandLine, const QByteArray &input, QByteArray &output)
{
    lastErrorText.clear();
    if (commandLine.isEmpty())
        return NotStarted;
    QProcess process;
    // A group of its own, so that stopping it reaches what it started too.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });

    bool stopped = false;
    const auto stop = [&] {
        stopped = true;
        // Never pid 0 here: kill(0) would reach this program's own group.
        if (const qint64 pid = process.processId(); pid > 0)
            ::kill(-pid_t(pid), SIGKILL);
        process.kill();
    };
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, stop);

    process.start(commandLine.first(), commandLine.mid(1));
    if (!process.waitForStarted(-1))
        return NotStarted;
    process.write(input);
    process.closeWriteChannel();
    if (timeLimitMs >= 0)
        limit.start(timeLimitMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        // The loop was left early (the program is quitting).
        stop();
        process.waitForFinished(-1);
    }

    output = process.readAllStandardOutput();
    // Only the end of a long one: the report is a message box.
    lastErrorText = QString::fromLocal8Bit(process.readAllStandardError().right(500)).trimmed();
    if (stopped)
        return Stopped;
    if (process.exitStatus() != QProcess::NormalExit)
        return Crashed;
    return process.exitCode();
}
