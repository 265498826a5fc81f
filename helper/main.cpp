// dialup-apply and dialup-delete: write, or remove, the system files of one
// dial-up account for the dialog, which runs as an ordinary user and starts
// them through pkexec. Built once per operation (DIALUP_HELPER_OPERATION), so
// that each has a polkit action of its own. Qt Core only: no widget library
// is loaded into a privileged process.

#include "core/protocol/applyhelper.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    ProcessRunner runner;
    return runApplyHelper(SystemLayout(), runner, HelperOperation::DIALUP_HELPER_OPERATION);
}
