#include "core/record/accountfields.h"

#include "config/config.h"
#include "core/pppfiles/peerfile.h"

namespace {

AccountField text(const char *key, QString AccountRecord::*member)
{
    return { key, AccountField::Text, member, nullptr, nullptr, 1 };
}

AccountField number(const char *key, int AccountRecord::*member, int scale = 1)
{
    return { key, AccountField::Number, nullptr, member, nullptr, scale };
}

AccountField flag(const char *key, bool AccountRecord::*member)
{
    return { key, AccountField::Flag, nullptr, nullptr, member, 1 };
}

} // namespace

QVariant AccountField::valueIn(const AccountRecord &record) const
{
    switch (kind) {
    case Text:
        return record.*text;
    case Number:
        return record.*number * scale;
    case Flag:
        return record.*flag;
    }
    return {};
}

void AccountField::setIn(AccountRecord &record, const QVariant &value) const
{
    switch (kind) {
    case Text:
        record.*text = value.toString();
        break;
    case Number:
        record.*number = value.toInt() / scale;
        break;
    case Flag:
        record.*flag = value.toBool();
        break;
    }
}

const QList<AccountField> &accountFields()
{
    static const QList<AccountField> fields = {
        text("username", &AccountRecord::user),
        text("password", &AccountRecord::password),
        text("phone", &AccountRecord::phone),
        // The strongest path wins when a file holds several: later rows
        // are shown over earlier ones.
        flag("Serial", &AccountRecord::serial),
        flag("IrDA", &AccountRecord::irda),
        flag("Bluetooth", &AccountRecord::bluetooth),
        text("device", &AccountRecord::device),
        text("atdial", &AccountRecord::initString),
        text("speed", &AccountRecord::speed),
        flag("crtscts", &AccountRecord::crtscts),
        number("connectdelay", &AccountRecord::connectDelay, 1000),
        text("BTDUN", &AccountRecord::btDun),
        number("dialmode", &AccountRecord::dialMode),
        number("idletime", &AccountRecord::idleTime),
        flag("defaultroute", &AccountRecord::defaultRoute),
        text("gateway", &AccountRecord::gateway),
        flag("usepeerdns", &AccountRecord::usePeerDns),
        text("dns1", &AccountRecord::dns1),
        text("dns2", &AccountRecord::dns2),
    };
    return fields;
}

AccountRecord readAccountRecord(Config &store)
{
    AccountRecord record;
    store.selectGroup(QStringLiteral("Info"));
    record.name = store.textValue(QStringLiteral("name"), QStringLiteral("DialUp connection"));
    store.selectGroup(QStringLiteral("Properties"));
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        const QVariant fallback = field.valueIn(record);
        switch (field.kind) {
        case AccountField::Text:
            field.setIn(record, store.textValue(key, fallback.toString()));
            break;
        case AccountField::Number:
            field.setIn(record, store.numberValue(key, fallback.toInt()));
            break;
        case AccountField::Flag:
            field.setIn(record, store.flagValue(key, fallback.toBool()));
            break;
        }
    }
    return record;
}

void storeAccountRecord(Config &store, const AccountRecord &record)
{
    store.selectGroup(QStringLiteral("Info"));
    store.putText(QStringLiteral("name"), record.name);
    store.selectGroup(QStringLiteral("Properties"));
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        if (field.kind == AccountField::Text)
            store.putText(key, field.valueIn(record).toString());
        else
            store.putNumber(key, field.valueIn(record).toInt());   // flags as 1 and 0
    }
}

QVariantMap fieldValues(const AccountRecord &record)
{
    QVariantMap values;
    for (const AccountField &field : accountFields())
        values.insert(QLatin1String(field.key), field.valueIn(record));
    return values;
}

void setFieldValues(AccountRecord &record, const QVariantMap &values)
{
    for (const AccountField &field : accountFields()) {
        const auto value = values.constFind(QLatin1String(field.key));
        if (value != values.cend())
            field.setIn(record, *value);
    }
}

QString accountSettingsFolder()
{
    return Config::homeFolder() + QStringLiteral("/Choices/common/");
}

QString accountSettingsName(const QString &name)
{
    return QStringLiteral("Network-PPP-") + name;
}

QString accountSettingsFile(const QString &name)
{
    return accountSettingsFolder() + accountSettingsName(name) + QStringLiteral(".conf");
}

PeerValues peerValuesOf(const AccountRecord &record)
{
    PeerValues peer;
    peer.device = record.device;
    peer.speed = record.speed;
    peer.initString = record.initString;
    peer.phone = record.phone;
    peer.crtscts = record.crtscts;
    peer.userName = record.user;
    peer.dialMode = record.dialMode;
    peer.idleTime = record.idleTime;
    peer.usePeerDns = record.usePeerDns;
    peer.defaultRoute = record.defaultRoute;
    peer.connectDelay = record.connectDelay;
    peer.accountName = record.name;
    return peer;
}

QString boundDunEntry(const AccountRecord &record)
{
    return record.bluetooth ? record.btDun : QString();
}
