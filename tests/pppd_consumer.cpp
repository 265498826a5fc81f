// The peer files we write, read by the real pppd: every option must reach
// pppd, and the connect line, run by the real chat, must send the modem
// exactly what the user typed.
#include "syswriters/peerfile.h"
#include "syswriters/systemlayout.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProcessResult runInPrivateNamespace(const QStringList &scriptArguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(UNSHARE_PROGRAM, QStringList { "-m", "--propagation", "private", "/bin/sh",
                                                 NAMESPACE_SCRIPT }
                      + scriptArguments);
    ProcessResult result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish: " + process.readAllStandardError();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// pppd prints string values with a backslash before '"' and '\', and control
// characters as \t, \n, \b, \f or \xHH.
QByteArray unescapePrinted(const QByteArray &text)
{
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char c = text[++i];
        switch (c) {
        case 't': result += '\t'; break;
        case 'n': result += '\n'; break;
        case 'b': result += '\b'; break;
        case 'f': result += '\f'; break;
        case 'x': result += char(text.mid(i + 1, 2).toInt(nullptr, 16)); i += 2; break;
        default: result += c;
        }
    }
    return result;
}

// Option name to value from "pppd options in effect:", one option a line,
// each followed by two tabs and the file it came from.
QMap<QString, QString> parsePrintedOptions(const QByteArray &output)
{
    QMap<QString, QString> options;
    for (const QByteArray &line : output.split('\n')) {
        const qsizetype comment = line.indexOf("\t\t# ");
        if (comment < 0)
            continue;
        const QByteArray option = line.left(comment);
        const qsizetype blank = option.indexOf(' ');
        if (blank < 0)
            options.insert(QString::fromUtf8(option), QString());
        else
            options.insert(QString::fromUtf8(option.left(blank)),
                           QString::fromUtf8(unescapePrinted(option.mid(blank + 1))));
    }
    return options;
}

// Runs a connect option as pppd does (/bin/sh -c, standard input and output
// on the raw line) with a pseudo-terminal as the modem: the lines chat sends
// up to each carriage return, answered with OK and then CONNECT.
QList<QByteArray> modemReceives(const QString &connect, ProcessResult &chat)
{
    const int modem = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (modem < 0 || ::grantpt(modem) != 0 || ::unlockpt(modem) != 0)
        return {};
    const QString line = QString::fromLocal8Bit(::ptsname(modem));
    const int held = ::open(::ptsname(modem), O_RDWR | O_NOCTTY);
    termios raw;
    ::tcgetattr(held, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(held, TCSANOW, &raw);
    QProcess shell;
    shell.setStandardInputFile(line);
    shell.setStandardOutputFile(line);
    shell.start("/bin/sh", { "-c", connect });
    QList<QByteArray> sent;
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
        sent.append(got.left(got.indexOf('\r')));
        got.remove(0, got.indexOf('\r') + 1);
        ::write(modem, answer.constData(), size_t(answer.size()));
    }
    if (!shell.waitForFinished(int(deadline.remainingTime())))
        shell.kill();
    chat = { shell.exitCode(), {}, shell.readAllStandardError() };
    ::close(held);
    ::close(modem);
    return sent;
}

PeerValues ordinaryValues()
{
    PeerValues values;
    values.device = "/dev/ttyS0";
    values.initString = "ATZ";
    values.phone = "555";
    values.userName = "guest";
    values.dialMode = 1;
    values.idleTime = 300;
    values.accountName = "Office";
    return values;
}

} // namespace

class TestPppdConsumer : public QObject
{
    Q_OBJECT

    QTemporaryDir scratch;

