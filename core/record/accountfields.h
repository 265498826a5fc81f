#ifndef ACCOUNTFIELDS_H
#define ACCOUNTFIELDS_H

#include <QList>
#include <QString>
#include <QVariantMap>

class Config;
struct PeerValues;

// One account as the program holds it. The initial values are what an
// account file without the entry shows.
struct AccountRecord
{
    QString name;                  // the settings file's "Info" "name"
    QString user;
    QString password;
    QString phone;
    bool serial = false;           // the path: several may be on in a file,
    bool irda = false;             // the strongest one is shown
    bool bluetooth = false;
    QString device = QStringLiteral("/dev/ttyS0");
    QString initString = QStringLiteral("ATZ");
    QString speed = QStringLiteral("115200");
    bool crtscts = false;
    int connectDelay = 0;          // seconds
    QString btDun;                 // the phone's DUN entry "address,channel"
    int dialMode = 0;              // 0 manual, 1 idle, 2 demand, -1 none chosen
    int idleTime = 120;            // seconds
    bool defaultRoute = false;
    QString gateway;
    bool usePeerDns = false;
    QString dns1;
    QString dns2;
};

// One member of the record, in the one table that says where it lives: its
// key in the settings file's "Properties" group, which is also its name in a
// request to the privileged helper.
struct AccountField
{
    enum Kind { Text, Number, Flag };

    const char *key;
    Kind kind;
    QString AccountRecord::*text;  // the member, by kind; the others are null
    int AccountRecord::*number;
    bool AccountRecord::*flag;
    int scale;                     // the file and the request keep the member times this

    // The member as the file and the request keep it: a text, a number
    // (times the scale) or a flag.
    QVariant valueIn(const AccountRecord &record) const;
    // Sets the member from such a value.
    void setIn(AccountRecord &record, const QVariant &value) const;
};

// Every member of the record but its name.
const QList<AccountField> &accountFields();

// The "Info" name (fallback "DialUp connection") and "Properties" of an open
// account settings store, the record's initial values for the missing
// entries.
AccountRecord readAccountRecord(Config &store);
// Puts the record into an open account settings store (all keys).
void storeAccountRecord(Config &store, const AccountRecord &record);

// The record's members by settings key, and back: the request's "values".
QVariantMap fieldValues(const AccountRecord &record);
void setFieldValues(AccountRecord &record, const QVariantMap &values);

// Where accounts keep their settings: the folder
// "<Config::homeFolder()>/Choices/common/", the settings name of an account
// (a Config name in its UserChoices scope) and the file it names.
QString accountSettingsFolder();
QString accountSettingsName(const QString &name);
QString accountSettingsFile(const QString &name);

// What the peer file of the account needs of the record.
PeerValues peerValuesOf(const AccountRecord &record);
// The DUN entry that binds the phone: btDun on the Bluetooth path, nothing
// on the others.
QString boundDunEntry(const AccountRecord &record);

#endif
