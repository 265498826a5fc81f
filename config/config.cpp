#include "config/config.h"

#include "core/system/systemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QTextStream>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Start of the mask that hides scrambled values from a casual glance at the
// file. It is not encryption; it only has to stay the same between versions.
const quint32 scrambleSeed = 0x6a09e667u;

// "Name" with language "de" is looked up as "Name[de]".
QString qualified(const QString &key, const QString &language)
{
    return key + QLatin1Char('[') + language + QLatin1Char(']');
}

// Exact comparison: a null text equals only a null text.
bool sameText(const QString &a, const QString &b)
{
    return a.isNull() == b.isNull() && a == b;
}

QString scramble(const QString &plain)
{
    QString result;
    quint32 mask = scrambleSeed;
    for (QChar c : plain) {
        const QString digits = QString::number(qint32(mask ^ c.unicode()), 36);
        result += QChar(char16_t(u'a' + digits.size()));
        result += digits;
        mask *= c.unicode();
    }
    return result;
}

// Stops at the first group that does not read as a count letter and that
// many base-36 digits.
QString unscramble(const QString &text)
{
    QString result;
    quint32 mask = scrambleSeed;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const int count = text.at(pos).unicode() - u'a';
        ++pos;
        if (count <= 0 || count > text.size() - pos)
            break;
        bool ok = false;
        const qint64 number = QStringView(text).mid(pos, count).toLongLong(&ok, 36);
        if (!ok)
            break;
        pos += count;
        const quint32 code = quint32(number) ^ mask;
        result += QChar(char16_t(code & 0xffffu));
        mask *= code;
    }
    return result;
}

} // namespace

Config::Config(const QString &name, ConfigScope scope)
    : settingsPath(settingsFilePath(name, scope))
{
    load();

    QStringList languages = { qEnvironmentVariableIsSet("LANG")
                                  ? QString::fromLocal8Bit(qgetenv("LANG"))
                                  : QString() };
    QString language = languages.first();
    if (language.indexOf(QLatin1Char('.')) > 0)
        language.truncate(language.indexOf(QLatin1Char('.')));
    if (language.indexOf(QLatin1Char('_')) > 0)
        languages.append(language.left(language.indexOf(QLatin1Char('_'))));
    fullLanguage = languages.first();
    if (languages.size() > 1)
        baseLanguage = languages.at(1);
}

Config::~Config()
{
    if (modified && readWhole)
        save(QString());
}

QString Config::settingsFilePath(const QString &name, ConfigScope scope)
{
    switch (scope) {
    case ExactPath:
        return name;
    case UserChoices: {
        const QString home = homeFolder();
        const QString folder = home + QLatin1String("/Choices/common");
        // A fresh home has no Choices folder yet; without it no account could
        // ever be saved. The folders may hold dial-up passwords: only their
        // owner may look in. The home folder itself is never created.
        for (const QString &level : { home + QLatin1String("/Choices"), folder }) {
            if (!QDir(level).exists() && homeRefusal(level).isEmpty())
                ::mkdir(QFile::encodeName(level).constData(), 0700);
        }
        return folder + QLatin1Char('/') + name + QLatin1String(".conf");
    }
    }
    return QString();
}

namespace {
Config::UserCheck effectiveUser = ::geteuid;
}

void Config::setEffectiveUser(UserCheck check)
{
    effectiveUser = check;
}

QString Config::homeFolder()
{
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        const passwd *entry = ::getpwuid(::geteuid());
        home = entry ? QFile::decodeName(entry->pw_dir) : QString();
    }
    return QDir::cleanPath(home);
}

QString Config::homeRefusal(const QString &path)
{
    const QString home = homeFolder();
    struct stat status;
    if (effectiveUser() != 0 || !QDir::cleanPath(path).startsWith(home + QLatin1Char('/'))
        || ::stat(QFile::encodeName(home).constData(), &status) != 0 || status.st_uid == 0)
        return QString();
    return tr("As root, this program writes nothing in %1, which belongs to another user: "
              "run it as that user.")
        .arg(home);
}

void Config::load()
{
    modified = false;
    currentGroup = nullptr;
    readWhole = !QFileInfo::exists(settingsPath);

    QFile file(settingsPath);
    if (readWhole || !file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    // Editors that mark UTF-8 put a byte-order mark first.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Anything that does not start with a group header is not a settings
    // file we wrote; treat it as empty rather than guess.
    if (file.error() != QFileDevice::NoError || !bytes.startsWith('['))
        return;

    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder(bytes);
    QTextStream stream(&text, QIODevice::ReadOnly);
    // Saving would replace what did not decode, so such a file counts as not
    // read whole.
    readWhole = parseText(stream) && !decoder.hasError();
}

bool Config::parseText(QTextStream &stream)
{
    const QStringList lines = stream.readAll().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (!parseLine(line)) {
            currentGroup = nullptr;
            return false;
        }
    }
    return true;
}

bool Config::parseLine(const QString &text)
{
    const QString line = text.trimmed();

    if (line.startsWith(QLatin1Char('['))) {
        QString name = line.mid(1);
        if (name.endsWith(QLatin1Char(']')))
            name.chop(1);
        // A repeated header starts the group afresh.
        currentGroup = &*groupTable.insert(name, Group());
        return true;
    }
    if (line.isEmpty())
        return true;
    if (!currentGroup)
        return false;

    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    const QString key = line.left(equals).trimmed();
    const QString value = equals == line.size() - 1 ? QString() : line.mid(equals + 1).trimmed();
    currentGroup->insert(key, value);
    return true;
}

