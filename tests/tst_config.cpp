#include "config/config.h"

#include "support/testsupport.h"

#include <QtTest>

#include <climits>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Every file flushed to disk, by the name it had then: a settings file while it is still ".new", then its folder.
static QStringList flushedFiles;
extern "C" int fsync(int fd)
{
    flushedFiles << QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    return int(::syscall(SYS_fsync, fd));
}

class TestConfig : public QObject
{
    Q_OBJECT
    Scratch scratch;
    int files = 0;

    QString fileWith(const QByteArray &bytes)
    {
        const QString path = scratch.dir.filePath(QString("s%1.conf").arg(++files));
        putFile(path, bytes);
        return path;
    }

private slots:
    // What "G/key" reads as after loading the file; null: absent.
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
        QTest::newRow("CRLF, hash in a key") << QByteArray("[G]\r\n# a = w\r\n") << "# a" << "w";
        QTest::newRow("unclosed header, UTF-8") << QByteArray("[G\nk = Gr\xC3\xBC\xC3\x9F""e\n") << "k" << "Grüße";
    }
    void parse()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        Config config(fileWith(file), ExactPath);
        config.selectGroup("G");
        QCOMPARE(config.rawValue(key, "fallback") + QString::number(config.containsKey(key)),
                 (value.isNull() ? QString("fallback") : value) + QString::number(!value.isNull()));
    }

    // Sorted by UTF-16 code unit, a null value as "key = "; a line feed ends the value and the parse.
    void roundTripAndReading()
    {
        qputenv("LANG", "de_DE.UTF-8");
        const QString path = scratch.dir.filePath("roundtrip.conf");
        {
            Config config(path, ExactPath);
            config.selectGroup("Order");
            config.putText("apn", " padded ");
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
        }
        QCOMPARE(fileContent(path), QByteArray("[Empty]\n[Order]\napn =  padded \nc = bytes\nlist = a;b c;\nminus = -42\n"
                                               "name = Office\nname[de] = Buero\nnull = \n😀 = 4\n～ = 3\n[Tail]\nd = line\ntail\n"));
        Config config(path, ExactPath);
        QVERIFY(!config.hasGroupSelected());   // "tail" stopped the parse
        config.selectGroup("Order");
        QCOMPARE(config.textValue("name") + config.rawValue("name") + config.rawValue("apn"), "BueroOfficepadded");
        QVERIFY(config.textValue("null", "fb").isNull());
        QCOMPARE(config.numberValue("null", 7) + config.numberValue("absent", 7), 14);
        QCOMPARE(config.listValue("list", ';'), QStringList({ "a", "b c" }));
        qunsetenv("LANG");
    }

    // A number is a whole 32-bit decimal, else 0; a flag is a number other than 0.
    void numberValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("blanks and a plus") << " \t+12 " << 12;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("letters after the digits") << "12abc" << 0;
        QTest::newRow("past the largest") << "2147483648" << 0;
    }
    void numberValues()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        Config config(fileWith(""), ExactPath);
        config.selectGroup("G");
        config.putText("k", text);
        QCOMPARE(config.numberValue("k", 7), number);
        QCOMPARE(config.flagValue("k", true), number != 0);
    }

    // Scrambled values come back whole; a hand-damaged one gives what came before the damage.
    void scrambledValues()
    {
        Config config(fileWith(""), ExactPath);
        config.selectGroup("G");
        for (const QString &secret : { QString("s3cret ab"), QString("Grüße 😀"), QString(1, QChar(0xffff)), QString() }) {
            config.putScrambled("pw", secret);
            QCOMPARE(config.rawValue("pw").isNull(), secret.isEmpty());
            QVERIFY(!config.rawValue("pw").contains("ab"));
            QCOMPARE(config.scrambledValue("pw", "fb"), secret.isEmpty() ? "fb" : secret);
        }
        config.putScrambled("pw", "ab");
        config.putText("pw", config.rawValue("pw").chopped(1));
        QCOMPARE(config.scrambledValue("pw"), QString("a"));
    }

    // Owner-only folders and files (they hold passwords), both levels made in a fresh home, flushed before the rename; a
    // link planted as the temporary file is replaced, never followed.
    void ownerOnlyAndFlushed()
    {
        const mode_t oldMask = ::umask(0);
        const QString existing = fileWith("[G]\n"), fresh = scratch.dir.filePath("fresh"), victim = fileWith("victim\n");
        QVERIFY(QDir().mkpath(fresh) && qputenv("HOME", QFile::encodeName(fresh)) && QFile::link(victim, existing + ".new"));
        flushedFiles.clear();
        Config(existing, ExactPath).selectGroup("Secret");
        Config("Network-PPP-First", UserChoices).selectGroup("Secret");
        ::umask(oldMask);
        const QString first = fresh + "/Choices/common/Network-PPP-First.conf";
        QCOMPARE(QList<int>({ modeOf(existing), modeOf(first), modeOf(fresh + "/Choices"), modeOf(fresh + "/Choices/common") }),
                 QList<int>({ 0600, 0600, 0700, 0700 }));
        QCOMPARE(fileContent(existing), QByteArray("[G]\n[Secret]\n"));
        QCOMPARE(fileContent(victim), QByteArray("victim\n"));
        QCOMPARE(flushedFiles, QStringList({ existing + ".new", scratch.dir.path(), first + ".new", fresh + "/Choices/common" }));
        qputenv("HOME", QFile::encodeName(scratch.home));
    }

    // A write that stops short, as on a full disk, says so, and is tried again later (the writer keeps the old file).
    void outOfSpace()
    {
        const QString path = fileWith("[G]\nold = 1\n");
        auto config = std::make_unique<Config>(path, ExactPath);
        config->putText("big", QString(4096, 'x'));
        {
            const FileSizeLimit limit(100);
            static QStringList notices;
            Config::setOutOfSpaceNotice([](const QString &caption, const QString &text) { notices << caption + ": " + text; });
            config->save(QString());
            QCOMPARE(notices, QStringList("Out of Space: There was a problem creating\nConfiguration Information \n"
                                          "for this program.\n\nPlease free up some space and\ntry again."));
        }
        config.reset();
        QVERIFY(fileContent(path).startsWith("[G]\nbig = xxxx"));
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
