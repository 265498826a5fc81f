#ifndef CONFIG_H
#define CONFIG_H

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QTextStream;

// How a settings name becomes a file path. The fixed underlying type makes
// any int a valid scope, so settingsFilePath can answer null for values it
// does not know instead of relying on undefined behaviour.
enum ConfigScope : int {
    ExactPath = 0,   // the name is the path
    UserChoices = 1  // "<homeFolder>/Choices/common/<name>.conf"
};

// One settings file: named groups of "key = value" lines, read whole when the
// store is made and written back whole when a changed store is destroyed, by
// the system files' atomic writer (writeAtomically) through "<path>.new".
//
// Reading never destroys: a file that was not read to its end (it could not
// be opened, does not begin with "[" after an optional UTF-8 byte-order mark,
// is no valid UTF-8, or its parse stopped at a bad line) is not written back
// on destruction; only an explicit save replaces it.
//
// Lookups and changes address the current group (selectGroup). Reading never
// warns and answers the fallback when no group is current; a change with no
// current group prints "no group set" and does nothing.
//
// A null text and an empty text differ here: an entry may hold a null value
// (a line "key ="), and putting "" over it is a change.
class Config
{
    Q_DECLARE_TR_FUNCTIONS(Config)

public:
    Config(const QString &name, ConfigScope scope);
    ~Config();   // saves when modified and the file was read whole

    // The file behind a name; for UserChoices the settings folder is created
    // (last level only, mode 0700) when missing and homeRefusal allows it.
    static QString settingsFilePath(const QString &name, ConfigScope scope);

    // $HOME, or when it is unset or empty the home the password database
    // gives the user this process runs as; never the root of the file system.
    static QString homeFolder();
    // Why this process must create nothing at path, which lies in the home
    // folder; empty when it may. Root writes nothing in a home that another
    // user owns (sudo -E and su -p keep that user's HOME): a folder or file
    // of root's there would keep the user from saving any account.
    static QString homeRefusal(const QString &path);
    // Who this process runs as, for homeRefusal: geteuid unless replaced.
    using UserCheck = uid_t (*)();
    static void setEffectiveUser(UserCheck check);

    // Makes the group current, creating it (and so marking the store
    // modified) when the file lacks it.
    void selectGroup(const QString &group);
    bool hasGroupSelected() const { return currentGroup != nullptr; }

    // Tries key[$LANG], then key[language] (the part of $LANG before "_"),
    // then the bare key. A bare key holding a null value answers null.
    QString textValue(const QString &key, const QString &fallback = QString()) const;
    // Decimal, optional sign, 32 bits; anything else is 0. Absent or empty
    // answers the fallback.
    int numberValue(const QString &key, int fallback = 0) const;
    bool flagValue(const QString &key, bool fallback = false) const;
    QStringList listValue(const QString &key, QChar separator) const;
    QString scrambledValue(const QString &key, const QString &fallback = QString()) const;
    bool containsKey(const QString &key) const;
    // The bare key only, no language qualification.
    QString rawValue(const QString &key, const QString &fallback = QString()) const;

    void putText(const QString &key, const QString &value);
    void putNumber(const QString &key, int value);   // flags are stored as 1 and 0
    void putCString(const QString &key, const char *value);
    void putList(const QString &key, const QStringList &values, QChar separator);
    void putScrambled(const QString &key, const QString &value);
    void removeKey(const QString &key);
    void emptyCurrentGroup();

    // Writes the whole store now, mode 0600; a non-empty path becomes the
    // store's path. On failure (homeRefusal's included) answers false and,
    // when asked, why ("Permission denied"); the file stays as it was. When
    // the temporary file cannot be made no group is current afterwards; when
    // it was written but not renamed the store counts as saved.
    bool save(const QString &path, QString *failure = nullptr);
    // Forgets that the store differs from its file: destruction writes
    // nothing, so a failed save is not tried again behind the caller's back.
    void discardChanges() { modified = false; }
    const QString &filePath() const { return settingsPath; }

    // Shows the "Out of Space" caption and text when a save runs out of
    // room; the window puts them in a box. Without one they are a warning.
    using OutOfSpaceNotice = void (*)(const QString &caption, const QString &text);
    static void setOutOfSpaceNotice(OutOfSpaceNotice notice);

    // Reads settings text into the store, as loading a file does once the
    // file is known to begin with "[". Stops at the first line that is not a
    // group header and holds no "=", leaving no group current; answers
    // whether every line was read.
    bool parseText(QTextStream &stream);
    bool parseLine(const QString &line);

private:
    Q_DISABLE_COPY(Config)

    using Group = QMap<QString, QString>;

    void load();
    void storeValue(const QString &key, const QString &value);
    QByteArray fileContents() const;
    void showOutOfSpace();

    // QString's operator< compares UTF-16 code units: that is the file order.
    QMap<QString, Group> groupTable;
    // Points into groupTable, which is never copied, so the node stays put.
    Group *currentGroup = nullptr;
    QString settingsPath;
    QString fullLanguage;
    QString baseLanguage;
    bool modified = false;
    bool readWhole = false;   // a missing file counts: there is nothing to lose
};

#endif
