#include "benchmarks.h"
#include "measure.h"
#include "scratchdata.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

// One way of starting: a program and the home folder it starts in.
struct Starter
{
    QString label;
    QString program;
    QString home;
    QList<double> milliseconds;
    QList<double> peakKiB;
};

QString kiBText(double kiB)
{
    return QStringLiteral("%1 MiB").arg(kiB / 1024, 0, 'f', 1);
}

} // namespace

QList<Figure> startupFigures(const BenchOptions &options)
{
    QTemporaryDir scratch;
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString bare = options.programDir + QStringLiteral("/bench_bare_dialog");
    const QString probe = options.programDir + QStringLiteral("/bench_startup_probe");
    QList<Starter> starters;
    starters.append({ QStringLiteral("bare"), bare, scratch.filePath(QStringLiteral("bare")), {}, {} });
    const QList<int> counts { 1, 10, 20, 100, 1000 };
    for (int count : counts) {
        const QString home = scratch.filePath(QStringLiteral("accounts-%1").arg(count));
        writeAccounts(home, count);
        starters.append({ QString::number(count), probe, home, {}, {} });
    }
    QDir().mkpath(starters.first().home);

    // The first start of each fills the caches (fonts, shared libraries) and
    // is not counted; then the starters take turns in a new order each round,
    // so that a slow moment of the machine falls on all of them alike.
    const QString log = scratch.filePath(QStringLiteral("child.log"));
    QList<qsizetype> order;
    for (qsizetype i = 0; i < starters.size(); ++i)
        order.append(i);
    std::mt19937 shuffler(20240607);
    for (int round = -1; round < options.startupRuns; ++round) {
        std::shuffle(order.begin(), order.end(), shuffler);
        for (qsizetype index : std::as_const(order)) {
            Starter &starter = starters[index];
            const ChildRun run = runChild({ starter.program },
                                          { QStringLiteral("HOME=") + starter.home,
                                            QStringLiteral("XDG_RUNTIME_DIR=") + runtime },
                                          log, true);
            if (round >= 0) {
                starter.milliseconds.append(run.milliseconds);
                starter.peakKiB.append(run.peakKiB);
            }
        }
        std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");

    QMap<QString, double> time, memory;
    for (const Starter &starter : std::as_const(starters)) {
        time[starter.label] = median(starter.milliseconds);
        memory[starter.label] = median(starter.peakKiB);
    }

    QList<Figure> figures;
    Figure startTime;
    startTime.title = QStringLiteral("start-up time, 20 accounts / bare QDialog");
    startTime.ratio = time["20"] / time["bare"];
    startTime.goal = 1.3;
    startTime.details << QStringLiteral("%1 ms / %2 ms until the window is painted")
                             .arg(time["20"], 0, 'f', 1).arg(time["bare"], 0, 'f', 1);
    figures.append(startTime);

    Figure startMemory;
    startMemory.title = QStringLiteral("start-up peak RSS, 20 accounts / bare QDialog");
    startMemory.ratio = memory["20"] / memory["bare"];
    startMemory.goal = 1.2;
    startMemory.details << QStringLiteral("%1 / %2").arg(kiBText(memory["20"]), kiBText(memory["bare"]));
    figures.append(startMemory);

    Figure scaling;
    scaling.title = QStringLiteral("start-up time, 1,000 accounts / 1 account");
    scaling.ratio = time["1000"] / time["1"];
    scaling.goal = 2.0;
    QStringList growth;
    for (int count : counts)
        growth << QStringLiteral("%1: %2 ms").arg(count).arg(time[QString::number(count)], 0, 'f', 1);
    scaling.details << QStringLiteral("by account count: ") + growth.join(QStringLiteral(", "));
    const double perAccount = (time["1000"] - time["100"]) / 900;
    scaling.details << QStringLiteral("from 100 to 1,000 accounts: %1 ms per account; peak RSS %2 / %3")
                           .arg(perAccount, 0, 'f', 3)
                           .arg(kiBText(memory["1000"]), kiBText(memory["1"]));
    figures.append(scaling);

    for (Figure &figure : figures)
        figure.met = figure.ratio <= figure.goal;
    return figures;
}
