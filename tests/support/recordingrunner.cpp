#include "support/recordingrunner.h"

int RecordingRunner::run(const QStringList &commandLine)
{
    commands.append(commandLine);
    return exitStatus;
}
