#include "syswriters/accountfiles.h"
#include "syswriters/applyinput.h"
#include "syswriters/peerfile.h"
#include "syswriters/rfcommbinding.h"
#include "syswriters/secretsfile.h"
#include "syswriters/systemfileslock.h"

#include "support/testsupport.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

PeerValues workedExample()
{
    PeerValues values;
    values.device = "/dev/ttyS0";
    values.initString = "ATZ";
    values.phone = "555";
    values.userName = "guest";
    values.dialMode = 1;
    values.idleTime = 300;
    values.defaultRoute = false;
    values.connectDelay = 1;
    values.accountName = "Office";
    return values;
}

// Everything in a folder: no temporary file may stay beside a written one.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QString dunEntry = "00:11:22:33:44:55,1";

} // namespace

class TestSysWriters : public QObject
{
    Q_OBJECT
private slots:
    // The lines after "modem" for some values ("!": a line that must not
    // be there). How the words are quoted is the pppd test's concern.
    void peerFileLines_data()
    {
        QTest::addColumn<QString>("values");   // dial mode, idle time, flags (c: crtscts off, d: usepeerdns off, r: defaultroute)
        QTest::addColumn<QString>("lines");
        QTest::newRow("manual") << "0 300" << "user \"guest\"\nusepeerdns\nconnect-delay 1000";
        QTest::newRow("none chosen") << "-1 300" << "user \"guest\"\nusepeerdns";
        QTest::newRow("idle without time") << "1 0" << "user \"guest\"\nusepeerdns";
        QTest::newRow("demand") << "2 600" << "user \"guest\"\ndemand\nnoipv6\nidle 600\nusepeerdns";
        QTest::newRow("other flags") << "1 300 cdr" << "user \"guest\"\nidle 300\ndefaultroute\nconnect-delay 1000";
    }
    void peerFileLines()
    {
        QFETCH(QString, values);
        QFETCH(QString, lines);
        PeerValues peer = workedExample();
        peer.dialMode = values.section(' ', 0, 0).toInt();
        peer.idleTime = values.section(' ', 1, 1).toInt();
        const QString flags = values.section(' ', 2);
        peer.crtscts = !flags.contains('c');
        peer.usePeerDns = !flags.contains('d');
        peer.defaultRoute = flags.contains('r');
        const QString text = peerFileText(peer);
        QVERIFY2(text.contains(QString(flags.isEmpty() ? "\ncrtscts\n" : "\nnocrtscts\n") + "noipdefault\nmodem\n" + lines + "\n"),
                 qPrintable(text));
        QCOMPARE(dialWord("*99***1#,W0P+1-2!3@AbCd9"), QString("ATDT*99***1#,W0P+1-2!3@AbCd9"));
    }

    // The peers folder is made owner-only, an old longer file is replaced
    // whole, an unsafe name writes nothing, a failure has the system's reason.
    void writingThePeerFile()
    {
        Scratch scratch;
        QVERIFY(!writePeerFile(scratch.layout, workedExample()));
        QCOMPARE(modeOf(scratch.layout.peersDir), 0700);
        QVERIFY(putFile(scratch.layout.peerFile("Office"), QByteArray(4000, 'x')));
        QVERIFY(!writePeerFile(scratch.layout, workedExample()));
        QCOMPARE(fileContent(scratch.layout.peerFile("Office")), peerFileText(workedExample()).toUtf8());
        PeerValues unsafe = workedExample();
        unsafe.accountName = "../options";
        QVERIFY(writePeerFile(scratch.layout, unsafe) && !QFile::exists(scratch.root + "/etc/ppp/options"));
        QVERIFY(QDir(scratch.layout.peersDir).removeRecursively() && putFile(scratch.layout.peersDir, ""));
        const std::optional<FileFailure> failure = writePeerFile(scratch.layout, workedExample());
        QCOMPARE(failure ? failure->path + ": " + failure->reason : QString(), scratch.layout.peerFile("Office") + ": Not a directory");
        // Something else at the peer path is refused, never followed or opened.
        const QString peer = scratch.layout.peerFile("Office"), options = scratch.root + "/etc/ppp/options";
        QVERIFY(QFile::remove(scratch.layout.peersDir) && QDir().mkpath(scratch.layout.peersDir) && putFile(options, "lock\n"));
        for (const QString &kind : { "link", "fifo", "folder" }) {
            QVERIFY(kind == "link" ? QFile::link(options, peer)
                    : kind == "fifo" ? ::mkfifo(QFile::encodeName(peer).constData(), 0600) == 0 : QDir().mkdir(peer));
            const std::optional<FileFailure> refused = writePeerFile(scratch.layout, workedExample());
            QVERIFY(refused && refused->reason == "Not a regular file" && fileContent(options) == "lock\n");
            QCOMPARE(entriesOf(scratch.layout.peersDir), QStringList("Office"));
            QVERIFY(QDir().rmdir(peer) || QFile::remove(peer));
        }
    }

