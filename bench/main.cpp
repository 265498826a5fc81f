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
    std::printf("%d. %-58s %6.2f  (goal <= %.2f) %s\n", number, qPrintable(figure.title),
                figure.ratio, figure.goal, figure.met ? "met" : "NOT MET");
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
    parser.addOption(runs);
    parser.addOption(smoke);
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

    const QList<Figure> startup = startupFigures(options);
    print(1, startup.at(0));
    print(1, startup.at(1));
    print(2, applyFigure(options));
    print(3, startup.at(2));
    print(4, parserFigure(options));
    return 0;
}
