#include "account/waitnotice.h"

#include <QCloseEvent>

WaitNotice::WaitNotice(QWidget *window)
    : QProgressDialog(window)
{
    setRange(0, 0); // a busy indicator: the commands tell no progress
    setCancelButton(nullptr);
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
}

void WaitNotice::showText(const QString &text)
{
    setWindowTitle(parentWidget()->windowTitle());
    setLabelText(text);
    show();
}

void WaitNotice::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
