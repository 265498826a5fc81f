#ifndef WAITNOTICE_H
#define WAITNOTICE_H

#include <QProgressDialog>

class QWidget;

// Shows that the dialog waits for the system: a modal busy indicator over
// its window that only the dialog hides. Showing it does not wait; Escape
// and the window's close button leave it standing, since the step it stands
// for runs on to its end either way.
class WaitNotice : public QProgressDialog
{
    Q_OBJECT

public:
    explicit WaitNotice(QWidget *window);
    // Shows text in the notice, showing the notice when it is hidden.
    void showText(const QString &text);

protected:
    void reject() override { }
    void closeEvent(QCloseEvent *event) override;
};

#endif
