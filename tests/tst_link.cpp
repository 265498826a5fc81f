// The files Apply writes, on a real PPP link: in a user-mode Linux guest (link/guest.sh) pppd calls each account
// with Debian's stock /etc/ppp/options beside its files, through a modem stand-in, to an ISP's pppd. In the last
// cases the dialog (link/dialogprobe.cpp) dials, as root or as a member of dip.
#include "config/config.h"
#include "core/pppfiles/systemapply.h"

#include "support/testsupport.h"

#include <QtTest>

// The worked example with changes; the ISP's password and authentication; the modem's lines; pppd's exit status;
// who presses Connect in the dialog, or none for pppd called from the guest's script.
struct LinkCase { const char *tag; QVariantMap changes; QString ispPassword; QByteArray method, modem; int exitStatus; QByteArray dialler = {}; };

const QString hostileUser = "J \"Doe\" \\ o'n $HOME #1", hostilePassword = "p\"w\\ $x #y 'z'",
              hostileInit = "AT&F \"Q\" \\N3 $HOME #1 'x'";
const QList<LinkCase> cases = {
    { "a-office", {}, "secret", "PAP", "ATZ\nATDT555\n", 5 },
    { "b-wrong-password", { { "password", "wrong" } }, "secret", "PAP", "ATZ\nATDT555\n", 19 },
    { "c-chap-hostile", { { "username", hostileUser }, { "password", hostilePassword }, { "atdial", hostileInit } },
      hostilePassword, "CHAP", hostileInit.toUtf8() + "\nATDT555\n", 5 },
    { "d-demand", { { "dialmode", 2 }, { "idletime", 5 } }, "secret", "PAP", "ATZ\nATDT555\n", 5 },
    { "e-dialog-root", {}, "secret", "PAP", "ATZ\nATDT555\n", 5, "root" },
    { "f-dialog-dip", {}, "secret", "PAP", "ATZ\nATDT555\n", 5, "dip" },
    { "g-dialog-wrong-password", { { "password", "wrong" } }, "secret", "PAP", "ATZ\nATDT555\n", 19, "dip" },
    { "h-dialog-not-in-dip", {}, "secret", "PAP", "<unreadable>", 3, "other" },
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
            if (!link.dialler.isEmpty() && !*LINK_DIALOG)
                continue;
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
            if (!link.dialler.isEmpty()) {   // the account in the settings of the user who dials
                const QString settings = root + "/home/Choices/common/Network-PPP-Office.conf";
                QVERIFY(QDir().mkpath(root + "/home/Choices/common") && putFile(settings, fileContent(TESTDATA_DIR "/office/Network-PPP-Office.conf")));
                storeAccountRecord(*std::make_unique<Config>(settings, ExactPath), values);
                QVERIFY(putFile(root + "/user", link.dialler) && QFile::copy(LINK_DIALOG, root + "/dialog"));
            }
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
        if (!link.dialler.isEmpty() && !*LINK_DIALOG)
            QSKIP("a dialog built with AddressSanitizer cannot run in the guest");
        QCOMPARE(result("modem"), link.modem);
        if (!link.dialler.isEmpty())
            return dialog(link, isp);
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

private:
    // The window's words at each step (see link/dialogprobe.cpp): the states in order, the addresses and bytes
    // moving once Connected, pppd ended by Disconnect with status 5; or why the attempt failed.
    void dialog(const LinkCase &link, const QByteArray &isp)
    {
        const QByteArray notes = result("dialog.txt");
        if (link.exitStatus == 3) {   // nothing dialled: the sentence says who may
            QVERIFY2(notes.startsWith("state Disconnected: Only root and the members of the group dip may dial"), notes);
            return;
        }
        QVERIFY2(notes.startsWith("state Dialling…\nstate Connected to the modem\nstate Authenticating…\n"), notes);
        if (link.exitStatus == 19) {   // or 16, or 5 when the ISP's hang-up comes first: the sentence is the same
            const QByteArray why = "Disconnected: Authentication (PAP) failed: check the username and the password.";
            QVERIFY2(notes.contains("\nstate " + why + "\n") && notes.contains("\nend " + why + " / Connect\n"), notes);
            return;
        }
        const auto bytes = [&](const QString &step) {   // in and out, shown once a second
            return QRegularExpression("\n" + step + " Connected: 10.0.0.2 to [^;]*; (.+) in, (.+) out").match(notes).capturedTexts();
        };
        QVERIFY2(notes.contains("\npinged Connected: 10.0.0.2 to 10.0.0.1, name servers ?, for 0:00:0"), notes);
        const QStringList connected = bytes("state"), pinged = bytes("pinged");
        QVERIFY2(connected.size() == 3 && pinged.size() == 3 && pinged[1] != connected[1] && pinged[2] != connected[2], notes);
        const QByteArray why = "Disconnected: The connection was ended on request.";
        QVERIFY2(notes.contains("\nstate Disconnecting…\nstate " + why + "\n") && notes.contains("\nend " + why + " / Connect\n"), notes);
        QVERIFY2(notes.contains("\nexit 5\n") && notes.contains("PAP authentication succeeded") && !notes.contains("secret"), notes);
        QVERIFY2(isp.contains("local  IP address 10.0.0.1"), isp);
    }
};

QTEST_GUILESS_MAIN(TestRealLink)
#include "tst_link.moc"
