#include "core/providers/providerdatabase.h"

#include "core/record/accountname.h"
#include "core/system/systemlayout.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtEndian>

namespace {

// The real list is about 360 KB; anything far larger is not one, and reading
// it would only keep the chooser waiting.
constexpr qint64 maxDatabaseBytes = 16 * 1024 * 1024;
constexpr qint64 maxCountryListBytes = 4 * 1024 * 1024;

// An access point name, user name or password that a modem, the account file
// and the secrets files take as it is.
bool offerable(const QString &value)
{
    return value.size() <= 100 && value == value.trimmed() && !containsControlCharacter(value)
        && !value.contains(QChar(0x2028)) && !value.contains(QChar(0x2029));
}

bool usableNameServer(const QString &address)
{
    if (address.isEmpty() || address.size() > 45)
        return false;
    for (const QChar c : address) {
        if (!QStringLiteral("0123456789abcdefABCDEF.:").contains(c))
            return false;
    }
    return true;
}

// The plain <name> unless one is given in the user's language.
struct LocalName
{
    QString plain, local;
    void take(QXmlStreamReader &xml, const QString &language)
    {
        const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
        const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).simplified();
        if (lang.isEmpty())
            plain = text;
        else if (lang == language)
            local = text;
    }
    QString value() const { return local.isEmpty() ? plain : local; }
};

class Parser
{
public:
    Parser(const QByteArray &data, const QString &language) : xml(data), language(language) {}

    ProviderDatabase run()
    {
        ProviderDatabase database;
        if (!xml.readNextStartElement() || xml.name() != QLatin1String("serviceproviders")) {
            database.error = xml.hasError() ? xmlError() : Reason { Reason::ProvidersNotAList, {} };
            return database;
        }
        const QStringView format = xml.attributes().value(QLatin1String("format"));
        if (format != QLatin1String("2.0")) {
            database.error = Reason { Reason::ProvidersFormat, { format.toString() } };
            return database;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("country"))
                country(database.countries);
            else
                xml.skipCurrentElement();
        }
        if (xml.hasError()) {
            database.countries.clear();
            database.error = xmlError();
        }
        return database;
    }

private:
    // The reader's own text, in Qt's words.
    Reason xmlError() const
    {
        return { Reason::ProvidersXmlError, { QString::number(xml.lineNumber()), xml.errorString() } };
    }

    void country(QList<ProviderCountry> &countries)
    {
        ProviderCountry country;
        country.code = xml.attributes().value(QLatin1String("code")).toString().toLower();
        LocalName name;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                name.take(xml, language);
            else if (xml.name() == QLatin1String("provider"))
                provider(country.providers);
            else
                xml.skipCurrentElement();
        }
        country.name = name.value().isEmpty() ? country.code.toUpper() : name.value();
        if (!country.providers.isEmpty() && country.code.size() == 2)
            countries << country;
    }

    void provider(QList<Provider> &providers)
    {
        Provider provider;
        LocalName name;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                name.take(xml, language);
            } else if (xml.name() == QLatin1String("gsm")) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("apn"))
                        plan(provider.plans, false);
                    else
                        xml.skipCurrentElement();
                }
            } else if (xml.name() == QLatin1String("cdma")) {
                plan(provider.plans, true);
            } else {
                xml.skipCurrentElement();
            }
        }
        provider.name = name.value();
        if (!provider.plans.isEmpty() && !provider.name.isEmpty())
            providers << provider;
    }

    // An <apn> or a <cdma> element.
    void plan(QList<ProviderPlan> &plans, bool cdma)
    {
        ProviderPlan plan;
        plan.cdma = cdma;
        plan.apn = xml.attributes().value(QLatin1String("value")).toString();
        // An access point without a usage is for internet use.
        bool internet = true;
        bool usable = cdma || isUsableApn(plan.apn);
        LocalName name;
        while (xml.readNextStartElement()) {
            const QStringView tag = xml.name();
            if (tag == QLatin1String("usage")) {
                internet = xml.attributes().value(QLatin1String("type")) == QLatin1String("internet");
                xml.skipCurrentElement();
            } else if (tag == QLatin1String("plan")) {
                plan.type = xml.attributes().value(QLatin1String("type")).toString();
                xml.skipCurrentElement();
            } else if (tag == QLatin1String("name")) {
                name.take(xml, language);
            } else if (tag == QLatin1String("username") || tag == QLatin1String("password")) {
                QString &value = tag == QLatin1String("username") ? plan.username : plan.password;
                value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                usable = usable && offerable(value);
            } else if (tag == QLatin1String("dns")) {
                const QString address = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                if (usableNameServer(address))
                    plan.nameServers << address;
            } else {
                xml.skipCurrentElement();
            }
        }
        plan.name = name.value();
        if (internet && usable)
            plans << plan;
    }

    QXmlStreamReader xml;
    const QString language;
};

