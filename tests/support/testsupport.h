#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <sys/types.h>

// The whole file, or "<unreadable>".
QByteArray fileContent(const QString &path);
bool putFile(const QString &path, const QByteArray &content, mode_t mode = 0644);
// The permission bits of path itself, -1 when it is not there.
int modeOf(const QString &path);

// While one lives, a write past bytes stops short with "File too large" (a full disk, made without filling one).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();

private:
    rlimit saved;
    void (*savedHandler)(int);
};

// Stands in for the system's programs: keeps each command line, answers exitStatus and message.
class RecordingRunner : public CommandRunner
{
public:
    void start(const QStringList &commandLine, const QByteArray &, const Finished &finished) override
    {
        commands << commandLine;
        finished({ exitStatus, message, {} });
    }
    QList<QStringList> commands;
    int exitStatus = 0;
    QString message;
};

// How a command ended, waiting for it in an event loop of the test's own.
CommandRunner::Outcome runToEnd(CommandRunner &runner, const QStringList &commandLine, const QByteArray &input = {});

// A scratch machine: HOME with its account folder and the system layout with /etc/ppp, /etc/bluetooth and the service script.
struct Scratch
{
    Scratch();
    QString accountFile(const QString &name) const { return home + "/Choices/common/Network-PPP-" + name + ".conf"; }
    QTemporaryDir dir;
    QString home, root;
    SystemLayout layout;
};

// Closes modal boxes while it lives (with answer if it has it), keeping "title: text"; notes busy indicators.
class BoxCatcher : public QObject
{
public:
    explicit BoxCatcher(int answer = 0);
    QStringList boxes;
    int answer;
    bool busySeen = false;
    QString cancelOnceExists;   // a file: once it is there, a busy indicator is cancelled

private:
    QTimer timer;
};

#endif
