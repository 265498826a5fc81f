#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "syswriters/commandrunner.h"
#include "syswriters/systemlayout.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/types.h>

// The whole file, or "<unreadable>" when it cannot be opened.
QByteArray fileContent(const QString &path);
// Creates or truncates path with content and gives it mode; false on failure.
bool putFile(const QString &path, const QByteArray &content, mode_t mode = 0644);
// The permission bits of path, -1 when it cannot be examined.
int modeOf(const QString &path);

// Stands in for the system's programs: remembers each command line and
// answers with a fixed exit status.
class RecordingRunner : public CommandRunner
{
public:
    int run(const QStringList &commandLine) override;
    QList<QStringList> commands;
    int exitStatus = 0;
};

// A scratch machine: HOME (with its account folder) and the system layout
// under one temporary folder, /etc/ppp and /etc/bluetooth made.
struct Scratch
{
    Scratch();
    QString accountFile(const QString &name) const;

    QTemporaryDir dir;
    QString home;
    QString root;
    SystemLayout layout;
};

// Closes every modal box that comes up while it lives, with its default
// button, and keeps "title: text" of each.
class BoxCatcher : public QObject
{
public:
    BoxCatcher();
    QStringList boxes;

private:
    QTimer timer;
};

#endif
