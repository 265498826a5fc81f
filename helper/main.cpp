// dialup-apply: writes the system files of one dial-up account for the
// dialog, which runs as an ordinary user and starts this through pkexec.
// Qt Core only: no widget library is loaded into a privileged process.

#include "syswriters/applyhelper.h"
#include "syswriters/commandrunner.h"
#include "syswriters/systemlayout.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    ProcessRunner runner;
    return runApplyHelper(SystemLayout(), runner);
}
