#include "syswriters/commandrunner.h"

#include <QProcess>

int ProcessRunner::run(const QStringList &commandLine)
{
    if (commandLine.isEmpty())
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(commandLine.first(), commandLine.mid(1));
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return -1;
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