    // Whatever the umask, nobody else may write what pppd runs as root; the
    // peer file is replaced, not rewritten in place (a second name keeps the old).
    void peerFileAndBindingReplacedWithFixedModes()
    {
        const mode_t umask = ::umask(0);
        Scratch scratch;
        const QString peer = scratch.layout.peerFile("Office");
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(peer, "old\n", 0666) && putFile(scratch.layout.rfcommConf, "", 0666));
        QVERIFY(::link(QFile::encodeName(peer).constData(), QFile::encodeName(peer + "2").constData()) == 0);
        RecordingRunner runner;
        const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw")
            + bindBluetooth(scratch.layout, runner, "/dev/rfcomm0", dunEntry);
        ::umask(umask);
        QVERIFY(failures.isEmpty());
        QCOMPARE(QList<int>({ modeOf(peer), modeOf(scratch.layout.rfcommConf) }), QList<int>({ 0644, 0644 }));
        QCOMPARE(fileContent(peer + "2"), QByteArray("old\n"));
    }

    // Only the bound device's block changes ("@": that block without its
    // final line feed); a file that cannot be split into blocks stays.
    void rfcommConfKeepsOtherBindings_data()
    {
        QTest::addColumn<QByteArray>("before");   // null: no file
        QTest::addColumn<QByteArray>("after");    // null: refused
        const QByteArray gps = "# GPS\nrfcomm1 {\n\tbind yes; # \"}\"\n\tcomment \"{rfcomm0}\";\n}\n";
        QTest::newRow("absent") << QByteArray() << QByteArray("@\n");
        QTest::newRow("appended after others") << gps + "rfcomm10 {}" << gps + "rfcomm10 {}\n@\n";
        QTest::newRow("replaced in place") << "# top\nrfcomm0 { old; } # x\n" + gps << "# top\n@ # x\n" + gps;
        QTest::newRow("later blocks of the device go") << "rfcomm0 {a;}\n" + gps + "rfcomm0 {b;}\n" << "@\n" + gps + "\n";
        QTest::newRow("commented out") << QByteArray("#rfcomm0 {\n#}\n") << QByteArray("#rfcomm0 {\n#}\n@\n");
        QTest::newRow("open quote") << QByteArray("rfcomm1 { comment \"}\n") << QByteArray();
        QTest::newRow("stray brace") << QByteArray("}\nrfcomm0 {}\n") << QByteArray();
    }
    void rfcommConfKeepsOtherBindings()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        Scratch scratch;
        QVERIFY(before.isNull() || putFile(scratch.layout.rfcommConf, before));
        QCOMPARE(bool(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry)), after.isNull());
        QCOMPARE(fileContent(scratch.layout.rfcommConf),
                 after.isNull() ? before : after.replace("@", rfcommConfText("/dev/rfcomm0", dunEntry).toLatin1().chopped(1)));
    }

    // While another writer holds the lock nothing is written; it is given up
    // when its holder goes.
    void writersWaitForEachOther()
    {
        Scratch scratch;
        scratch.layout.lockWaitMs = 100;
        {
            const SystemFilesLock other(scratch.layout);
            const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw");
            QVERIFY(!other.failure() && failures.size() == 1 && failures.first().reason.contains("Another program"));
            QVERIFY(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry));
            QCOMPARE(entriesOf(scratch.root + "/etc/ppp") + entriesOf(scratch.root + "/etc/bluetooth"), QStringList("dialup.lock"));
        }
        QVERIFY(writeAccountFiles(scratch.layout, workedExample(), "pw").isEmpty());
    }

    // Each field that reaches a system file refuses what would break it.
    void applyInputProblems()
    {
        const QList<QPair<QString, QString>> rows = {
            { "account=", "The account has no name." }, { "account=a/b", "cannot be used as a file name" },
            { "account=..", "cannot be used as a file name" }, { "account=a\x7f", "cannot be used as a file name" },
            { "user=guest\nnoauth", "Username holds a control" }, { "password=pw\r", "Password holds a control" },
            { "phone=5\t5", "Phone holds a control" }, { "device=/dev/x\nnoauth", "Device holds a control" },
            { "init=ATZ\n", "Init string holds a control" }, { "speed=1\nx", "Speed holds a control" },
            { "dun=00:11\n", "BT DUN holds a control" }, { "phone=+49 (30) 555", "" }, { "device=ttyS0", "" },
            { "device=/dev/ttyS0 record /tmp/x", "Device must be one device path" }, { "device=/dev/\"x#\\y", "Device must be one" },
            { "speed=115200 init /bin/false", "Speed must be a whole number" }, { "speed=0115200", "Speed must be a whole" } };
        for (const auto &[change, reason] : rows) {
            PeerValues values = workedExample();
            QString password = "secret", dun = dunEntry;
            const QMap<QString, QString *> fields = { { "account", &values.accountName }, { "user", &values.userName },
                { "password", &password }, { "phone", &values.phone }, { "device", &values.device },
                { "init", &values.initString }, { "speed", &values.speed }, { "dun", &dun } };
            *fields[change.section('=', 0, 0)] = change.section('=', 1);
            const QStringList problems = ::applyInputProblems(values, password, dun);
            QVERIFY2(problems.size() == (reason.isEmpty() ? 0 : 1) && problems.join("").contains(reason), qPrintable(change));
        }
    }

    void secretsUpdate_data()
    {
        QTest::addColumn<QByteArray>("before");   // null: no file
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("absent") << QByteArray() << "pw" << QByteArray("guest Office \"pw\"\n");
        QTest::newRow("old lines go, others keep order, other spacing is another account")
            << QByteArray("guest Office \"old\"\n# c\n\nguest\tOffice \"y\"\nguest Office2 \"x\"\n") << "p\"w\\"
            << QByteArray("# c\n\nguest\tOffice \"y\"\nguest Office2 \"x\"\nguest Office \"p\\\"w\\\\\"\n");
        QTest::newRow("no password removes the account's lines")
            << QByteArray("guest Office \"old\"\nbob Home \"b\"\n") << "" << QByteArray("bob Home \"b\"\n");
        QTest::newRow("mixed endings, no final ending, other encodings")
            << QByteArray("guest Office \"old\"\r\nbob Home \"\xe9\"\r\n\rann Work \"a\"\nend") << "pw"
            << QByteArray("bob Home \"\xe9\"\n\nann Work \"a\"\nend\nguest Office \"pw\"\n");
    }
    void secretsUpdate()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, password);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        if (!before.isNull())
            QVERIFY(putFile(path, before, 0644));
        QVERIFY(!updateSecretsFile(path, "guest", "Office", password));
        QCOMPARE(fileContent(path), after);
        QCOMPARE(modeOf(path), 0600);
        QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
        // Again: a file that holds the line is not even rewritten, but owner-only.
        struct stat first, second;
        ::stat(QFile::encodeName(path).constData(), &first);
        ::chmod(QFile::encodeName(path).constData(), 0644);
        QVERIFY(!updateSecretsFile(path, "guest", "Office", password));
        ::stat(QFile::encodeName(path).constData(), &second);
        QVERIFY(fileContent(path) == after && modeOf(path) == 0600 && (password.isEmpty() || first.st_ino == second.st_ino));
    }

    // Another account's secrets are never lost: a file that cannot be read
    // or written whole stays as it was, and nothing is left beside it.
    void secretsFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in its place") << "folder" << "Is a directory";
        QTest::newRow("FIFO in its place") << "fifo" << "Not a regular file";
        QTest::newRow("disk full") << "full" << "File too large";
        QTest::newRow("line feed in the user") << "user" << "control character";
    }
    void secretsFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        const QByteArray old = "bob Home \"b\"\nguest Office \"old\"\n";
        if (kind == "folder")   // the rename over it fails too
            QVERIFY(QDir().mkdir(path) && replaceFile(path, "x", 0600)->reason == "Is a directory");
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(putFile(path, old, 0600));
        const auto attempt = [&] {
            rlimit saved, small;
            ::getrlimit(RLIMIT_FSIZE, &saved);
            small = saved;
            small.rlim_cur = kind == "full" ? 16 : saved.rlim_cur;
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &small);
            const auto failure = updateSecretsFile(path, kind == "user" ? "a\nb" : "guest", "Office", QString(200, 'p'));
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
            return failure && failure->path == path && failure->reason.contains(reason);
        };
        QVERIFY(attempt());
        QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
        QVERIFY(!QFileInfo(path).isFile() || fileContent(path) == old);
    }

    // Empty reason: bound, the PIN and link key gone, the service restarted
    // (commands that fail, as on a system without PC cards, are no failure).
    // Otherwise nothing changes.
    void bluetoothBinding_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("reason");
        QTest::newRow("channel 1") << "/dev/rfcomm0" << dunEntry << QString();
        QTest::newRow("channel 30, lower-case hex") << "/dev/rfcomm1" << "0a:1b:2c:3d:4e:5f,30" << QString();
        QTest::newRow("no entry") << "/dev/rfcomm0" << "" << "No DUN entry is chosen";
        QTest::newRow("bad entry") << "/dev/rfcomm0" << "0:11:22:33:44:5G,31 x" << "is not an address XX:XX:XX:XX:XX:XX";
        QTest::newRow("outside /dev/") << "/tmp/rfcomm0" << dunEntry << "not a device in /dev/";
        QTest::newRow("sub-folder") << "/dev/bt/rfcomm0" << dunEntry << "not a plain device name";
        QTest::newRow("rfcomm.conf unwritable") << "/dev/rfcomm0" << dunEntry << "Is a directory";
    }
    void bluetoothBinding()
    {
        QFETCH(QString, device);
        QFETCH(QString, entry);
        QFETCH(QString, reason);
        Scratch scratch;
        const SystemLayout &layout = scratch.layout;
        QVERIFY(putFile(layout.bluetoothPin, "1234\n") && putFile(layout.linkKey, "key\n"));
        QVERIFY(reason == "Is a directory" ? QDir().mkdir(layout.rfcommConf) : putFile(layout.rfcommConf, "old binding\n"));
        RecordingRunner runner;
        runner.exitStatus = 127;
        const FileFailures failures = bindBluetooth(layout, runner, device, entry);
        if (reason.isEmpty()) {
            QVERIFY(failures.isEmpty() && !QFile::exists(layout.bluetoothPin) && !QFile::exists(layout.linkKey));
            QCOMPARE(fileContent(layout.rfcommConf),
                     ("old binding\n" + device.mid(5) + " {\n    bind yes;\n    device " + entry.left(17) + ";\n    channel " + entry.mid(18)
                      + ";\n    comment \"Generated by BT dial-up network applet.\";\n}\n").toUtf8());
            QCOMPARE(runner.commands, QList<QStringList>({ { "pccardctl", "eject" }, { "/etc/rc.d/init.d/bluetooth", "restart" },
                                                           { "pccardctl", "insert" } }));
            return;
        }
        QVERIFY(failures.size() == 1 && failures.first().path == layout.rfcommConf);
        QVERIFY2(failures.first().reason.contains(reason), qPrintable(failures.first().reason));
        QVERIFY(QFile::exists(layout.bluetoothPin) && QFile::exists(layout.linkKey) && runner.commands.isEmpty());
        QVERIFY(QFileInfo(layout.rfcommConf).isDir() || fileContent(layout.rfcommConf) == "old binding\n");
    }

    void processRunnerReportsExitStatus()
    {
        ProcessRunner real;
        QCOMPARE(QList<int>({ real.run({ "/bin/sh", "-c", "exit 3" }), real.run({ "/bin/sh", "-c", "kill -KILL $$" }),
                              real.run({ "/nonexistent/program" }), real.run({}) }), QList<int>({ 3, CommandRunner::Crashed, CommandRunner::NotStarted, CommandRunner::NotStarted }));
    }
};

QTEST_GUILESS_MAIN(TestSysWriters)
#include "tst_syswriters.moc"
