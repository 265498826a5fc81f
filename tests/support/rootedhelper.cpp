// The privileged helper on a scratch machine: its system under the root given first, serving the operation given second
// ("apply" or "delete"); each command it would run is appended to <root>/commands instead.
#include "core/protocol/applyhelper.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QCoreApplication>
#include <QFile>

struct CommandFile : CommandRunner
{
    QString path;
    void start(const QStringList &commandLine, const QByteArray &, const Finished &finished) override
    {
        QFile file(path);
        finished({ file.open(QIODevice::Append) && file.write(commandLine.join(' ').toUtf8() + '\n') > 0 ? 0 : 1, {}, {} });
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    CommandFile commands;
    commands.path = application.arguments().value(1) + "/commands";
    return runApplyHelper(SystemLayout::rootedAt(application.arguments().value(1)), commands, HelperOperation(application.arguments().value(2) == "delete"));
}
