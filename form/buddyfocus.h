#ifndef BUDDYFOCUS_H
#define BUDDYFOCUS_H

#include <QObject>

// Installed as an event filter on labels: a click on a label that has a
// buddy moves the keyboard focus to that field, as the label's mnemonic does.
class BuddyFocus : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
