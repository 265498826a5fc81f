#ifndef COMMANDRUNNER_H
#define COMMANDRUNNER_H

#include <QStringList>

// Runs an external command to its end. The program uses ProcessRunner; tests
// hand in a runner that records the command lines instead.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;

    // Runs program and arguments (commandLine[0] is the program) without a
    // shell and waits for it. Returns the exit status, or -1 when the
    // command could not be started or crashed.
    virtual int run(const QStringList &commandLine) = 0;
};

class ProcessRunner : public CommandRunner
{
public:
    int run(const QStringList &commandLine) override;
};

#endif
