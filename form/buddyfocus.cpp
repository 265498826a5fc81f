#include "form/buddyfocus.h"

#include <QEvent>
#include <QLabel>

bool BuddyFocus::eventFilter(QObject *watched, QEvent *event)
{
    // A disabled field takes no focus; Qt's setFocus() sees to that.
    auto *label = qobject_cast<QLabel *>(watched);
    if (event->type() == QEvent::MouseButtonRelease && label && label->buddy())
        label->buddy()->setFocus(Qt::MouseFocusReason);
    return false; // the label handles the event as ever
}
