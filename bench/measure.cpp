#include "measure.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// The descriptor the child writes its report to.
constexpr int ReportFd = 3;

[[noreturn]] void fail(const QString &what, const QString &logPath)
{
    std::fprintf(stderr, "dialup_bench: error: %s\n", qPrintable(what));
    QFile log(logPath);
    if (log.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "%s\n", log.readAll().constData());
    std::exit(1);
}

} // namespace

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

double cpuMilliseconds()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

QString thousands(int number)
{
    QString text = QString::number(number);
    for (qsizetype at = text.size() - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(','));
    return text;
}

ChildRun runChild(const QStringList &commandLine, const QStringList &environment,
                  const QString &logPath, bool waitForReport)
{
    // Everything the child needs is prepared before the clock starts.
    QList<QByteArray> argStore;
    for (const QString &arg : commandLine)
        argStore.append(QFile::encodeName(arg));
    std::vector<char *> argv;
    for (QByteArray &arg : argStore)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    QList<QByteArray> envStore;
    QStringList overridden;
    for (const QString &setting : environment) {
        envStore.append(setting.toLocal8Bit());
        overridden.append(setting.section(QLatin1Char('='), 0, 0) + QLatin1Char('='));
    }
    envStore.append(QByteArray("DIALUP_BENCH_SHOWN_FD=") + QByteArray::number(ReportFd));
    overridden.append(QStringLiteral("DIALUP_BENCH_SHOWN_FD="));
    std::vector<char *> envp;
    for (char **entry = environ; *entry; ++entry) {
        const QString text = QString::fromLocal8Bit(*entry);
        if (std::none_of(overridden.cbegin(), overridden.cend(),
                         [&](const QString &name) { return text.startsWith(name); }))
            envp.push_back(*entry);
    }
    for (QByteArray &setting : envStore)
        envp.push_back(setting.data());
    envp.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        fail(QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno))), logPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], ReportFd);
    const QByteArray logName = QFile::encodeName(logPath);
    posix_spawn_file_actions_addopen(&actions, 1, logName.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);

    pid_t pid;
    const Clock::time_point start = Clock::now();
    const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(report[1]);
    if (spawned != 0)
        fail(QStringLiteral("cannot start %1: %2").arg(commandLine.first(),
             QString::fromLocal8Bit(std::strerror(spawned))), logPath);

    ChildRun run;
    if (waitForReport) {
        pollfd watch { report[0], POLLIN, 0 };
        char line[16] = {};
        const int ready = ::poll(&watch, 1, 60000);
        const ssize_t got = ready == 1 ? ::read(report[0], line, sizeof line - 1) : -1;
        run.milliseconds = millisecondsSince(start);
        if (got <= 0 || std::strncmp(line, "shown", 5) != 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            fail(QStringLiteral("%1 did not show its window").arg(commandLine.first()), logPath);
        }
    }
    ::close(report[0]);

    int status = 0;
    rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) { }
    if (!waitForReport)
        run.milliseconds = millisecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(QStringLiteral("%1 failed (status %2)").arg(commandLine.join(QLatin1Char(' '))).arg(status),
             logPath);
    run.peakKiB = usage.ru_maxrss;
    run.cpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
                          + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    return run;
}
