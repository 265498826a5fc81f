#ifndef RECORDINGRUNNER_H
#define RECORDINGRUNNER_H

#include "syswriters/commandrunner.h"

#include <QList>

// Stands in for the system's programs: remembers each command line it is
// asked to run and answers with a fixed exit status.
class RecordingRunner : public CommandRunner
{
public:
    int run(const QStringList &commandLine) override;

    QList<QStringList> commands;
    int exitStatus = 0;
};

#endif
