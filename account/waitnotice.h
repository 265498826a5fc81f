#ifndef WAITNOTICE_H
#define WAITNOTICE_H

#include <QProgressDialog>

class QWidget;

// Shows, for as long as it lives, that the dialog waits for the system: a
// modal busy indicator with text over window, whose own content takes no
// input meanwhile (the wait runs the event loop, so a click could otherwise
// start a second Apply inside the first).
class WaitNotice
{
public:
    WaitNotice(QWidget *window, QWidget *content, const QString &text);
    ~WaitNotice();

private:
    Q_DISABLE_COPY(WaitNotice)

    QProgressDialog progress;
    QWidget *content;
};

#endif
