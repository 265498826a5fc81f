#include "core/record/accountfields.h"

#include "config/config.h"
#include "core/pppfiles/peerfile.h"

const QList<AccountField> &accountFields()
{
    static const QList<AccountField> fields = {
        { "username", AccountField::Text, "username", QString() },
        { "password", AccountField::Text, "password", QString() },
        { "phone", AccountField::Text, "phone", QString() },
        // The strongest path wins when a file holds several: later rows
        // are shown over earlier ones.
        { "Serial", AccountField::Flag, "serial_button", false },
        { "IrDA", AccountField::Flag, "irda_button", false },
        { "Bluetooth", AccountField::Flag, "bluetooth_button", false },
        { "device", AccountField::Text, "btdevice", QStringLiteral("/dev/ttyS0") },
        { "atdial", AccountField::Text, "atdial", QStringLiteral("ATZ") },
        { "speed", AccountField::Text, "speed", QStringLiteral("115200") },
        { "crtscts", AccountField::Flag, "crtscts", false },
        { "connectdelay", AccountField::Number, "connectdelay", 0, 1000 },
        { "BTDUN", AccountField::Text, "deviceList", QString() },
        { "dialmode", AccountField::Number, "dialmode", 0 },
        { "idletime", AccountField::Number, "idletime", 120 },
        { "defaultroute", AccountField::Flag, "defaultroute", false },
        { "gateway", AccountField::Text, "gateway", QString() },
        { "usepeerdns", AccountField::Flag, "usepeerdns", false },
        { "dns1", AccountField::Text, "dns1", QString() },
        { "dns2", AccountField::Text, "dns2", QString() },
    };
    return fields;
}

AccountValues fallbackValues()
{
    AccountValues values;
    for (const AccountField &field : accountFields())
        values.insert(QLatin1String(field.key), field.fallback);
    return values;
}

AccountValues readAccountValues(Config &store)
{
    store.selectGroup(QStringLiteral("Properties"));
    AccountValues values;
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        switch (field.kind) {
        case AccountField::Text:
            values.insert(key, store.textValue(key, field.fallback.toString()));
            break;
        case AccountField::Number:
            values.insert(key, store.numberValue(key, field.fallback.toInt()));
            break;
        case AccountField::Flag:
            values.insert(key, store.flagValue(key, field.fallback.toBool()));
            break;
        }
    }
    return values;
}

void storeAccountValues(Config &store, const QString &name, const AccountValues &values)
{
    store.selectGroup(QStringLiteral("Info"));
    store.putText(QStringLiteral("name"), name);
    store.selectGroup(QStringLiteral("Properties"));
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        if (field.kind == AccountField::Text)
            store.putText(key, values.value(key).toString());
        else
            store.putNumber(key, values.value(key).toInt());   // flags as 1 and 0
    }
}

PeerValues peerValuesOf(const QString &name, const AccountValues &values)
{
    PeerValues peer;
    peer.device = values.value(QStringLiteral("device")).toString();
    peer.speed = values.value(QStringLiteral("speed")).toString();
    peer.initString = values.value(QStringLiteral("atdial")).toString();
    peer.phone = values.value(QStringLiteral("phone")).toString();
    peer.crtscts = values.value(QStringLiteral("crtscts")).toBool();
    peer.userName = values.value(QStringLiteral("username")).toString();
    peer.dialMode = values.value(QStringLiteral("dialmode")).toInt();
    peer.idleTime = values.value(QStringLiteral("idletime")).toInt();
    peer.usePeerDns = values.value(QStringLiteral("usepeerdns")).toBool();
    peer.defaultRoute = values.value(QStringLiteral("defaultroute")).toBool();
    peer.connectDelay = values.value(QStringLiteral("connectdelay")).toInt() / 1000;
    peer.accountName = name;
    return peer;
}

QString boundDunEntry(const AccountValues &values)
{
    return values.value(QStringLiteral("Bluetooth")).toBool()
        ? values.value(QStringLiteral("BTDUN")).toString()
        : QString();
}
