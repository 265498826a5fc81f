// The peer files we write, read by the real pppd: every option reaches pppd,
// and the connect line gives chat exactly the words the user typed.
#include "syswriters/peerfile.h"

#include "support/testsupport.h"

#include <QProcess>
#include <QTest>

#include <unistd.h>

namespace {

// Runs one step of pppd-namespace.sh in a private mount namespace; its
// standard output, or "failed: " and the reason.
QByteArray inPrivateNamespace(const QStringList &arguments)
{
    QProcess process;
    process.start(UNSHARE_PROGRAM, QStringList { "-m", "--propagation", "private", "/bin/sh", NAMESPACE_SCRIPT } + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "failed: " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

// "pppd options in effect:" prints "option value\t\t# source" a line, with a
// backslash before '"' and '\' and control characters escaped.
QString printedOption(const QByteArray &output, const QByteArray &name)
{
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith(name + ' ') || !line.contains("\t\t# "))
            continue;
        const QByteArray value = line.mid(name.size() + 1, line.indexOf("\t\t# ") - name.size() - 1);
        QByteArray plain;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && value.mid(i + 1, 1) == "x") {
                plain += char(value.mid(i + 2, 2).toInt(nullptr, 16));
                i += 3;
            } else {
                plain += value[i] == '\\' ? value[++i] : value[i];
            }
        }
        return QString::fromUtf8(plain);
    }
    return "<absent>";
}

} // namespace

class TestPppdConsumer : public QObject
{
    Q_OBJECT
    QTemporaryDir scratch;

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0 && !qEnvironmentVariableIsSet("CI"))
            QSKIP("pppd and a private mount namespace need root");
        QVERIFY2(QFile::exists(PPPD_PROGRAM), "scripts/install-deps test installs the ppp package");
    }

    void pppdReadsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("ordinary") << "" << "";
        QTest::newRow("init with every quote") << "init" << "A\"B\\C$D`E'F$(id)";
        QTest::newRow("init with backslash escapes") << "init" << "AT\\N3\\\\";
        QTest::newRow("empty init") << "init" << "";
        QTest::newRow("number with blanks and brackets") << "phone" << "+49 (30) 555 1234";
        QTest::newRow("number with shell characters") << "phone" << "5;$(id)'\"\\`|&>x";
        QTest::newRow("account with quotes and hash") << "account" << "it's #1 \"x\"\\ Сеть";
        QTest::newRow("user with blanks and quotes") << "user" << "J \"Doe\" \\ o'n #1";
        QTest::newRow("no user") << "user" << "";
    }
    void pppdReadsWhatWasTyped()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        PeerValues values;
        values.device = "/dev/ttyS0";
        values.initString = field == "init" ? typed : "ATZ";
        values.phone = field == "phone" ? typed : "555";
        values.userName = field == "user" ? typed : "guest";
        values.accountName = field == "account" ? typed : "Office";
        values.dialMode = 1;
        const QString peer = scratch.filePath("peer");
        QVERIFY(putFile(peer, peerFileText(values).toUtf8()));

        const QByteArray options = inPrivateNamespace({ "dryrun", scratch.path(), PPPD_PROGRAM, peer });
        for (const char *option : { "/dev/ttyS0", "115200", "crtscts", "noipdefault", "modem", "usepeerdns", "defaultroute" })
            QVERIFY2(options.contains("\n" + QByteArray(option) + "\t\t# "), options.constData());
        QCOMPARE(printedOption(options, "remotename"), values.accountName);
        QCOMPARE(printedOption(options, "user"), values.userName.isEmpty() ? "<absent>" : values.userName);
        QCOMPARE(printedOption(options, "idle"), QString("120"));
        QCOMPARE(printedOption(options, "connect-delay"), QString("6000"));

        const QByteArray words = inPrivateNamespace({ "connect", PRINTARGS_PROGRAM, printedOption(options, "connect") });
        QCOMPARE(QString::fromUtf8(words).split(QChar(0)),
                 QStringList({ "-s", "-v", "ABORT", "NO CARRIER", "ABORT", "NO DIALTONE", "ABORT", "BUSY", "",
                               values.initString, "OK", "ATDT" + values.phone, "CONNECT", "" }));
    }
};

QTEST_GUILESS_MAIN(TestPppdConsumer)
#include "pppd_consumer.moc"
