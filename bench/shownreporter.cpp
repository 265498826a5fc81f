#include "shownreporter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

ShownReporter::ShownReporter(QWidget *window)
    : QObject(window)
{
    window->installEventFilter(this);
}

bool ShownReporter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !reported) {
        reported = true;
        // The window paints before its children: report once the whole
        // paint pass is through.
        QMetaObject::invokeMethod(this, &ShownReporter::report, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void ShownReporter::report()
{
    const int fd = qEnvironmentVariableIntValue("DIALUP_BENCH_SHOWN_FD");
    if (fd > 2) {
        static const char line[] = "shown\n";
        if (::write(fd, line, sizeof line - 1) < 0)
            std::abort();
        ::close(fd);
    }
    QCoreApplication::quit();
}
