#include "core/connection/modemmanagerquery.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>

namespace {

// Whether a modem in GetManagedObjects' answer (a{oa{sa{sv}}}) lists port.
bool listsPort(const QDBusArgument &objects, const QString &port)
{
    bool found = false;
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        objects.beginMapEntry();
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            QString interface;
            QVariantMap properties;
            objects.beginMapEntry();
            objects >> interface >> properties;
            objects.endMapEntry();
            if (interface != QLatin1String("org.freedesktop.ModemManager1.Modem"))
                continue;
            // Ports: a(su), each port's name (the primary one too) and its kind.
            const QDBusArgument ports = properties.value(QStringLiteral("Ports")).value<QDBusArgument>();
            if (ports.currentType() != QDBusArgument::ArrayType)
                continue;
            ports.beginArray();
            while (!ports.atEnd()) {
                QString name;
                uint kind = 0;
                ports.beginStructure();
                ports >> name >> kind;
                ports.endStructure();
                found = found || name == port;
            }
            ports.endArray();
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    return found;
}

} // namespace

void ModemManagerQuery::ask(const QString &device, int timeLimitMs)
{
    const QString port = QFileInfo(device).fileName();
    if (port.isEmpty() || !bus.isConnected()) {
        QMetaObject::invokeMethod(this, [this] { emit answered(Unknown); }, Qt::QueuedConnection);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ModemManager1"), QStringLiteral("/org/freedesktop/ModemManager1"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    call.setAutoStartService(false);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeLimitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, port] {
        watcher->deleteLater();
        // An error (no ModemManager, no answer in time) carries its text instead.
        const QVariant objects = watcher->reply().arguments().value(0);
        if (!objects.canConvert<QDBusArgument>())
            emit answered(Unknown);
        else
            emit answered(listsPort(objects.value<QDBusArgument>(), port) ? Holds : Free);
    });
}