    ProcessResult dryrun(const QString &peerFile)
    {
        return runInPrivateNamespace({ "dryrun", scratch.path(), PPPD_PROGRAM, peerFile });
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0) {
            const QByteArray why = "pppd and a private mount namespace need root";
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL(why.constData());
            QSKIP(why.constData());
        }
        QVERIFY2(QFile::exists(PPPD_PROGRAM),
                 "pppd is missing: scripts/install-deps test installs the ppp package");
        QVERIFY(scratch.isValid());
    }

    // Without its quoting, a blank in the account name makes pppd refuse the
    // whole file: proof that pppd really reads what we hand it.
    void pppdRefusesAnUnquotedName()
    {
        const QString peer = scratch.filePath("unquoted");
        QFile file(peer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(peerFileText(ordinaryValues()).toUtf8() + "remotename My ISP\n");
        file.close();
        const ProcessResult result = dryrun(peer);
        QVERIFY(result.exitCode != 0);
        QVERIFY2(result.err.contains("unrecognized option 'ISP'"), result.err.constData());
    }

    void modemGetsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("ordinary") << "" << "";
        QTest::newRow("init with dollar") << "init" << "AT$QCPDPP=1";
        QTest::newRow("init with every quote")
            << "init" << "A\"B\\C$D`E'F";
        QTest::newRow("init with command substitution") << "init" << "AT$(id);`id`";
        QTest::newRow("init with backslash escapes") << "init" << "AT\\N3\\\\";
        QTest::newRow("init with caret") << "init" << "AT^SYSCFG=2,2,3FFFFFFF,1,2";
        QTest::newRow("init with chat's escape") << "init" << "AT\\Q3";
        QTest::newRow("init naming a file") << "init" << "@/dev/null";
        QTest::newRow("init that is a chat word") << "init" << "EOT";
        QTest::newRow("empty init") << "init" << "";
        QTest::newRow("GPRS number") << "phone" << "*99***1#";
        QTest::newRow("number with blanks and brackets") << "phone" << "+49 (30) 555 1234";
        QTest::newRow("number with shell characters") << "phone" << "5;$(id)'\"\\`|&>x";
        QTest::newRow("empty number") << "phone" << "";
        QTest::newRow("number with caret and backslash") << "phone" << "5^M\\T5";
        QTest::newRow("account with blank") << "account" << "My ISP";
        QTest::newRow("account with quotes and hash") << "account" << "it's #1 \"x\"\\";
        QTest::newRow("account beyond ASCII") << "account" << "Café Сеть";
        QTest::newRow("user with blanks and quotes") << "user" << "J \"Doe\" \\ o'n #1";
        QTest::newRow("empty user") << "user" << "";
        QTest::newRow("demand dialling") << "demand" << "";
    }
    void modemGetsWhatWasTyped()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        PeerValues values = ordinaryValues();
        if (field == "init")
            values.initString = typed;
        else if (field == "phone")
            values.phone = typed;
        else if (field == "account")
            values.accountName = typed;
        else if (field == "user")
            values.userName = typed;
        else if (field == "demand")
            values.dialMode = 2;

        QTemporaryDir root;
        const SystemLayout layout = SystemLayout::rootedAt(root.path());
        QVERIFY(QDir().mkpath(root.path() + "/etc/ppp"));
        QVERIFY(!writePeerFile(layout, values));

        const ProcessResult read = dryrun(layout.peerFile(values.accountName));
        QVERIFY2(read.exitCode == 0, read.err.constData());
        const QMap<QString, QString> options = parsePrintedOptions(read.out);
        for (const char *option : { "/dev/ttyS0", "115200", "crtscts", "noipdefault", "modem", "idle", "usepeerdns", "defaultroute",
                                    "connect-delay", "remotename" })
            QVERIFY2(options.contains(option), read.out.constData());
        QCOMPARE(options.value("remotename"), values.accountName);
        QCOMPARE(options.contains("user"), !values.userName.isEmpty());
        QCOMPARE(options.value("user"), values.userName);

        ProcessResult chat;
        const QList<QByteArray> sent = modemReceives(options.value("connect"), chat);
        QCOMPARE(sent, QList<QByteArray>({ values.initString.toUtf8(),
                                           "ATDT" + values.phone.toUtf8() }));
        QVERIFY2(chat.exitCode == 0, chat.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestPppdConsumer)
#include "pppd_consumer.moc"
