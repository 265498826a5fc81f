// The peer files we write, read by the real pppd: every option reaches pppd, and the connect line, run by the real
// chat, sends the modem exactly what the user typed.
#include "core/pppfiles/peerfile.h"

#include "support/testsupport.h"

#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Runs one step of pppd-namespace.sh in a private mount namespace; its standard output, or "failed: " and the reason.
QByteArray inPrivateNamespace(const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(UNSHARE_PROGRAM, QStringList { "-m", "--propagation", "private", "/bin/sh", NAMESPACE_SCRIPT } + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "failed: " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

// pppd prints "option value\t\t# source" a line, a backslash before '"' and '\', control characters escaped.
QString printedOption(const QByteArray &output, const QByteArray &name)
{
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith(name + ' ') || !line.contains("\t\t# "))
            continue;
        const QByteArray value = line.mid(name.size() + 1, line.indexOf("\t\t# ") - name.size() - 1);
        QByteArray plain;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value.mid(i, 2) == "\\x")   // a byte as two hex digits
                plain += char(value.mid(i + 2, 2).toInt(nullptr, 16)), i += 3;
            else
                plain += value[i] == '\\' ? value[++i] : value[i];
        }
        return QString::fromUtf8(plain);
    }
    return "<absent>";
}

// Runs a connect option as pppd does (/bin/sh -c, standard input and output on the raw line) with a pseudo-terminal
// as the modem, which answers OK and then CONNECT: each line chat sent (up to its carriage return) and, last, whether
// chat ended well.
QByteArrayList modemReceives(const QString &connect, const QString &workingFolder)
{
    const int modem = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (modem < 0 || ::grantpt(modem) != 0 || ::unlockpt(modem) != 0)
        return { "no pseudo-terminal" };
    const QString line = QString::fromLocal8Bit(::ptsname(modem));
    const int held = ::open(::ptsname(modem), O_RDWR | O_NOCTTY);
    termios raw;
    ::tcgetattr(held, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(held, TCSANOW, &raw);
    QProcess shell;
    shell.setStandardInputFile(line);
    shell.setStandardOutputFile(line);
    shell.setWorkingDirectory(workingFolder);
    shell.start("/bin/sh", { "-c", connect });
    QByteArrayList sent;
    QByteArray got;
    const QDeadlineTimer deadline(10000);
    for (const QByteArray answer : { "OK\r\n", "CONNECT\r\n" }) {
        pollfd ready { modem, POLLIN, 0 };
        char buffer[256];
        while (!got.contains('\r') && ::poll(&ready, 1, int(deadline.remainingTime())) > 0) {
            const ssize_t n = ::read(modem, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, n);
        }
        sent << got.left(got.indexOf('\r'));
        got.remove(0, got.indexOf('\r') + 1);
        ::write(modem, answer.constData(), size_t(answer.size()));
    }
    if (!shell.waitForFinished(int(deadline.remainingTime())))
        shell.kill();
    ::close(held);
    ::close(modem);
    const bool ended = shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
    return sent << (ended ? "chat ended" : "chat failed: " + shell.readAllStandardError());
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

    // Each row: a field of the form and what was typed into it (the tag shows it in quotes).
    void pppdAndChatGetWhatWasTyped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        const QList<QPair<QString, QString>> rows = { { "worked example", "" }, { "init", "A\"B\\C$D`E'F$(id)" }, { "init", "AT\\N3\\\\" },
            { "init", "AT^SYSCFG=2,2,3FFFFFFF,1,2;\\Q3" }, { "init", "@/dev/null" }, { "init", "EOT" }, { "init", "" }, { "init", "AT+CGDCONT=1,\"IP\",\"web.vodafone.de\"" },
            { "phone", "+49 (30) 555 1234" }, { "phone", "5;$(id)'\"\\`|&>x^M\\T" }, { "phone", "*99#" }, { "phone", "#777" }, { "account", "it's #1 \"x\"\\ Сеть" },
            { "user", "J \"Doe\" \\ o'n #1" }, { "user", "" }, { "demand dialing", "" } };   // chat's own escapes, a file, a chat word
        for (const auto &[field, typed] : rows)
            QTest::addRow("%s \"%s\"", qPrintable(field), qPrintable(typed)) << field << typed;
    }
    void pppdAndChatGetWhatWasTyped()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        PeerValues values;
        values.device = "/dev/ttyS0";
        values.initString = field == "init" ? typed : "ATZ";
        values.phone = field == "phone" ? typed : "555";
        values.userName = field == "user" ? typed : "guest";
        values.accountName = field == "account" ? typed : "Office";
        values.dialMode = field == "demand dialing" ? 2 : 1;
        const QString peer = scratch.filePath("peer");
        QVERIFY(putFile(peer, peerFileText(values).toUtf8()));

        const QByteArray options = inPrivateNamespace({ "dryrun", scratch.path(), PPPD_PROGRAM, peer });
        for (const char *option : { "/dev/ttyS0", "115200", "crtscts", "noipdefault", "modem", "noauth", "usepeerdns", "defaultroute" })
            QVERIFY2(options.contains("\n" + QByteArray(option) + "\t\t# "), options.constData());
        QCOMPARE(printedOption(options, "remotename"), values.accountName);
        QCOMPARE(printedOption(options, "user"), values.userName.isEmpty() ? "<absent>" : values.userName);
        QCOMPARE(printedOption(options, "idle"), QString("120"));
        QCOMPARE(printedOption(options, "connect-delay"), QString("6000"));

        QVERIFY(putFile(scratch.filePath("ATDTX99#"), ""));   // what an unquoted *99# would match in the shell
        QCOMPARE(modemReceives(printedOption(options, "connect"), scratch.path()),
                 QByteArrayList({ values.initString.toUtf8(), "ATDT" + values.phone.toUtf8(), "chat ended" }));
    }
};

QTEST_GUILESS_MAIN(TestPppdConsumer)
#include "tst_pppd.moc"
