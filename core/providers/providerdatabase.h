#ifndef PROVIDERDATABASE_H
#define PROVIDERDATABASE_H

#include "core/system/reason.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QLocale;
struct SystemLayout;

// One way to reach the Internet through a provider: a GSM access point for
// internet use, or the provider's CDMA login.
struct ProviderPlan
{
    bool cdma = false;
    QString name;       // the database's plan name in the user's language; may be empty
    QString type;       // "prepaid", "postpaid" or empty
    QString apn;        // GSM only
    QString username;
    QString password;
    QStringList nameServers;
};

struct Provider
{
    QString name;
    QList<ProviderPlan> plans;
};

struct ProviderCountry
{
    QString code;       // ISO 3166 two letters, lower case
    QString name;
    QList<Provider> providers;
};

// The mobile broadband provider list (serviceproviders.xml, format 2.0), with
// only what a dial-up account can use: internet access points (never MMS or
// WAP ones) and CDMA logins. Values that could not reach a modem, the account
// file or a secrets file as given (a control character or line break, blanks
// at either end, more than 100 characters, a quote in an access point name)
// leave their plan out; providers and countries left
// without a plan are left out too. The file comes from outside: any fault in
// it gives an empty list and an error, never a crash or a wait.
struct ProviderDatabase
{
    QList<ProviderCountry> countries;
    std::optional<Reason> error;   // none when the file was read

    // The file to read: the user's own copy under the XDG data folder
    // (~/.local/share/mobile-broadband-provider-info/serviceproviders.xml)
    // when there is one, else the system's. Empty when neither is there.
    static QString location(const SystemLayout &layout);
    // Names are taken in language (such as "de") where the file gives them.
    static ProviderDatabase read(const QString &path, const QString &language);
    static ProviderDatabase parse(const QByteArray &xml, const QString &language);
};

// What a plan puts into the account: the number to dial, and for GSM the
// init string that sets the access point (null for CDMA: left as it is).
QString dialNumberFor(const ProviderPlan &plan);
QString initStringFor(const ProviderPlan &plan);
// Whether an access point name typed by hand could reach the modem as given.
bool isUsableApn(const QString &apn);

// Country names in the locale's language from iso-codes (its ISO 3166 list
// and that list's gettext translation), by lower-case two-letter code. Empty
// where iso-codes or the translation is missing.
QHash<QString, QString> translatedCountryNames(const SystemLayout &layout, const QLocale &locale);

#endif
