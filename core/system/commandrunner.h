#ifndef COMMANDRUNNER_H
#define COMMANDRUNNER_H

#include "core/system/reason.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Runs external commands without waiting for them: each one's end is
// reported to a callback. The program uses ProcessRunner; tests hand in a
// runner that records the command lines instead.
class CommandRunner
{
public:
    // The status of a command that has no exit status of the program's own
    // (those are 0 to 255).
    enum NoExitStatus {
        NotStarted = -1, // missing, not executable, or an empty command line
        Crashed = -2,    // ended by a signal
        Stopped = -3,    // did not end in time and was killed
    };

    // How a command ended.
    struct Outcome
    {
        int status = NotStarted;  // the exit status or a NoExitStatus
        QString errorText;        // what it wrote to standard error, trimmed
        QByteArray output;        // what it wrote to standard output
    };
    using Finished = std::function<void(const Outcome &)>;

    virtual ~CommandRunner() = default;

    // Starts program and arguments (commandLine[0] is the program) without a
    // shell, input on its standard input, and calls finished once when it
    // has ended: from the event loop, or before start returns when nothing
    // had to be waited for.
    virtual void start(const QStringList &commandLine, const QByteArray &input,
                       const Finished &finished) = 0;
};

// Why commandLine did not succeed, given its status and what it wrote to its
// standard error: one of the Command codes with the command line, the error
// text and (CommandFailed) the exit status; none for 0.
std::optional<Reason> commandProblem(const QStringList &commandLine, int status,
                                     const QString &errorText = QString());

// Runs the command lines one after another, each once the one before has
// ended whatever it answered, and calls finished with their outcomes in
// order.
void runInTurn(CommandRunner &runner, const QList<QStringList> &commandLines,
               const std::function<void(const QList<CommandRunner::Outcome> &)> &finished);

// commandProblem of each command that did not succeed.
Reasons commandProblems(const QList<QStringList> &commandLines,
                            const QList<CommandRunner::Outcome> &outcomes);

// Runs commands as processes of the calling thread's event loop; the end of
// their standard error is kept for the outcome. A command still running
// after the time limit is killed together with every process it started in
// its process group (a hanging init script's helpers). Commands still
// running when the runner goes are stopped with it.
class ProcessRunner : public CommandRunner
{
public:
    static constexpr int defaultTimeLimitMs = 30 * 1000;

    // A negative time limit waits for as long as the command runs.
    explicit ProcessRunner(int timeLimitMs = defaultTimeLimitMs) : timeLimitMs(timeLimitMs) { }
    ~ProcessRunner() override;
    void start(const QStringList &commandLine, const QByteArray &input,
               const Finished &finished) override;

private:
    int timeLimitMs;
    QObject processes;   // the running ones, its children
};

#endif
