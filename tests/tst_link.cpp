// The files Apply writes, on a real PPP link: in a user-mode Linux guest (link/guest.sh) pppd calls each account
// with Debian's stock /etc/ppp/options beside its files, through a modem stand-in, to an ISP's pppd.
#include "config/config.h"
#include "core/pppfiles/systemapply.h"

#include "support/testsupport.h"

#include <QtTest>

// The worked example with changes; the ISP's password and authentication; the modem's lines; pppd's exit status.
struct LinkCase { const char *tag; QVariantMap changes; QString ispPassword; QByteArray method, modem; int exitStatus; };

const QString hostileUser = "J \"Doe\" \\ o'n $HOME #1", hostilePassword = "p\"w\\ $x #y 'z'",
              hostileInit = "AT&F \"Q\" \\N3 $HOME #1 'x'";
const QList<LinkCase> cases = {
    { "a-office", {}, "secret", "PAP", "ATZ\nATDT555\n", 5 },
    { "b-wrong-password", { { "password", "wrong" } }, "secret", "PAP", "ATZ\nATDT555\n", 19 },
    { "c-chap-hostile", { { "username", hostileUser }, { "password", hostilePassword }, { "atdial", hostileInit } },
      hostilePassword, "CHAP", hostileInit.toUtf8() + "\nATDT555\n", 5 },
    { "d-demand", { { "dialmode", 2 }, { "idletime", 5 } }, "secret", "PAP", "ATZ\nATDT555\n", 5 },
};

// Every byte as pppd's octal escape: the ISP's secrets, quoted apart from the program's own quoting.
static QByteArray octal(const QString &text)
{
    QByteArray word;
    for (const char c : text.toUtf8())
        word += "\\" + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
    return word;
}

class TestRealLink : public QObject
{
    Q_OBJECT
    QTemporaryDir scratch;
    QByteArray result(const QString &name) { return fileContent(scratch.filePath(QTest::currentDataTag() + ("/" + name))); }

private slots:
    void initTestCase()
    {
        for (const LinkCase &link : cases) {
            Config office(TESTDATA_DIR "/office/Network-PPP-Office.conf", ExactPath);
            AccountRecord values = readAccountRecord(office);
            setFieldValues(values, link.changes);
            const QString root = scratch.filePath(link.tag);
            QVERIFY(QDir().mkpath(root + "/isp") && QDir().mkpath(root + "/etc/ppp"));
            RecordingRunner runner;
            bool written = false;
            applySystemFiles(SystemLayout::rootedAt(root), runner, values, false, [&](const SystemResult &r) { written = r.succeeded(); });
            QVERIFY(written);
            const QByteArray secret = octal(values.user) + " * " + octal(link.ispPassword) + " 10.0.0.2\n";
            QVERIFY(putFile(root + "/isp/pap-secrets", secret, 0600) && putFile(root + "/isp/chap-secrets", secret, 0600));
            QVERIFY(putFile(root + "/isp/options", "115200\nlocal\nname isp\n10.0.0.1:\nlogfile /etc/ppp/log\nrequire-"
                                                       + link.method.toLower() + "\n"));
            if (values.dialMode == 2)
                QVERIFY(putFile(root + "/demand", ""));
        }
        QProcess guest;
        guest.setProcessChannelMode(QProcess::MergedChannels);
        guest.setStandardInputFile(QProcess::nullDevice());
        guest.start("python3", { LINK_DIR "/boot.py", scratch.path(), LINK_DIR "/guest.sh" });
        const bool ended = guest.waitForFinished(240000) || (guest.kill(), guest.waitForFinished(), false);
        const QByteArray console = guest.readAll();
        qInfo().noquote() << console.mid(console.indexOf("guest up"));
        if (!console.contains("guest up") || !ended) {
            const QByteArray why = "the user-mode Linux guest did not start or end (package user-mode-linux):\n" + console.right(3000);
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL(why.constData());
            QSKIP(why.constData());
        }
    }

    void link_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < cases.size(); ++index)
            QTest::newRow(cases[index].tag) << index;
    }

    // Both ends get their addresses and a ping crosses, or with a wrong password pppd gives up and none appears.
    void link()
    {
        QFETCH(int, index);
        const LinkCase &link = cases[index];
        const QByteArray client = result("client.log"), isp = result("isp/log");
        QCOMPARE(result("modem"), link.modem);
        if (link.exitStatus == 19) {   // the ISP hangs up after refusing; pppd says 16 when that comes first
            QVERIFY2(client.contains("PAP authentication failed"), client);
            QVERIFY2(QByteArrayList({ "19", "16" }).contains(result("exit").trimmed()), client);
            QVERIFY2(!client.contains("IP address") && !result("up").contains("10.0.0."), client);
            return;
        }
        QVERIFY2(result("exit").trimmed() == QByteArray::number(link.exitStatus), client);
        QVERIFY2(client.contains(link.method + " authentication succeeded"), client);
        QVERIFY2(result("up").contains("inet 10.0.0.2 peer 10.0.0.1/32") && isp.contains("local  IP address 10.0.0.1"), isp);
        QVERIFY2(result("ping").endsWith("rc 0\n"), result("ping"));
        if (link.changes.contains("dialmode")) {   // the link waited for traffic and went down when idle
            QVERIFY2(result("before").contains("inet 10.64.64.64 peer 10.112.112.112/32") && !result("before").contains("ATD"), result("before"));
            QVERIFY2(client.indexOf("lack of activity") > 0 && client.indexOf("lack of activity") < client.indexOf("on signal 15"), client);
        }
    }
};

QTEST_GUILESS_MAIN(TestRealLink)
#include "tst_link.moc"