void Config::selectGroup(const QString &group)
{
    auto found = groupTable.find(group);
    if (found == groupTable.end()) {
        found = groupTable.insert(group, Group());
        modified = true;
    }
    currentGroup = &*found;
}

QString Config::rawValue(const QString &key, const QString &fallback) const
{
    if (!currentGroup)
        return fallback;
    const auto found = currentGroup->constFind(key);
    return found == currentGroup->constEnd() ? fallback : *found;
}

QString Config::textValue(const QString &key, const QString &fallback) const
{
    QString value = rawValue(qualified(key, fullLanguage));
    if (!value.isNull())
        return value;
    if (!baseLanguage.isEmpty()) {
        value = rawValue(qualified(key, baseLanguage));
        if (!value.isNull())
            return value;
    }
    return rawValue(key, fallback);
}

int Config::numberValue(const QString &key, int fallback) const
{
    const QString text = textValue(key);
    if (text.isEmpty())
        return fallback;
    return text.toInt(nullptr, 10);   // 0 for anything that is not a 32-bit number
}

bool Config::flagValue(const QString &key, bool fallback) const
{
    return numberValue(key, fallback ? 1 : 0) != 0;
}

QStringList Config::listValue(const QString &key, QChar separator) const
{
    const QString text = textValue(key);
    if (text.isEmpty())
        return QStringList();
    return text.split(separator, Qt::SkipEmptyParts);
}

QString Config::scrambledValue(const QString &key, const QString &fallback) const
{
    const QString text = textValue(key);
    return text.isNull() ? fallback : unscramble(text);
}

bool Config::containsKey(const QString &key) const
{
    return currentGroup && currentGroup->contains(key);
}

void Config::putText(const QString &key, const QString &value)
{
    if (!currentGroup) {
        qWarning("no group set");
        return;
    }
    storeValue(key, value);
}

void Config::storeValue(const QString &key, const QString &value)
{
    QString &stored = (*currentGroup)[key];   // an absent key comes in as null
    if (!sameText(stored, value)) {
        stored = value;
        modified = true;
    }
}

void Config::putNumber(const QString &key, int value)
{
    putText(key, QString::number(value));
}

void Config::putCString(const QString &key, const char *value)
{
    putText(key, QString::fromUtf8(value));
}

void Config::putList(const QString &key, const QStringList &values, QChar separator)
{
    QString text;
    for (const QString &value : values)
        text += value + separator;
    putText(key, text);
}

void Config::putScrambled(const QString &key, const QString &value)
{
    if (!currentGroup) {
        qWarning("no group set");
        return;
    }
    storeValue(key, scramble(value));
}

void Config::removeKey(const QString &key)
{
    if (!currentGroup) {
        qWarning("no group set");
        return;
    }
    currentGroup->remove(key);
    modified = true;
}

void Config::emptyCurrentGroup()
{
    if (!currentGroup) {
        qWarning("no group set");
        return;
    }
    if (!currentGroup->isEmpty()) {
        currentGroup->clear();
        modified = true;
    }
}

QByteArray Config::fileContents() const
{
    QString text;
    for (auto group = groupTable.cbegin(); group != groupTable.cend(); ++group) {
        text += QLatin1Char('[') + group.key() + QLatin1String("]\n");
        for (auto entry = group->cbegin(); entry != group->cend(); ++entry)
            text += entry.key() + QLatin1String(" = ") + entry.value() + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool Config::save(const QString &path, QString *failure)
{
    if (!path.isEmpty())
        settingsPath = path;
    const QString refusal = homeRefusal(settingsPath);
    if (!refusal.isEmpty()) {
        if (failure)
            *failure = refusal;
        return false;
    }
    // Account files hold the dial-up password in clear: owner only. The
    // temporary name is fixed, so a crash leaves one "<path>.new" at most.
    const std::optional<WriteError> error =
        writeAtomically(settingsPath, fileContents(), S_IRUSR | S_IWUSR, TemporaryName::DotNew);
    if (!error) {
        modified = false;
        return true;
    }
    if (error->step == WriteError::Writing) {
        showOutOfSpace();
    } else if (error->step == WriteError::Renaming) {
        // Written, but not renamed: a failed save is not tried again
        // behind the caller's back.
        qWarning("::rename problem renaming file %s to %s errno %d",
                 qPrintable(settingsPath + QLatin1String(".new")), qPrintable(settingsPath),
                 error->number);
        modified = false;
    } else {
        qWarning("could not open for writing `%s'",
                 (settingsPath + QLatin1String(".new")).toLatin1().constData());
        currentGroup = nullptr;
    }
    if (failure)
        *failure = systemErrorText(error->number);
    return false;
}

namespace {
Config::OutOfSpaceNotice outOfSpaceNotice = nullptr;
}

void Config::setOutOfSpaceNotice(OutOfSpaceNotice notice)
{
    outOfSpaceNotice = notice;
}

void Config::showOutOfSpace()
{
    const QString caption = tr("Out of Space");
    const QString text = tr("There was a problem creating\nConfiguration Information \n"
                            "for this program.\n\nPlease free up some space and\ntry again.");
    if (outOfSpaceNotice)
        outOfSpaceNotice(caption, text);
    else
        qWarning("%s: %s", qPrintable(caption), qPrintable(text));
}
