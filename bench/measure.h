#ifndef MEASURE_H
#define MEASURE_H

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

// Small timing helpers shared by the benchmarks. Every figure is a median,
// so one slow run on a busy machine does not move it.

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

double median(QList<double> values);

// 100000 as "100,000".
QString thousands(int number);

// What one child process cost: wall time from spawning it until it reported,
// and its peak resident set.
struct ChildRun
{
    double milliseconds = 0;
    long peakKiB = 0;
    double cpuMilliseconds = 0;   // user and system time of the child
};

// User and system time this process has used so far.
double cpuMilliseconds();

// Spawns program with the environment changes given ("NAME=value"), its output
// going to logPath, and waits until it writes a line to the descriptor named
// by DIALUP_BENCH_SHOWN_FD (when waitForReport is set) or until it ends. The
// child is then reaped for its peak memory. Exits the benchmark with a message
// when the child fails.
ChildRun runChild(const QStringList &commandLine, const QStringList &environment,
                  const QString &logPath, bool waitForReport);

#endif
