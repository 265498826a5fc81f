#include "benchmarks.h"
#include "measure.h"

#include "account/resulttext.h"
#include "core/providers/providerdatabase.h"
#include "core/system/systemlayout.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

Figure providerListFigure(const BenchOptions &options)
{
    Figure figure;
    const QString path = SystemLayout().providerDatabase;
    figure.title = QStringLiteral("parse the provider list / read it");
    figure.goalText = QStringLiteral("parse < 50 ms");
    if (!QFile::exists(path)) {
        figure.details << path + QStringLiteral(" is missing (package mobile-broadband-provider-info)");
        return figure;
    }
    QList<double> reading, parsing;
    ProviderDatabase database;
    qint64 size = 0;
    for (int round = -1; round < options.parseRuns; ++round) {
        Clock::time_point start = Clock::now();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        size = file.readAll().size();
        const double readTime = millisecondsSince(start);

        start = Clock::now();
        database = ProviderDatabase::read(path, QStringLiteral("de"));
        const double parseTime = millisecondsSince(start);
        if (round >= 0) {
            reading.append(readTime);
            parsing.append(parseTime);
        }
    }
    if (database.error) {
        std::fprintf(stderr, "dialup_bench: error: %s: %s\n", qPrintable(path),
                     qPrintable(reasonText(*database.error)));
        std::exit(1);
    }
    int providers = 0;
    for (const ProviderCountry &country : database.countries)
        providers += int(country.providers.size());
    const double parseTime = median(parsing), readTime = median(reading);
    figure.ratio = parseTime / readTime;
    figure.met = parseTime < 50.0;
    figure.details << QStringLiteral("%1 ms / %2 ms for %3 KiB: %4 countries, %5 providers")
                          .arg(parseTime, 0, 'f', 2).arg(readTime, 0, 'f', 2).arg(size / 1024)
                          .arg(database.countries.size()).arg(providers);
    return figure;
}
