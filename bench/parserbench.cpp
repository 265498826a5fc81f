#include "benchmarks.h"
#include "measure.h"
#include "scratchdata.h"

#include "core/bluetooth/dunsearchparser.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

Figure parserFigure(const BenchOptions &options)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("napsearch.txt"));
    const QByteArray output = searchOutput(options.phones);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(output) != output.size()) {
            std::fprintf(stderr, "dialup_bench: error: cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }

    QList<double> reading, parsing;
    qsizetype entries = 0;
    for (int round = -1; round < options.parseRuns; ++round) {
        Clock::time_point start = Clock::now();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray text = file.readAll();
        file.close();
        const double readTime = millisecondsSince(start);

        start = Clock::now();
        entries = DunSearchParser::parse(text).size();
        const double parseTime = millisecondsSince(start);
        if (round >= 0) {
            reading.append(readTime);
            parsing.append(parseTime);
        }
    }
    if (entries != options.phones) {
        std::fprintf(stderr, "dialup_bench: error: the parser found %lld of %d dial-up services\n",
                     static_cast<long long>(entries), options.phones);
        std::exit(1);
    }

    Figure figure;
    const double parseTime = median(parsing), readTime = median(reading);
    figure.title = QStringLiteral("parse search output of %1 phones / read it")
                       .arg(thousands(options.phones));
    figure.ratio = parseTime / readTime;
    figure.goalText = QStringLiteral("parse < 10 ms");
    figure.met = parseTime < 10.0;
    figure.details << QStringLiteral("%1 ms / %2 ms for %3 KiB")
                          .arg(parseTime, 0, 'f', 2).arg(readTime, 0, 'f', 2)
                          .arg(output.size() / 1024);
    return figure;
}
