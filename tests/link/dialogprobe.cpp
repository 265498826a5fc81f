// Run by link/guest.sh inside the guest, as the user the case names: the dialog, offscreen, with the system's own
// files and pppd, dials the account it shows. Notes what the window said, one line each, in the file $1: "state"
// and the status line at each change, "exit" and pppd's status, "pinged" with the status line and the button once
// a ping crossed the link, "end" with both after the attempt; then the call's log (what the log view holds).
#include "account/pppconfig.h"
#include "core/connection/connection.h"

#include <QtWidgets>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFile notes(app.arguments().value(1));
    if (!notes.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    PPPConfig dialog;
    const auto note = [&](const QString &what, const QString &text) { notes.write((what + ' ' + text + '\n').toUtf8()); };
    const auto window = [&] { return dialog.connection_status->text() + " / " + dialog.connect_button->text(); };
    QTimer::singleShot(90000, &app, [&] { note("timeout", window()), app.exit(1); });

    dialog.connect_button->click();
    note("state", dialog.connection_status->text());
    const auto end = [&] { QTimer::singleShot(0, &app, [&] { note("end", window()), app.quit(); }); };
    auto *connection = dialog.findChild<Connection *>();
    if (!connection || !connection->isActive())
        end();
    else if (auto *pppd = connection->findChild<QProcess *>())
        QObject::connect(pppd, &QProcess::finished, [&](int status) { note("exit", QString::number(status)); });
    if (connection) {
        QObject::connect(connection, &Connection::finished, end);
        QObject::connect(connection, &Connection::stateChanged, [&](PppdOutput::State state) {
            note("state", dialog.connection_status->text());
            if (state != PppdOutput::Connected)
                return;
            auto *ping = new QProcess(&app);
            ping->start("ping", { "-c", "2", "-W", "5", "10.0.0.1" });
            QObject::connect(ping, &QProcess::finished, [&] {   // the counters are read once a second
                QTimer::singleShot(1500, &app, [&] { note("pinged", window()), dialog.connect_button->click(); });
            });
        });
    }
    const int status = app.exec();
    if (connection)
        notes.write(connection->log().join('\n').toUtf8());
    return status;
}
