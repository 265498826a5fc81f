#include "config/config.h"

#include "support/testsupport.h"

#include <QMessageBox>
#include <QTest>

#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Every file flushed to disk, by the name it had then; the call goes on to
// the kernel. A settings file must be flushed while it is still ".new".
static QStringList flushedFiles;
extern "C" int fsync(int fd)
{
    flushedFiles << QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    return int(::syscall(SYS_fsync, fd));
}

// Warnings and debug lines, "W: " or "D: " in front, while one lives.
class MessageLog
{
public:
    MessageLog() { sink = &lines; previous = qInstallMessageHandler(record); }
    ~MessageLog() { qInstallMessageHandler(previous); }
    QStringList lines;

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        sink->append((type == QtDebugMsg ? "D: " : "W: ") + text);
    }
    static inline QStringList *sink = nullptr;
    QtMessageHandler previous;
};

class TestConfig : public QObject
{
    Q_OBJECT
    Scratch scratch;
    int files = 0;

    QString fileWith(const QByteArray &bytes)
    {
        const QString path = scratch.dir.filePath(QString("s%1.conf").arg(++files));
        if (!bytes.isNull())
            putFile(path, bytes);
        return path;
    }

private slots:
    // Null: the key is absent after loading.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("not a header first") << QByteArray("\n[G]\na = 1\n") << "a" << QString();
        QTest::newRow("comment stops, what came before stays") << QByteArray("[G]\nk = v\n# c\nl = w\n") << "k" << "v";
        QTest::newRow("nothing after a stop") << QByteArray("[G]\nk = v\n# c\nl = w\n") << "l" << QString();
        QTest::newRow("repeated header starts afresh") << QByteArray("[G]\na = 1\n[H]\n[G]\nb = 2\n") << "a" << QString();
        QTest::newRow("equals in value, blanks trimmed") << QByteArray("[G]\n \t k = a = b  \n") << "k" << "a = b";
        QTest::newRow("CRLF") << QByteArray("[G]\r\nk = v\r\nn = w\r\n") << "n" << "w";
        QTest::newRow("hash inside a key") << QByteArray("[G]\n# a = b\n") << "# a" << "b";
        QTest::newRow("unclosed header") << QByteArray("[G\nk = v\n") << "k" << "v";
        QTest::newRow("UTF-8") << QByteArray("[G]\nk = Gr\xC3\xBC\xC3\x9F""e\n") << "k" << "Grüße";
    }
    void parse()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        Config config(fileWith(file), ExactPath);
        config.selectGroup("G");
        QCOMPARE(config.containsKey(key), !value.isNull());
        QCOMPARE(config.rawValue(key, "fallback"), value.isNull() ? "fallback" : value);
    }

    // Groups and keys come out sorted by UTF-16 code unit, values trimmed, a
    // null value as "key = ", and a line feed ends the value and the parse.
    void roundTripAndReading()
    {
        qputenv("LANG", "de_DE.UTF-8");
        const QString path = fileWith(QByteArray());
        {
            Config config(path, ExactPath);
            config.selectGroup("Order");
            config.putText("apn", "  padded ");
            config.putText("～", "3");   // U+FF5E sorts after a surrogate pair
            config.putText("😀", "4");
            config.putNumber("minus", -42);
            config.putCString("c", "bytes");
            config.putText("null", QString());
            config.putText("name", "Office");
            config.putText("name[de]", "Buero");
            config.putList("list", { "a", "b c" }, ';');
            config.selectGroup("Empty");
            config.selectGroup("Tail");
            config.putText("d", "line\ntail");
            config.putText("e", "lost");
        }
        QCOMPARE(fileContent(path), QByteArray("[Empty]\n[Order]\napn =   padded \nc = bytes\nlist = a;b c;\n"
                                               "minus = -42\nname = Office\nname[de] = Buero\nnull = \n"
                                               "😀 = 4\n～ = 3\n[Tail]\nd = line\ntail\ne = lost\n"));
        Config config(path, ExactPath);
        QVERIFY(!config.hasGroupSelected());   // "tail" stopped the parse
        config.selectGroup("Order");
        QCOMPARE(config.textValue("name"), QString("Buero"));
        QCOMPARE(config.rawValue("apn"), QString("padded"));
        QCOMPARE(config.rawValue("name"), QString("Office"));
        QVERIFY(config.textValue("null", "fb").isNull());
        QCOMPARE(config.numberValue("null", 7) + config.numberValue("absent", 7), 14);
        QCOMPARE(config.listValue("list", ';'), QStringList({ "a", "b c" }));
        config.putText("list", ";;x;;y");
        QCOMPARE(config.listValue("list", ';'), QStringList({ "x", "y" }));
        qunsetenv("LANG");
    }

    void numbersAndFlags()
    {
        Config config(fileWith(QByteArray()), ExactPath);
        config.selectGroup("G");
        const QList<QPair<QString, int>> rows = { { " \t+12 ", 12 }, { "-2147483648", INT_MIN }, { "0", 0 },
                                                  { "12abc", 0 }, { "2147483648", 0 }, { "", 7 } };
        for (const auto &[text, number] : rows) {
            config.putText("k", text);
            QCOMPARE(config.numberValue("k", 7), number);
            QCOMPARE(config.flagValue("k", true), number != 0);
        }
    }

    void scrambledValues()
    {
        Config config(fileWith(QByteArray()), ExactPath);
        config.selectGroup("G");
        for (const QString &secret : { QString("s3cret pass"), QString("Grüße 😀"), QString(1, QChar(0xffff)) }) {
            config.putScrambled("pw", secret);
            QVERIFY(!config.rawValue("pw").contains(secret));
            QCOMPARE(config.scrambledValue("pw", "fb"), secret);
        }
        // A hand-edited, damaged value gives what came before the damage.
        config.putScrambled("pw", "ab");
        const QString good = config.rawValue("pw");
        const QList<QPair<QString, QString>> damaged = { { good.chopped(1), "a" }, { good + "z", "ab" },
                                                         { good + "b!", "ab" } };
        for (const auto &[text, plain] : damaged) {
            config.putText("pw", text);
            QCOMPARE(config.scrambledValue("pw"), plain);
        }
        config.putScrambled("pw", "");
        QVERIFY(config.rawValue("pw").isNull());
    }

    // Reading, and writing what is already there, leave the file alone.
    void modifiedRules_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray original("[B]\nz = 1\nn =\n[A]\n"), sorted("[A]\n[B]\nn = \nz = 1\n");
        QTest::newRow("reading only") << 0 << original;
        QTest::newRow("same text and number, null over null") << 1 << original;
        QTest::newRow("emptying an empty group") << 2 << original;
        QTest::newRow("empty text over null") << 3 << sorted;
        QTest::newRow("removing an absent key") << 4 << sorted;
        QTest::newRow("emptying a group") << 5 << QByteArray("[A]\n[B]\n");
        QTest::newRow("selecting a missing group") << 6 << QByteArray(sorted + "[C]\n");
    }
    void modifiedRules()
    {
        QFETCH(int, change);
        QFETCH(QByteArray, expected);
        const QString path = fileWith("[B]\nz = 1\nn =\n[A]\n");
        {
            Config config(path, ExactPath);
            config.selectGroup(change == 2 ? "A" : "B");
            switch (change) {
            case 0: config.textValue("z"); break;
            case 1: config.putText("z", "1"); config.putNumber("z", 1); config.putText("n", QString()); break;
            case 2: case 5: config.emptyCurrentGroup(); break;
            case 3: config.putText("n", ""); break;
            case 4: config.removeKey("absent"); break;
            case 6: config.selectGroup("C"); break;
            }
        }
        QCOMPARE(fileContent(path), expected);
    }

    void warnings()
    {
        const QString path = scratch.dir.filePath("nofolder/settings.conf");
        const QString failure = "W: could not open for writing `" + path + ".new'";
        MessageLog log;
        {
            Config config(path, ExactPath);
            config.putText("k", "v");
            config.removeKey("k");
            config.selectGroup("G");
            config.save(QString());
        }   // still modified: tries again
        QCOMPARE(log.lines, QStringList({ "W: no group set", "W: no group set", failure, failure }));
    }

    // The account folder and files are owner-only (they hold passwords), a
    // fresh home gets both folder levels, and a settings file is on the disk
    // before the rename makes it current.
    void ownerOnlyAndFlushed()
    {
        const mode_t oldMask = ::umask(0);
        const QString existing = fileWith("[G]\n");
        putFile(existing + ".new", "leftover", 0666);
        QVERIFY(QDir().mkpath(scratch.dir.filePath("fresh")));
        qputenv("HOME", QFile::encodeName(scratch.dir.filePath("fresh")));
        flushedFiles.clear();
        for (const QString &name : { existing, QString("Network-PPP-First") })
            Config(name, name == existing ? ExactPath : UserChoices).selectGroup("Secret");
        ::umask(oldMask);
        const QString fresh = scratch.dir.filePath("fresh/Choices/common/Network-PPP-First.conf");
        QCOMPARE(QList<int>({ modeOf(existing), modeOf(fresh), modeOf(scratch.dir.filePath("fresh/Choices")),
                              modeOf(scratch.dir.filePath("fresh/Choices/common")) }),
                 QList<int>({ 0600, 0600, 0700, 0700 }));
        QCOMPARE(fileContent(existing), QByteArray("[G]\n[Secret]\n"));
        QCOMPARE(flushedFiles, QStringList({ existing + ".new", fresh + ".new" }));
        qputenv("HOME", QFile::encodeName(scratch.dir.filePath("bare")));
        Config::settingsFilePath("x", UserChoices);
        QVERIFY(!QFileInfo::exists(scratch.dir.filePath("bare")));
        qputenv("HOME", QFile::encodeName(scratch.home));
    }

    void replacement_data()
    {
        QTest::addColumn<QString>("source");   // %1: a folder holding "a" and "a.new"
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("existing target, quietly") << "%1/a.new" << "%1/a" << QStringList();
        QTest::newRow("empty source") << "" << "%1/a"
                << QStringList("W: velto_renameFile emptry string(s) from '' to '%1/a'");
        QTest::newRow("cleaned path") << "%1/missing/../a.new" << "%1//a"
                << QStringList({ "W: problem renaming file using qdir::rename %1/missing/../a.new to %1//a",
                                 "D: worked using ::rename" });
        QTest::newRow("missing source") << "%1/gone.new" << "%1/./a"
                << QStringList({ "W: problem renaming file using qdir::rename %1/gone.new to %1/./a",
                                 "W: ::rename problem renaming file %1/gone.new to %1/a errno 2" });
    }
    void replacement()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        putFile(folder.filePath("a"), "old");
        putFile(folder.filePath("a.new"), "new");
        source.replace("%1", folder.path());
        target.replace("%1", folder.path());
        messages.replaceInStrings("%1", folder.path());
        const bool replaced = messages.isEmpty() || messages.last().startsWith("D:");
        MessageLog log;
        QCOMPARE(Config::velto_renameFile(source, target), replaced);
        QCOMPARE(log.lines, messages);
        QCOMPARE(fileContent(folder.filePath("a")), QByteArray(replaced ? "new" : "old"));
    }

    // A write that stops short (here at the file size limit, as on a full
    // disk) keeps the old file, says so, and is tried again later.
    void outOfSpace()
    {
        const QString path = fileWith("[G]\nold = 1\n");
        auto config = std::make_unique<Config>(path, ExactPath);
        config->putText("big", QString(4096, 'x'));
        rlimit saved, small;
        ::getrlimit(RLIMIT_FSIZE, &saved);
        small = saved;
        small.rlim_cur = 100;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        {
            BoxCatcher catcher;
            QTimer::singleShot(0, [&] { config->save(QString()); });
            QTRY_COMPARE(catcher.boxes, QStringList("Out of Space: There was a problem creating\nConfiguration "
                                                    "Information \nfor this program.\n\nPlease free up some "
                                                    "space and\ntry again."));
        }
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(fileContent(path), QByteArray("[G]\nold = 1\n"));
        QVERIFY(!QFile::exists(path + ".new"));
        config.reset();
        QVERIFY(fileContent(path).startsWith("[G]\nbig = xxxx"));
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
