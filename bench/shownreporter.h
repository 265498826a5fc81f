#ifndef SHOWNREPORTER_H
#define SHOWNREPORTER_H

#include <QObject>

class QWidget;

// Tells the benchmark driver that a start-up is over: once the window has
// painted for the first time, writes "shown" to the file descriptor named by
// DIALUP_BENCH_SHOWN_FD and ends the event loop. Both start-up programs use
// it, so the bare dialog and the real one are measured the same way.
class ShownReporter : public QObject
{
    Q_OBJECT
public:
    explicit ShownReporter(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    bool reported = false;
};

#endif
