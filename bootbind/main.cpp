// Binds at start-up the Bluetooth serial devices that rfcomm.conf records,
// as Apply binds them: BlueZ 5 no longer reads that file itself. What it
// says goes to standard error, which the service manager keeps in its
// journal; it ends with 1 when a binding it tried was not made (blocks it
// skips are only logged).

#include "core/system/commandrunner.h"
#include "core/bluetooth/rfcommbinding.h"
#include "core/system/systemlayout.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream log(stderr);
    const SystemLayout layout;
    QByteArray conf;
    if (const std::optional<FileFailure> failure = readFileIfPresent(layout.rfcommConf, conf)) {
        log << failure->path << ": " << failure->reason << Qt::endl;
        return 1;
    }
    const RecordedBindings recorded = recordedBindings(conf);
    for (const QString &skipped : recorded.skipped)
        log << layout.rfcommConf << ": skipped " << skipped << Qt::endl;

    int status = 0;
    ProcessRunner processes;
    for (const RecordedBinding &binding : recorded.bindings) {
        CheckedRunner checked(processes);
        const std::optional<FileFailure> failure =
            bindWithRfcommTool(layout, checked, binding.devicePath, binding.dunEntry);
        if (failure)
            checked.problems << failure->path + QLatin1String(": ") + failure->reason;
        for (const QString &problem : checked.problems)
            log << problem << Qt::endl;
        if (checked.problems.isEmpty())
            log << binding.devicePath << " bound to " << binding.dunEntry << Qt::endl;
        else
            status = 1;
    }
    return status;
}
