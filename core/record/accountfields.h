#ifndef ACCOUNTFIELDS_H
#define ACCOUNTFIELDS_H

#include <QList>
#include <QString>
#include <QVariantMap>

class Config;
struct PeerValues;

// The values of one account by settings key, as its settings file keeps them:
// texts as QString, numbers as int, flags as bool.
using AccountValues = QVariantMap;

// One value of an account, in the one table that says where it lives: its
// key in the settings file's "Properties" group (also its name in a request
// to the privileged helper), the form's widget that shows it, and what an
// account file without the entry shows.
struct AccountField
{
    enum Kind { Text, Number, Flag };

    const char *key;
    Kind kind;
    const char *widget;   // the object name of the form's widget
    QVariant fallback;
    int scale = 1;        // the file keeps the shown value times this
};

// Every value of an account but its name, which is the "name" of the
// settings file's "Info" group.
const QList<AccountField> &accountFields();

// Every field at its fallback: what an account without settings shows.
AccountValues fallbackValues();
// The "Properties" of an open account settings store, fallbacks for the
// missing entries.
AccountValues readAccountValues(Config &store);
// Puts name and every field of values into an open account settings store.
void storeAccountValues(Config &store, const QString &name, const AccountValues &values);

// What the peer file of the account name needs of values.
PeerValues peerValuesOf(const QString &name, const AccountValues &values);
// The DUN entry that binds the phone: the BTDUN value on the Bluetooth path,
// nothing on the others.
QString boundDunEntry(const AccountValues &values);

#endif
