#include "account/connectionpanel.h"

#include "account/resulttext.h"
#include "form/pppconfigbase.h"
#include "core/connection/connection.h"
#include "core/record/accountname.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString orMark(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("?") : text;
}

QString amount(qint64 bytes)
{
    return bytes < 0 ? QStringLiteral("?") : QLocale().formattedDataSize(bytes);
}

} // namespace

ConnectionPanel::ConnectionPanel(PPPConfigBase &form, const SystemLayout &layout, QObject *parent)
    : QObject(parent), form(form), layout(layout)
{
    connect(&form, &PPPConfigBase::connectionLogMade, this, [this] {
        if (connection)
            this->form.connection_log->setPlainText(connection->log().join(QLatin1Char('\n')));
    });
    render();
}

void ConnectionPanel::showAccount(const QString &name, const QString &password)
{
    if (name == shown && (connection || !isSafeAccountName(name)))
        return;
    follow(name, password);
    if (connection)
        connection->attach();
    render();
}

void ConnectionPanel::follow(const QString &name, const QString &password)
{
    // The account shown before goes on running unseen.
    delete connection;
    connection = nullptr;
    shown = name;
    refused = stopRefusal = ConnectionReason();
    if (form.connection_log)
        form.connection_log->clear();
    if (!isSafeAccountName(name))
        return;
    connection = new Connection(layout, name, this);
    connection->setSecret(password);
    connect(connection, &Connection::stateChanged, this, [this] {
        stopRefusal = ConnectionReason();
        render();
    });
    connect(connection, &Connection::linkChanged, this, &ConnectionPanel::render);
    connect(connection, &Connection::logAppended, this, [this](const QStringList &lines) {
        if (form.connection_log)
            form.connection_log->appendPlainText(lines.join(QLatin1Char('\n')));
    });
    connect(connection, &Connection::stopRefused, this, [this](const ConnectionReason &reason) {
        stopRefusal = reason;
        render();
    });
}

void ConnectionPanel::connectAccount(const QString &password)
{
    if (isActive())
        return;
    // A fresh Connection: the password may have changed with the last Apply.
    follow(shown, password);
    if (connection)
        connection->connectAccount();
    else
        refused = { ConnectionReason::NoPeerFile, { shown } };
    render();
}

void ConnectionPanel::disconnectAccount()
{
    if (connection)
        connection->disconnectAccount();
}

bool ConnectionPanel::isActive() const
{
    return connection && connection->isActive();
}

void ConnectionPanel::refuse(const ConnectionReason &reason)
{
    if (isActive())
        return;
    refused = reason;
    render();
}

void ConnectionPanel::render()
{
    form.connect_button->setText(isActive() ? tr("Disconnect") : tr("Connect"));
    const PppdOutput::State state = connection ? connection->state() : PppdOutput::Idle;
    QString text;
    switch (state) {
    case PppdOutput::Dialling:
        text = tr("Dialling…");
        break;
    case PppdOutput::ModemConnected:
        text = tr("Connected to the modem");
        break;
    case PppdOutput::Authenticating:
        text = tr("Authenticating…");
        break;
    case PppdOutput::Connected: {
        const PppdOutput::Link &link = connection->link();
        const qint64 seconds = qMax<qint64>(0, connection->connectedSeconds());
        const QString duration = QStringLiteral("%1:%2:%3")
                                     .arg(seconds / 3600)
                                     .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        QStringList servers{ link.primaryDns, link.secondaryDns };
        servers.removeAll(QString());
        //: %1 local address, %2 remote address, %3 name servers, %4 duration (h:mm:ss), %5 and %6 amounts of data
        text = tr("Connected: %1 to %2, name servers %3, for %4; %5 in, %6 out")
                   .arg(orMark(link.localAddress), orMark(link.remoteAddress),
                        orMark(servers.join(QStringLiteral(", "))), duration,
                        amount(connection->counters().received), amount(connection->counters().sent));
        break;
    }
    case PppdOutput::WaitingForTraffic:
        text = tr("Waiting for traffic");
        break;
    case PppdOutput::Disconnecting:
        text = tr("Disconnecting…");
        break;
    case PppdOutput::Idle:
    case PppdOutput::Disconnected: {
        const ConnectionReason &why = refused.code != ConnectionReason::NoReason ? refused
            : connection ? connection->reason() : refused;
        text = why.code == ConnectionReason::NoReason
            ? tr("Disconnected")
            //: %1 is why the last attempt ended, a whole sentence
            : tr("Disconnected: %1").arg(connectionReasonText(why));
        break;
    }
    }
    if (stopRefusal.code != ConnectionReason::NoReason)
        text += QLatin1Char('\n') + connectionReasonText(stopRefusal);
    form.connection_status->setText(text);
}
