#ifndef COMMANDRUNNER_H
#define COMMANDRUNNER_H

#include "core/system/reason.h"

#include <QString>
#include <QStringList>

#include <optional>

// Runs an external command to its end. The program uses ProcessRunner; tests
// hand in a runner that records the command lines instead.
class CommandRunner
{
public:
    // What run() answers when there is no exit status of the program's own
    // (those are 0 to 255).
    enum NoExitStatus {
        NotStarted = -1, // missing, not executable, or an empty command line
        Crashed = -2,    // ended by a signal
        Stopped = -3,    // did not end in time and was killed
    };

    virtual ~CommandRunner() = default;

    // Runs program and arguments (commandLine[0] is the program) without a
    // shell and waits for it. Returns the exit status or a NoExitStatus.
    virtual int run(const QStringList &commandLine) = 0;

    // What the last command run wrote to its standard error, trimmed; empty
    // when it wrote nothing or this runner does not keep it.
    virtual QString errorText() const { return QString(); }
};

// Why commandLine did not succeed, given what run() answered for it and what
// it wrote to its standard error: one of the Command codes with the command
// line, the error text and (CommandFailed) the exit status; none for 0.
std::optional<Reason> commandProblem(const QStringList &commandLine, int status,
                                     const QString &errorText = QString());

// Runs each command through another runner and keeps commandProblem's reason
// for every one that did not succeed, so that the caller can report them.
class CheckedRunner : public CommandRunner
{
public:
    explicit CheckedRunner(CommandRunner &runner) : runner(runner) { }
    int run(const QStringList &commandLine) override;
    QString errorText() const override { return runner.errorText(); }

    Reasons problems;

private:
    CommandRunner &runner;
};

// Runs commands as processes; the end of their standard error is kept for
// errorText(). While one runs, the calling thread's events are handled
// (windows keep painting), so the thread needs a QCoreApplication.
// A command still running after the time limit is killed together with every
// process it started in its process group (a hanging init script's helpers).
class ProcessRunner : public CommandRunner
{
public:
    static constexpr int defaultTimeLimitMs = 30 * 1000;

    // A negative time limit waits for as long as the command runs.
    explicit ProcessRunner(int timeLimitMs = defaultTimeLimitMs) : timeLimitMs(timeLimitMs) { }
    int run(const QStringList &commandLine) override;
    // The same, with input on the command's standard input and its standard
    // output kept in output.
    int run(const QStringList &commandLine, const QByteArray &input, QByteArray &output);
    QString errorText() const override { return lastErrorText; }

private:
    int timeLimitMs;
    QString lastErrorText;
};

#endif
