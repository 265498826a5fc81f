#include "form/buddyfocus.h"

#include <QEvent>
#include <QLabel>

bool BuddyFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && label->buddy() && label->buddy()->isEnabled())
            label->buddy()->setFocus(Qt::MouseFocusReason);
    }
    return QObject::eventFilter(watched, event);
}
