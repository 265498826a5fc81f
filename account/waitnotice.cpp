#include "account/waitnotice.h"

WaitNotice::WaitNotice(QWidget *window, QWidget *content, const QString &text)
    : progress(window)
    , content(content)
{
    progress.setWindowTitle(window->windowTitle());
    progress.setLabelText(text);
    progress.setRange(0, 0); // a busy indicator: the commands tell no progress
    progress.setCancelButton(nullptr);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    content->setEnabled(false);
    progress.show();
}

WaitNotice::~WaitNotice()
{
    progress.hide();
    content->setEnabled(true);
}
