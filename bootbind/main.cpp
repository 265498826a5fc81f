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

// Binds the bindings from index on, one after another, then quits with
// status, or 1 when one of them was not made.
void bindFrom(const SystemLayout &layout, CommandRunner &runner,
              const QList<RecordedBinding> &bindings, qsizetype index, int status)
{
    if (index == bindings.size()) {
        QCoreApplication::exit(status);
        return;
    }
    const RecordedBinding &binding = bindings[index];
    bindWithRfcommTool(layout, runner, binding.devicePath, binding.dunEntry,
                       [&layout, &runner, bindings, index, status](const BindingResult &result) {
                           QTextStream log(stderr);
                           QStringList problems;
                           for (const FileFailure &failure : result.failures)
                               problems << failure.path + QLatin1String(": ") + logText(failure.reason);
                           for (const Reason &problem : result.commandProblems)
                               problems << logText(problem);
                           for (const QString &problem : problems)
                               log << problem << Qt::endl;
                           if (problems.isEmpty())
                               log << bindings[index].devicePath << " bound to "
                                   << bindings[index].dunEntry << Qt::endl;
                           bindFrom(layout, runner, bindings, index + 1,
                                    problems.isEmpty() ? status : 1);
                       });
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
    if (recorded.bindings.isEmpty())
        return 0;

    ProcessRunner processes;
    // Started from the event loop, so that the last binding's exit reaches it.
    QMetaObject::invokeMethod(&app, [&] { bindFrom(layout, processes, recorded.bindings, 0, 0); },
                              Qt::QueuedConnection);
    return app.exec();
}