// The translations of a gettext catalogue (.mo file), plain messages only.
QHash<QByteArray, QString> readCatalogue(const QString &path)
{
    QHash<QByteArray, QString> messages;
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > maxCountryListBytes || !file.open(QIODevice::ReadOnly))
        return messages;
    const QByteArray data = file.readAll();
    const auto word = [&data](qint64 offset, bool swapped) -> quint32 {
        if (offset < 0 || offset + 4 > data.size())
            return 0;
        const quint32 value = qFromLittleEndian<quint32>(data.mid(offset, 4).constData());
        return swapped ? qbswap(value) : value;
    };
    const bool swapped = word(0, false) == 0xde120495;
    if (!swapped && word(0, false) != 0x950412de)
        return messages;
    const quint32 count = word(8, swapped);
    const qint64 originals = word(12, swapped), translations = word(16, swapped);
    const auto string = [&](qint64 table, quint32 i) -> QByteArray {
        const qint64 length = word(table + 8 * qint64(i), swapped);
        const qint64 offset = word(table + 8 * qint64(i) + 4, swapped);
        return offset + length <= data.size() ? data.mid(offset, length) : QByteArray();
    };
    for (quint32 i = 0; i < count && originals + 8 * qint64(i) + 8 <= data.size(); ++i) {
        // The empty message is the catalogue's header.
        const QByteArray original = string(originals, i), translation = string(translations, i);
        if (!original.isEmpty() && !translation.isEmpty() && !translation.contains('\0'))
            messages.insert(original, QString::fromUtf8(translation));
    }
    return messages;
}

} // namespace

QString dialNumberFor(const ProviderPlan &plan)
{
    return plan.cdma ? QStringLiteral("#777") : QStringLiteral("*99#");
}

QString initStringFor(const ProviderPlan &plan)
{
    return plan.cdma ? QString() : QStringLiteral("AT+CGDCONT=1,\"IP\",\"%1\"").arg(plan.apn);
}

bool isUsableApn(const QString &apn)
{
    // A quote would end the init string's quoted name early.
    return !apn.isEmpty() && offerable(apn) && !apn.contains(QLatin1Char('"'));
}

QString ProviderDatabase::location(const SystemLayout &layout)
{
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/mobile-broadband-provider-info/serviceproviders.xml");
    for (const QString &path : { own, layout.providerDatabase }) {
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

ProviderDatabase ProviderDatabase::read(const QString &path, const QString &language)
{
    ProviderDatabase database;
    QFile file(path);
    // Not a regular file (a pipe or a device) could keep reading forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        database.error = Reason { Reason::ProvidersCannotOpen, {} };
    } else if (file.size() > maxDatabaseBytes) {
        database.error = Reason { Reason::ProvidersTooLarge, {} };
    } else {
        database = parse(file.read(maxDatabaseBytes), language);
    }
    return database;
}

ProviderDatabase ProviderDatabase::parse(const QByteArray &xml, const QString &language)
{
    return Parser(xml, language).run();
}

QHash<QString, QString> translatedCountryNames(const SystemLayout &layout, const QLocale &locale)
{
    QHash<QString, QString> names;
    QHash<QByteArray, QString> catalogue;
    // "pt_BR" first, then "pt".
    for (const QString &folder : { locale.name(), locale.name().section(QLatin1Char('_'), 0, 0) }) {
        catalogue = readCatalogue(layout.localeDir + QLatin1Char('/') + folder
                                  + QStringLiteral("/LC_MESSAGES/iso_3166-1.mo"));
        if (!catalogue.isEmpty())
            break;
    }
    QFile file(layout.countryList);
    if (catalogue.isEmpty() || file.size() > maxCountryListBytes || !file.open(QIODevice::ReadOnly))
        return names;
    const QJsonArray countries = QJsonDocument::fromJson(file.readAll()).object()
                                     .value(QLatin1String("3166-1")).toArray();
    for (const QJsonValue &entry : countries) {
        const QJsonObject country = entry.toObject();
        // The short common name ("South Korea") reads better than the formal one.
        for (const char *key : { "common_name", "name" }) {
            const QString translation = catalogue.value(country.value(QLatin1String(key)).toString().toUtf8());
            if (!translation.isEmpty()) {
                names.insert(country.value(QLatin1String("alpha_2")).toString().toLower(), translation);
                break;
            }
        }
    }
    return names;
}
