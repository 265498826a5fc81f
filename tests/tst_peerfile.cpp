#include "syswriters/accountname.h"
#include "syswriters/applyinput.h"
#include "syswriters/peerfile.h"
#include "syswriters/systemlayout.h"

#include "support/scratchfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString chatPrefix = QStringLiteral(
    "connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" ABORT \"NO DIALTONE\" ABORT \"BUSY\" \"\" ");

PeerValues workedExample()
{
    PeerValues values;
    values.device = "/dev/ttyS0";
    values.speed = "115200";
    values.initString = "ATZ";
    values.phone = "555";
    values.crtscts = true;
    values.userName = "guest";
    values.dialMode = 1;
    values.idleTime = 300;
    values.usePeerDns = true;
    values.defaultRoute = false;
    values.connectDelay = 1;
    values.accountName = "Office";
    return values;
}

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestPeerFile : public QObject
{
    Q_OBJECT
private slots:
    void workedExampleIsByteExact()
    {
        const QByteArray expected =
            "/dev/ttyS0\n"
            "115200\n"
            "connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" ABORT \"NO DIALTONE\" "
            "ABORT \"BUSY\" \"\" \"ATZ\" OK ATDT555 CONNECT'\n"
            "crtscts\n"
            "noipdefault\n"
            "modem\n"
            "user \"guest\"\n"
            "idle 300\n"
            "usepeerdns\n"
            "connect-delay 1000\n"
            "remotename Office\n";
        QCOMPARE(peerFileText(workedExample()).toUtf8(), expected);
    }

    // The peers folder is made owner-only; an old, longer file is replaced
    // whole; an unsafe name writes nothing; a failure carries the system's reason.
    void writingThePeerFile()
    {
        QTemporaryDir root;
        const SystemLayout layout = SystemLayout::rootedAt(root.path());
        QVERIFY(QDir().mkpath(root.path() + "/etc/ppp"));
        QVERIFY(!writePeerFile(layout, workedExample()));
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(layout.peersDir).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0700u);

        QVERIFY(putFile(layout.peerFile("Office"), QByteArray(4000, 'x')));
        QVERIFY(!writePeerFile(layout, workedExample()));
        QCOMPARE(fileContent(layout.peerFile("Office")), peerFileText(workedExample()).toUtf8());

        PeerValues unsafe = workedExample();
        unsafe.accountName = "../options";
        const std::optional<FileFailure> refused = writePeerFile(layout, unsafe);
        QVERIFY(refused && !refused->reason.isEmpty());
        QVERIFY(!QFile::exists(root.path() + "/etc/ppp/options"));

        QVERIFY(QDir(layout.peersDir).removeRecursively());
        QVERIFY(putFile(layout.peersDir, QByteArray()));
        const std::optional<FileFailure> failure = writePeerFile(layout, workedExample());
        QVERIFY(failure);
        QCOMPARE(failure->path, layout.peerFile("Office"));
        QCOMPARE(failure->reason, QString("Not a directory"));
    }

    void dialModeAndIdleTime_data()
    {
        QTest::addColumn<int>("dialMode");
        QTest::addColumn<int>("idleTime");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("manual, 300") << 0 << 300 << QStringList();
        QTest::newRow("none chosen, 300") << -1 << 300 << QStringList();
        QTest::newRow("idle, 0") << 1 << 0 << QStringList();
        QTest::newRow("idle, 300") << 1 << 300 << QStringList { "idle 300" };
        QTest::newRow("demand, 0") << 2 << 0 << QStringList { "demand", "noipv6" };
        QTest::newRow("demand, 600") << 2 << 600 << QStringList { "demand", "noipv6", "idle 600" };
    }
    void dialModeAndIdleTime()
    {
        QFETCH(int, dialMode);
        QFETCH(int, idleTime);
        QFETCH(QStringList, lines);
        PeerValues values = workedExample();
        values.dialMode = dialMode;
        values.idleTime = idleTime;
        const QStringList all = linesOf(peerFileText(values));
        // They sit between the user line and usepeerdns.
        QCOMPARE(all.mid(7, all.indexOf("usepeerdns") - 7), lines);
    }

    void optionalLines()
    {
        PeerValues values = workedExample();
        values.userName.clear();
        values.crtscts = false;
        values.usePeerDns = false;
        values.defaultRoute = true;
        values.connectDelay = 5;
        values.accountName.clear();
        const QStringList lines = linesOf(peerFileText(values));
        QCOMPARE(lines.mid(3), QStringList({ "nocrtscts", "noipdefault", "modem", "idle 300",
                                             "defaultroute", "connect-delay 5000" }));
    }

    // Each row is what the user typed and how the peer file must carry it.
    void fieldQuoting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");

        QTest::newRow("user with quote and backslash")
            << "user" << "a\"b\\c" << "user \"a\\\"b\\\\c\"";
        QTest::newRow("user with blank and single quote")
            << "user" << "o'neil x" << "user \"o'neil x\"";
        QTest::newRow("plain account") << "account" << "Office" << "remotename Office";
        QTest::newRow("account with blank") << "account" << "My ISP" << "remotename \"My ISP\"";
        QTest::newRow("account with hash") << "account" << "ISP#2" << "remotename \"ISP#2\"";
        QTest::newRow("account with quotes")
            << "account" << "it's \"x\"\\" << "remotename \"it's \\\"x\\\"\\\\\"";
        QTest::newRow("account beyond Latin-1") << "account" << "Сеть" << "remotename Сеть";

        QTest::newRow("init with double quote")
            << "init" << "AT\"X" << chatPrefix + "\"AT\\\\\"X\" OK ATDT555 CONNECT'";
        QTest::newRow("init with dollar")
            << "init" << "AT$QCPDPP=1" << chatPrefix + "\"AT\\\\$QCPDPP=1\" OK ATDT555 CONNECT'";
        QTest::newRow("init with backquote")
            << "init" << "AT`x`" << chatPrefix + "\"AT\\\\`x\\\\`\" OK ATDT555 CONNECT'";
        QTest::newRow("init with backslash")
            << "init" << "AT\\N3" << chatPrefix + "\"AT\\\\\\\\\\\\\\\\N3\" OK ATDT555 CONNECT'";
        QTest::newRow("init with single quote")
            << "init" << "AT'Q" << chatPrefix + "\"AT\\'Q\" OK ATDT555 CONNECT'";
        QTest::newRow("empty init") << "init" << "" << chatPrefix + "\"\" OK ATDT555 CONNECT'";

        QTest::newRow("empty phone") << "phone" << "" << chatPrefix + "\"ATZ\" OK ATDT CONNECT'";
        QTest::newRow("dial characters only")
            << "phone" << "*99***1#,W0P+1-2!3@AbCd"
            << chatPrefix + "\"ATZ\" OK ATDT*99***1#,W0P+1-2!3@AbCd CONNECT'";
        QTest::newRow("phone with blanks and brackets")
            << "phone" << "+49 (30) 555 1234"
            << chatPrefix + "\"ATZ\" OK \"ATDT+49 (30) 555 1234\" CONNECT'";
        QTest::newRow("phone with shell characters")
            << "phone" << "5;$(x)'"
            << chatPrefix + "\"ATZ\" OK \"ATDT5;\\\\$(x)\\'\" CONNECT'";
    }
    void fieldQuoting()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        PeerValues values = workedExample();
        if (field == "user")
            values.userName = typed;
        else if (field == "account")
            values.accountName = typed;
        else if (field == "init")
            values.initString = typed;
        else
            values.phone = typed;
        QVERIFY2(linesOf(peerFileText(values)).contains(line), qPrintable(peerFileText(values)));
    }

    void quoteWordEscapesOnlyQuoteAndBackslash()
    {
        QCOMPARE(quoteWord(QString()), QString("\"\""));
        QCOMPARE(quoteWord("a'b #$Ω"), QString("\"a'b #$Ω\""));
        QCOMPARE(quoteWord("\\\""), QString("\"\\\\\\\"\""));
        QCOMPARE(nameWord(QString()), QString("\"\""));
    }

    void accountNameSafety_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "Office" << true;
        QTest::newRow("blank and quote") << "My \"ISP\"" << true;
        QTest::newRow("dots inside") << "..x.." << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "../../etc/passwd" << false;
        QTest::newRow("line feed") << "a\nb" << false;
        QTest::newRow("DEL") << "a\x7f" << false;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
    }
    void accountNameSafety()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeAccountName(name), safe);
    }

    void applyInputProblems_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ordinary") << "phone" << "+49 (30) 555" << QString();
        QTest::newRow("empty account") << "account" << "" << "The account has no name.";
        QTest::newRow("account with slash") << "account" << "a/b" << "cannot be used as a file name";
        QTest::newRow("account dot dot") << "account" << ".." << "cannot be used as a file name";
        QTest::newRow("account line feed") << "account" << "a\nb" << "cannot be used as a file name";
        QTest::newRow("user line feed") << "user" << "guest\nnoauth" << "Username holds a control";
        QTest::newRow("password CR") << "password" << "pw\r" << "Password holds a control";
        QTest::newRow("phone tab") << "phone" << "5\t5" << "Phone holds a control";
        QTest::newRow("device line feed") << "device" << "/dev/x\nnoauth" << "Device holds a control";
        QTest::newRow("init line feed") << "init" << "ATZ\n" << "Init string holds a control";
        QTest::newRow("speed line feed") << "speed" << "1\nx" << "Speed holds a control";
        QTest::newRow("DUN line feed") << "dun" << "00:11\n" << "BT DUN holds a control";
    }
    void applyInputProblems()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        PeerValues values = workedExample();
        QString password = "secret";
        QString dun = "00:11:22:33:44:55,1";
        if (field == "account") values.accountName = text;
        else if (field == "user") values.userName = text;
        else if (field == "password") password = text;
        else if (field == "phone") values.phone = text;
        else if (field == "device") values.device = text;
        else if (field == "init") values.initString = text;
        else if (field == "speed") values.speed = text;
        else dun = text;

        const QStringList problems = ::applyInputProblems(values, password, dun);
        if (reason.isEmpty()) {
            QCOMPARE(problems, QStringList());
        } else {
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems.first().contains(reason), qPrintable(problems.first()));
        }
    }
};

QTEST_GUILESS_MAIN(TestPeerFile)
#include "tst_peerfile.moc"
