#include "benchmarks.h"
#include "measure.h"
#include "scratchdata.h"

#include "account/pppconfig.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The Bluetooth restart is not what is measured: no command really runs.
class IdleRunner : public CommandRunner
{
public:
    void start(const QStringList &, const QByteArray &, const Finished &finished) override
    {
        finished({ 0, {}, {} });
    }
};

} // namespace

Figure applyFigure(const BenchOptions &options)
{
    QTemporaryDir scratch;
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString root = scratch.filePath(QStringLiteral("root"));
    const QString copies = scratch.filePath(QStringLiteral("copies"));
    QDir().mkpath(home + QStringLiteral("/Choices/common"));
    QDir().mkpath(root + QStringLiteral("/etc/ppp/peers"));
    QDir().mkpath(root + QStringLiteral("/etc/bluetooth"));
    QDir().mkpath(copies);
    const SystemLayout layout = SystemLayout::rootedAt(root);

    writeFile(home + QStringLiteral("/Choices/common/Network-PPP-Office.conf"),
              accountSettings(QStringLiteral("Office"), QStringLiteral("start")));
    const QByteArray secrets = secretsFileText(options.secretsLines, "guest Office \"start\"");
    writeFile(layout.papSecrets, secrets);
    writeFile(layout.chapSecrets, secrets);

    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    // Apply only shows a box when something went wrong; nobody is there to
    // close it.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "dialup_bench: error: Apply showed \"%s\": %s\n",
                         qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::exit(1);
        }
    });
    guard.start(100);

    IdleRunner runner;
    QList<double> applying, copying, applyingCpu, copyingCpu;
    {
        PPPConfig dialog(nullptr, nullptr, layout, &runner);
        const QString log = scratch.filePath(QStringLiteral("cp.log"));
        for (int round = -1; round < options.applyRuns; ++round) {
            // A new password each time, so both secrets files really change.
            dialog.password->setText(QStringLiteral("pw%1").arg(round + 1));
            const double cpuBefore = cpuMilliseconds();
            const Clock::time_point start = Clock::now();
            QMetaObject::invokeMethod(&dialog, "Apply");
            const double applyTime = millisecondsSince(start);
            const double applyCpu = cpuMilliseconds() - cpuBefore;

            const ChildRun copy = runChild({ QStringLiteral("cp"), layout.papSecrets,
                                             layout.chapSecrets, copies },
                                           {}, log, false);
            if (round >= 0) {
                applying.append(applyTime);
                copying.append(copy.milliseconds);
                applyingCpu.append(applyCpu);
                copyingCpu.append(copy.cpuMilliseconds);
            }
        }
        const QByteArray expected = "guest Office \"pw" + QByteArray::number(options.applyRuns) + "\"\n";
        for (const QString &path : { layout.papSecrets, layout.chapSecrets }) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            if (!file.readAll().endsWith(expected)) {
                std::fprintf(stderr, "dialup_bench: error: Apply did not update %s\n", qPrintable(path));
                std::exit(1);
            }
        }
    }
    qputenv("HOME", previousHome);

    Figure figure;
    const double applyTime = median(applying), copyTime = median(copying);
    figure.title = QStringLiteral("Apply, secrets files of %1 lines / cp of both files")
                       .arg(thousands(options.secretsLines));
    figure.ratio = applyTime / copyTime;
    figure.goal = 3.0;
    figure.met = figure.ratio <= figure.goal;
    figure.details << QStringLiteral("%1 ms / %2 ms (%3 KiB each)")
                          .arg(applyTime, 0, 'f', 1).arg(copyTime, 0, 'f', 1)
                          .arg(secrets.size() / 1024);
    // The rest of the wall time is waiting for the disk: Apply flushes each
    // file it replaces before the rename, cp does not.
    figure.details << QStringLiteral("of which CPU: %1 ms / %2 ms")
                          .arg(median(applyingCpu), 0, 'f', 1).arg(median(copyingCpu), 0, 'f', 1);
    return figure;
}
