#ifndef CONNECTIONPANEL_H
#define CONNECTIONPANEL_H

#include "core/connection/connectionreason.h"
#include "core/system/systemlayout.h"

#include <QObject>

class Connection;
class PPPConfigBase;

// The connection row below the form's pages: follows the connection of the
// account the form shows, says its state in the status line, fills the log
// view and words the button. Closing the window leaves pppd running; the
// next window finds it again.
class ConnectionPanel : public QObject
{
    Q_OBJECT
public:
    ConnectionPanel(PPPConfigBase &form, const SystemLayout &layout, QObject *parent = nullptr);

    // Follows the account name from now on, and its pppd if one runs.
    // password masks it in the log. Nothing changes when name is shown already.
    void showAccount(const QString &name, const QString &password);
    // Dials the shown account with the system files as they are.
    void connectAccount(const QString &password);
    void disconnectAccount();
    // A pppd runs (or dials) for the shown account.
    bool isActive() const;
    // Ends the last attempt with reason without dialling.
    void refuse(const ConnectionReason &reason);
    // Puts the state into words again (each second while Connected).
    void render();

private:
    void follow(const QString &name, const QString &password);

    PPPConfigBase &form;
    SystemLayout layout;
    QString shown;
    Connection *connection = nullptr;
    ConnectionReason refused;       // said until the next attempt
    ConnectionReason stopRefusal;   // Disconnect could not stop pppd
};

#endif
