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

namespace {

// The journal's words for a reason, for the administrator: the system's and
// the programs' own texts where there are such, else the reason's code.
QString logText(const Reason &reason)
{
    const QString arg = reason.args.value(0);
    switch (reason.code) {
    case Reason::SystemError:
        return systemErrorText(arg.toInt());
    case Reason::Message:
        return arg;
    case Reason::CommandNotStarted:
    case Reason::CommandCrashed:
    case Reason::CommandStopped:
    case Reason::CommandFailed:
        return QStringList { arg, reason.codeName(), reason.args.value(2), reason.args.value(1) }
            .join(QLatin1Char(' ')).trimmed();
    default:
        return (QStringList(reason.codeName()) + reason.args).join(QLatin1Char(' '));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream log(stderr);
    const SystemLayout layout;
    QByteArray conf;
    if (const std::optional<FileFailure> failure = readFileIfPresent(layout.rfcommConf, conf)) {
        log << failure->path << ": " << logText(failure->reason) << Qt::endl;
        return 1;
    }
    const RecordedBindings recorded = recordedBindings(conf);
    for (const SkippedBinding &skipped : recorded.skipped)
        log << layout.rfcommConf << ": skipped " << skipped.name << ": " << logText(skipped.why) << Qt::endl;

    int status = 0;
    ProcessRunner processes;
    for (const RecordedBinding &binding : recorded.bindings) {
        CheckedRunner checked(processes);
        const std::optional<FileFailure> failure =
            bindWithRfcommTool(layout, checked, binding.devicePath, binding.dunEntry);
        if (failure)
            log << failure->path << ": " << logText(failure->reason) << Qt::endl;
        for (const Reason &problem : checked.problems)
            log << logText(problem) << Qt::endl;
        if (!failure && checked.problems.isEmpty())
            log << binding.devicePath << " bound to " << binding.dunEntry << Qt::endl;
        else
            status = 1;
    }
    return status;
}
