#include "core/system/commandrunner.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <memory>

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

void runInTurn(CommandRunner &runner, const QList<QStringList> &commandLines,
               const std::function<void(const QList<CommandRunner::Outcome> &)> &finished)
{
    if (commandLines.isEmpty()) {
        finished({});
        return;
    }
    runner.start(commandLines.first(), QByteArray(),
                 [&runner, commandLines, finished](const CommandRunner::Outcome &first) {
                     runInTurn(runner, commandLines.mid(1),
                               [first, finished](const QList<CommandRunner::Outcome> &rest) {
                                   finished(QList<CommandRunner::Outcome> { first } + rest);
                               });
                 });
}

Reasons commandProblems(const QList<QStringList> &commandLines,
                        const QList<CommandRunner::Outcome> &outcomes)
{
    Reasons problems;
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        if (const std::optional<Reason> problem =
                commandProblem(commandLines.value(i), outcomes[i].status, outcomes[i].errorText))
            problems << *problem;
    }
    return problems;
}

ProcessRunner::~ProcessRunner()
{
    // Their callbacks may belong to what goes with this runner.
    for (QProcess *process : processes.findChildren<QProcess *>()) {
        process->disconnect();
        if (const qint64 pid = process->processId(); pid > 0)
            ::kill(-pid_t(pid), SIGKILL);
    }
}

void ProcessRunner::start(const QStringList &commandLine, const QByteArray &input,
                          const Finished &finished)
{
    if (commandLine.isEmpty()) {
        finished(Outcome());
        return;
    }
    auto *process = new QProcess(&processes);
    // A group of its own, so that stopping it reaches what it started too.
    process->setChildProcessModifier([] { ::setpgid(0, 0); });
    auto *limit = new QTimer(process);
    limit->setSingleShot(true);
    auto stopped = std::make_shared<bool>(false);
    QObject::connect(limit, &QTimer::timeout, process, [process, stopped] {
        *stopped = true;
        // Never pid 0 here: kill(0) would reach this program's own group.
        if (const qint64 pid = process->processId(); pid > 0)
            ::kill(-pid_t(pid), SIGKILL);
        process->kill();
    });
    const auto end = [process, limit, finished](const Outcome &outcome) {
        limit->stop();
        process->disconnect();
        process->deleteLater();
        finished(outcome);
    };
    QObject::connect(process, &QProcess::started, process, [=, limitMs = timeLimitMs] {
        process->write(input);
        process->closeWriteChannel();
        if (limitMs >= 0)
            limit->start(limitMs);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(Outcome());
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, stopped, end](int exitCode, QProcess::ExitStatus exitStatus) {
                         Outcome outcome;
                         outcome.output = process->readAllStandardOutput();
                         // Only the end of a long one: the report is a message box.
                         outcome.errorText =
                             QString::fromLocal8Bit(process->readAllStandardError().right(500)).trimmed();
                         outcome.status = *stopped ? Stopped
                             : exitStatus != QProcess::NormalExit ? Crashed
                                                                   : exitCode;
                         end(outcome);
                     });
    process->start(commandLine.first(), commandLine.mid(1));
}
