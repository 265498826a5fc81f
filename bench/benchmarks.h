#ifndef BENCHMARKS_H
#define BENCHMARKS_H

#include <QString>
#include <QStringList>

// One benchmark's outcome: a ratio against a baseline measured in the same
// run, the goal it is held to, and the figures behind it.
struct Figure
{
    QString title;
    double ratio = 0;
    double goal = 0;     // the ratio must not exceed it
    QString goalText;    // when the goal is not a ratio
    bool met = false;
    QStringList details; // printed under the ratio
};

struct BenchOptions
{
    int startupRuns = 11;
    int applyRuns = 11;
    int parseRuns = 21;
    int secretsLines = 100000;
    int phones = 1000;
    QString programDir;   // where the start-up programs live
};

// Start-up of the dialog with 20 accounts against a bare dialog (time, then
// peak memory), and with 1,000 accounts against one, with 10 and 100 between.
QList<Figure> startupFigures(const BenchOptions &options);

// Apply on an account whose secrets files are large, against cp of both files.
Figure applyFigure(const BenchOptions &options);

// Parsing the search output of many phones, against reading it from the file.
Figure parserFigure(const BenchOptions &options);

// Reading the installed mobile broadband provider list, as the chooser does
// when it opens, against reading the file alone.
Figure providerListFigure(const BenchOptions &options);

#endif
