#include "config/config.h"

#include "support/scratchfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Collects warnings ("W: ") and debug lines ("D: ") while it lives.
class MessageLog
{
public:
    MessageLog() { sink = &lines; previous = qInstallMessageHandler(record); }
    ~MessageLog() { qInstallMessageHandler(previous); sink = nullptr; }
    QStringList lines;

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        sink->append((type == QtDebugMsg ? "D: " : "W: ") + text);
    }
    static inline QStringList *sink = nullptr;
    QtMessageHandler previous;
};

// Every file flushed to disk, by the name it had then; the call goes on to the
// kernel. A settings file must be flushed while it is still the ".new" file.
static QStringList flushedFiles;
extern "C" int fsync(int fd)
{
    flushedFiles << QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    return int(::syscall(SYS_fsync, fd));
}

static int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

class TestConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir scratch;
    int files = 0;

    QString freshPath() { return scratch.filePath(QString("settings%1.conf").arg(++files)); }
    QString fileWith(const QByteArray &bytes)
    {
        const QString path = freshPath();
        putFile(path, bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        QVERIFY(QDir().mkpath(scratch.filePath("home/Choices")));
        qputenv("HOME", QFile::encodeName(scratch.filePath("home")));
        qunsetenv("LANG");
    }
    void cleanup() { qunsetenv("LANG"); }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("groupAfterLoad");

        QTest::newRow("empty first line") << QByteArray("\n[Net]\na = 1\n") << "Net" << "a" << false << QString() << false;
        QTest::newRow("space first") << QByteArray(" [Net]\na = 1\n") << "Net" << "a" << false << QString() << false;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Net]\na = 1\n") << "Net" << "a" << true << "1" << true;
        const QByteArray repeated("[Net]\na = 1\n[Other]\n[Net]\nb = 2\n");
        QTest::newRow("repeated header drops earlier") << repeated << "Net" << "a" << false << QString() << true;
        QTest::newRow("repeated header keeps later") << repeated << "Net" << "b" << true << "2" << true;
        QTest::newRow("equals in value") << QByteArray("[G]\nkey = a = b\n") << "G" << "key" << true << "a = b" << true;
        QTest::newRow("spaces around line") << QByteArray("[G]\n \t key=value  \n") << "G" << "key" << true << "value" << true;
        QTest::newRow("nothing after equals") << QByteArray("[G]\nPhone =\n") << "G" << "Phone" << true << QString() << true;
        QTest::newRow("comment stops parse") << QByteArray("[G]\n# comment\nafter = 1\n") << "G" << "after" << false << QString() << false;
        QTest::newRow("what came before stays") << QByteArray("[G]\nk = v\nbroken\nl = w\n") << "G" << "k" << true << "v" << false;
        QTest::newRow("hash starts a key") << QByteArray("[G]\n# a = b\n") << "G" << "# a" << true << "b" << true;
        QTest::newRow("CRLF") << QByteArray("[G]\r\nkey = v\r\nnext = w\r\n") << "G" << "next" << true << "w" << true;
        QTest::newRow("blank lines") << QByteArray("[G]\n\n  \n\nk = v\n") << "G" << "k" << true << "v" << true;
        QTest::newRow("unclosed header") << QByteArray("[Net\nk = v\n") << "Net" << "k" << true << "v" << true;
        QTest::newRow("UTF-8") << QByteArray("[G]\nname = Gr\xC3\xBC\xC3\x9F""e\n") << "G" << "name" << true << "Grüße" << true;
    }
    void parse()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(bool, present);
        QFETCH(QString, value);
        QFETCH(bool, groupAfterLoad);

        const QString path = fileWith(file);
        Config config(path, ExactPath);
        QCOMPARE(config.hasGroupSelected(), groupAfterLoad);
        config.selectGroup(group);
        QCOMPARE(config.containsKey(key), present);
        if (present) {
            QCOMPARE(config.rawValue(key, "fallback"), value);
            QCOMPARE(config.rawValue(key, "fallback").isNull(), value.isNull());
        }
    }

    // An absent file, key or number answers the fallback, quietly; a present
    // null text beats it.
    void fallbacks()
    {
        MessageLog log;
        {
            Config absent(scratch.filePath("absent.conf"), ExactPath);
            QVERIFY(!absent.hasGroupSelected() && !absent.containsKey("k"));
            QCOMPARE(absent.textValue("k", "fb") + absent.scrambledValue("k", "fb"), QString("fbfb"));
            QCOMPARE(absent.numberValue("k", 7), 7);
            QVERIFY(absent.flagValue("k", true) && absent.listValue("k", ',').isEmpty());
            Config config(fileWith("[G]\nPhone =\n"), ExactPath);
            QVERIFY(config.textValue("Phone", "x").isNull());
            QCOMPARE(config.numberValue("Phone", 7), 7);
            QCOMPARE(config.textValue("Fax", "x"), QString("x"));
        }
        QCOMPARE(log.lines, QStringList());
    }

    void languages_data()
    {
        QTest::addColumn<QByteArray>("lang");   // null: unset
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << QByteArray() << "no language";
        QTest::newRow("set but empty") << QByteArray("") << "no language";
        QTest::newRow("C") << QByteArray("C") << "Hello";
        QTest::newRow("full with encoding") << QByteArray("de_DE.UTF-8") << "Hallo";
        QTest::newRow("language only") << QByteArray("de") << "Hallo";
        QTest::newRow("full match") << QByteArray("fr_FR") << "Bonjour";
        QTest::newRow("stripped form is no candidate") << QByteArray("fr_FR.UTF-8") << "Hello";
        QTest::newRow("leading separator") << QByteArray("_de") << "Hello";
    }
    void languages()
    {
        QFETCH(QByteArray, lang);
        QFETCH(QString, expected);
        if (!lang.isNull())
            qputenv("LANG", lang);
        Config config(fileWith("[G]\nName = Hello\nName[de] = Hallo\nName[fr_FR] = Bonjour\n"
                               "Name[] = no language\n"),
                      ExactPath);
        QCOMPARE(config.textValue("Name", "fb"), expected);
        QCOMPARE(config.rawValue("Name"), QString("Hello"));
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");   // fallback 7
        QTest::addColumn<bool>("flag");    // fallback true
        QTest::newRow("null") << QString() << 7 << true;
        QTest::newRow("empty") << "" << 7 << true;
        QTest::newRow("negative") << "-5" << -5 << true;
        QTest::newRow("plus and white space") << " \t+12 " << 12 << true;
        QTest::newRow("zero") << "0" << 0 << false;
        QTest::newRow("trailing letters") << "12abc" << 0 << false;
        QTest::newRow("largest") << "2147483647" << 2147483647 << true;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL) << true;
        QTest::newRow("beyond 32 bits") << "2147483648" << 0 << false;
        QTest::newRow("hexadecimal") << "0x10" << 0 << false;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(bool, flag);
        Config config(freshPath(), ExactPath);
        config.selectGroup("G");
        config.putText("k", text);
        QCOMPARE(config.numberValue("k", 7), number);
        QCOMPARE(config.flagValue("k", true), flag);
    }

    void listsAndScrambledValues()
    {
        Config config(freshPath(), ExactPath);
        config.selectGroup("G");
        config.putList("l", { "a", "b c" }, ';');
        QCOMPARE(config.rawValue("l"), QString("a;b c;"));
        QCOMPARE(config.listValue("l", ';'), QStringList({ "a", "b c" }));
        config.putText("l", ";;x;;y");
        QCOMPARE(config.listValue("l", ';'), QStringList({ "x", "y" }));
        config.putList("l", {}, ';');
        QVERIFY(config.rawValue("l").isNull());

        for (const QString &secret : { QString("s3cret pass"), QString("Grüße 😀"), QString(1, QChar(0xffff)) }) {
            config.putScrambled("pw", secret);
            QVERIFY(!config.rawValue("pw").contains(secret));
            QCOMPARE(config.scrambledValue("pw", "fb"), secret);
        }
        config.putScrambled("pw", "");
        QVERIFY(config.rawValue("pw").isNull());
        QCOMPARE(config.scrambledValue("pw", "fb"), QString("fb"));
        for (const char *garbage : { "a", "z", "c-", "b!", "" }) {   // hand-edited files must not crash
            config.putText("pw", garbage);
            config.scrambledValue("pw");
        }
    }

    // Groups and keys are saved sorted by UTF-16 code unit; values read back
    // trimmed, null and empty text alike, and a line feed ends the value and
    // the parse there: a file not read whole is not written back.
    void roundTrip()
    {
        const QString path = freshPath();
        {
            Config config(path, ExactPath);
            config.selectGroup("Properties");
            config.putNumber("Port", 3);
            config.putText("Mode", "x");
            config.selectGroup("Empty");
            config.selectGroup("Order");
            config.putText("apn", "  padded ");
            config.putText("Zone", "inner  spaces");
            config.putText("～", "3");   // U+FF5E sorts after a surrogate pair
            config.putText("😀", "4");
            config.putNumber("minus", -42);
            config.putCString("c", "bytes");
            config.putText("null", QString());
            config.putText("empty", "");
            config.selectGroup("Tail");
            config.putText("d", "line\ntail");
            config.putText("e", "lost");
        }
        {
            Config config(path, ExactPath);
            QVERIFY(!config.hasGroupSelected());   // "tail" stopped the parse
            config.selectGroup("Order");
            QCOMPARE(config.rawValue("apn"), QString("padded"));
            QVERIFY(config.containsKey("empty") && config.rawValue("empty").isNull());
            config.selectGroup("Tail");
            QVERIFY(!config.containsKey("e"));
            config.putText("f", "1");
        }
        QCOMPARE(fileContent(path), QByteArray("[Empty]\n[Order]\nZone = inner  spaces\napn =   padded \n"
                                               "c = bytes\nempty = \nminus = -42\nnull = \n😀 = 4\n～ = 3\n"
                                               "[Properties]\nMode = x\nPort = 3\n[Tail]\nd = line\ntail\ne = lost\n"));
    }

    void modifiedRules_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray original("[B]\nz = 1\nn =\n[A]\n");
        const QByteArray sorted("[A]\n[B]\nn = \nz = 1\n");
        QTest::newRow("reading only") << 0 << original;
        QTest::newRow("same text") << 1 << original;
        QTest::newRow("same number") << 2 << original;
        QTest::newRow("null over null") << 3 << original;
        QTest::newRow("emptying an empty group") << 4 << original;
        QTest::newRow("empty text over null") << 5 << sorted;
        QTest::newRow("removing an absent key") << 6 << sorted;
        QTest::newRow("emptying a group") << 7 << QByteArray("[A]\n[B]\n");
        QTest::newRow("selecting a missing group") << 8 << QByteArray(sorted + "[C]\n");
    }
    void modifiedRules()
    {
        QFETCH(int, change);
        QFETCH(QByteArray, expected);
        const QString path = fileWith("[B]\nz = 1\nn =\n[A]\n");
        {
            Config config(path, ExactPath);
            config.selectGroup(change == 4 ? "A" : "B");
            switch (change) {
            case 0: config.textValue("z"); break;
            case 1: config.putText("z", "1"); break;
            case 2: config.putNumber("z", 1); break;
            case 3: config.putText("n", QString()); break;
            case 4: config.emptyCurrentGroup(); break;
            case 5: config.putText("n", ""); break;
            case 6: config.removeKey("absent"); break;
            case 7: config.emptyCurrentGroup(); break;
            case 8: config.selectGroup("C"); break;
            }
        }
        QCOMPARE(fileContent(path), expected);
    }

    void changesWithoutGroupWarn()
    {
        const QString path = scratch.filePath("nogroup.conf");
        MessageLog log;
        {
            Config config(path, ExactPath);
            config.putText("k", "v");
            config.putNumber("k", 1);
            config.putCString("k", "v");
            config.putList("k", { "v" }, ',');
            config.putScrambled("k", "v");
            config.removeKey("k");
            config.emptyCurrentGroup();
        }
        QCOMPARE(log.lines, QStringList(7, "W: no group set"));
        QVERIFY(!QFile::exists(path));
    }

    void missingFolder()
    {
        const QString path = scratch.filePath("nofolder/settings.conf");
        const QString failure = "W: could not open for writing `" + path + ".new'";
        MessageLog log;
        {
            Config config(path, ExactPath);
            config.selectGroup("G");
            config.save(QString());
            QVERIFY(!config.hasGroupSelected());
            config.putText("k", "v");
        }   // still modified: tries again
        QCOMPARE(log.lines, QStringList({ failure, "W: no group set", failure }));
        QVERIFY(!QFileInfo::exists(scratch.filePath("nofolder")));
    }

    void userChoicesFolder()
    {
        const QString folder = scratch.filePath("home/Choices/common");
        QCOMPARE(Config::settingsFilePath("Network-PPP-Home", UserChoices),
                 folder + "/Network-PPP-Home.conf");
        QCOMPARE(modeOf(folder), 0700);

        // A fresh home gets both levels, so the first account can be saved;
        // a missing home is never made.
        QVERIFY(QDir().mkpath(scratch.filePath("fresh")));
        qputenv("HOME", QFile::encodeName(scratch.filePath("fresh")));
        {
            Config store("Network-PPP-First", UserChoices);
            store.selectGroup("Info");
        }
        QVERIFY(QFileInfo::exists(scratch.filePath("fresh/Choices/common/Network-PPP-First.conf")));
        QCOMPARE(modeOf(scratch.filePath("fresh/Choices")), 0700);
        qputenv("HOME", QFile::encodeName(scratch.filePath("bare")));
        Config::settingsFilePath("x", UserChoices);
        qputenv("HOME", QFile::encodeName(scratch.filePath("home")));
        QVERIFY(!QFileInfo::exists(scratch.filePath("bare")));
    }

    // Account files hold the password in clear: owner only, also over a wider
    // leftover ".new", and on the disk before the rename makes them current.
    void filesAreOwnerOnlyAndFlushed()
    {
        const mode_t oldMask = ::umask(022);
        const QString fresh = freshPath();
        const QString existing = fileWith("[G]\n");
        putFile(existing + ".new", "leftover", 0644);
        flushedFiles.clear();
        for (const QString &path : { fresh, existing }) {
            Config config(path, ExactPath);
            config.selectGroup("Secret");
        }
        ::umask(oldMask);
        QCOMPARE(modeOf(fresh), 0600);
        QCOMPARE(modeOf(existing), 0600);
        QCOMPARE(fileContent(existing), QByteArray("[G]\n[Secret]\n"));
        QCOMPARE(flushedFiles, QStringList({ fresh + ".new", existing + ".new" }));
    }

    void replacement_data()
    {
        QTest::addColumn<QString>("source");   // %1: a folder holding "a" and "a.new"
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("existing target, quietly") << "%1/a.new" << "%1/a" << true << QStringList();
        QTest::newRow("empty source") << "" << "%1/a" << false
                << QStringList("W: velto_renameFile emptry string(s) from '' to '%1/a'");
        QTest::newRow("empty target") << "%1/a.new" << "" << false
                << QStringList("W: velto_renameFile emptry string(s) from '%1/a.new' to ''");
        QTest::newRow("cleaned path") << "%1/missing/../a.new" << "%1//a" << true
                << QStringList({ "W: problem renaming file using qdir::rename %1/missing/../a.new to %1//a",
                                 "D: worked using ::rename" });
        QTest::newRow("missing source") << "%1/gone.new" << "%1/./a" << false
                << QStringList({ "W: problem renaming file using qdir::rename %1/gone.new to %1/./a",
                                 "W: ::rename problem renaming file %1/gone.new to %1/a errno 2" });
    }
    void replacement()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(bool, replaced);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        putFile(folder.filePath("a"), "old");
        putFile(folder.filePath("a.new"), "new");
        for (QString *text : { &source, &target })
            text->replace("%1", folder.path());
        messages.replaceInStrings("%1", folder.path());

        MessageLog log;
        QCOMPARE(Config::velto_renameFile(source, target), replaced);
        QCOMPARE(log.lines, messages);
        QCOMPARE(fileContent(folder.filePath("a")), QByteArray(replaced ? "new" : "old"));
        QCOMPARE(QFile::exists(folder.filePath("a.new")), !replaced);
    }

    void outOfSpace()
    {
        const QByteArray old("[G]\nold = 1\n");
        const QString path = fileWith(old);
        QString caption, text;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        closer.start(20);

        auto config = std::make_unique<Config>(path, ExactPath);
        config->putText("big", QString(4096, 'x'));
        rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 100;   // the write stops short instead of the disk filling up
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        config->save(QString());
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(caption, QString("Out of Space"));
        QCOMPARE(text, QString("There was a problem creating\nConfiguration Information \nfor this program."
                               "\n\nPlease free up some space and\ntry again."));
        QCOMPARE(fileContent(path), old);
        QVERIFY(!QFile::exists(path + ".new"));

        QVERIFY(config->hasGroupSelected());
        config.reset();   // still modified: saved now that there is room
        QVERIFY(fileContent(path).startsWith("[G]\nbig = xxxx"));
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
