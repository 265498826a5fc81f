// dialup-apply: writes the system files of one dial-up account for the
// dialog, which runs as an ordinary user and starts this through pkexec.
// Qt Core only: no widget library is loaded into a privileged process.

#include "core/protocol/applyhelper.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    ProcessRunner runner;
    return runApplyHelper(SystemLayout(), runner);
}
