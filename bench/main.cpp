// dialup_bench: how the dial-up tool's costs compare with baselines measured
// in the same run. Every figure is a ratio, so a noisy machine moves both
// sides alike. Run it by hand; ctest runs it once with tiny counts as a smoke
// test that asserts nothing about time.
#include "benchmarks.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

void print(int number, const Figure &figure)
{
    const QString goal = figure.goalText.isEmpty() ? QString::asprintf("<= %.2f", figure.goal)
                                                   : figure.goalText;
    std::printf("%d. %-58s %6.2f  (goal %s) %s\n", number, qPrintable(figure.title),
                figure.ratio, qPrintable(goal), figure.met ? "met" : "NOT MET");
    for (const QString &line : figure.details)
        std::printf("   %s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    // The start-up programs inherit the platform, so both sides of the
    // start-up ratio run on the same one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Dial-up tool benchmarks: ratios against baselines"));
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Runs of each start-up and of Apply (default 11)."),
                                  QStringLiteral("n"));
    const QCommandLineOption smoke(QStringLiteral("smoke"),
                                   QStringLiteral("One run of everything: checks that it works, "
                                                  "the figures mean nothing."));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Run one benchmark alone (for profiling): "
                                                 "startup, apply, parse or providers."),
                                  QStringLiteral("name"));
    parser.addOption(runs);
    parser.addOption(smoke);
    parser.addOption(only);
    parser.process(app);

    BenchOptions options;
    options.programDir = QCoreApplication::applicationDirPath();
    if (parser.isSet(runs)) {
        options.startupRuns = options.applyRuns = qMax(1, parser.value(runs).toInt());
        options.parseRuns = 2 * options.startupRuns + 1;
    }
    if (parser.isSet(smoke))
        options.startupRuns = options.applyRuns = options.parseRuns = 1;

    std::printf("dialup_bench: medians of %d start-ups, %d Apply runs, %d parses; platform %s\n",
                options.startupRuns, options.applyRuns, options.parseRuns,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::fflush(stdout);

    const QString alone = parser.value(only);
    if (!alone.isEmpty() && alone != QLatin1String("startup") && alone != QLatin1String("apply")
        && alone != QLatin1String("parse") && alone != QLatin1String("providers")) {
        std::fprintf(stderr, "dialup_bench: error: no benchmark named %s\n", qPrintable(alone));
        return 2;
    }
    const auto wanted = [&](const char *name) { return alone.isEmpty() || alone == QLatin1String(name); };

    const QList<Figure> startup = wanted("startup") ? startupFigures(options) : QList<Figure>();
    if (!startup.isEmpty()) {
        print(1, startup.at(0));
        print(1, startup.at(1));
    }
    if (wanted("apply"))
        print(2, applyFigure(options));
    if (!startup.isEmpty())
        print(3, startup.at(2));
    if (wanted("parse"))
        print(4, parserFigure(options));
    if (wanted("providers"))
        print(5, providerListFigure(options));
    return 0;
}
