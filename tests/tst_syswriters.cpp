#include "syswriters/accountfiles.h"
#include "syswriters/applyinput.h"
#include "syswriters/peerfile.h"
#include "syswriters/rfcommbinding.h"
#include "syswriters/secretsfile.h"
#include "syswriters/systemfileslock.h"

#include "support/testsupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// Everything in a folder but the file itself: no temporary file may stay.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QString chat = "connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" ABORT \"NO DIALTONE\" ABORT \"BUSY\" \"\" ";
const QString dunEntry = "00:11:22:33:44:55,1";

} // namespace

class TestSysWriters : public QObject
{
    Q_OBJECT
private slots:
    // What the user typed, and the line the peer file carries for it
    // ("!" in front: a line that must not be there).
    void peerFileLines_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("user, quote and backslash") << "user" << "a\"b\\c" << "user \"a\\\"b\\\\c\"";
        QTest::newRow("no user") << "user" << "" << "!user \"\"";
        QTest::newRow("plain account") << "account" << "Office" << "remotename Office";
        QTest::newRow("account with blank") << "account" << "My ISP" << "remotename \"My ISP\"";
        QTest::newRow("account with quotes, hash")
            << "account" << "it's #\"x\"\\" << "remotename \"it's #\\\"x\\\"\\\\\"";
        QTest::newRow("account beyond Latin-1") << "account" << "Сеть" << "remotename Сеть";
        QTest::newRow("init with shell quotes")
            << "init" << "AT\"$`x`" << chat + "\"AT\\\\\"\\\\$\\\\`x\\\\`\" OK ATDT555 CONNECT'";
        QTest::newRow("init with backslash, single quote")
            << "init" << "AT\\N'" << chat + "\"AT\\\\\\\\\\\\\\\\N\\'\" OK ATDT555 CONNECT'";
        QTest::newRow("dial characters only")
            << "phone" << "*99***1#,W0P+1-2!3@AbCd9" << chat + "\"ATZ\" OK ATDT*99***1#,W0P+1-2!3@AbCd9 CONNECT'";
        QTest::newRow("phone with blanks")
            << "phone" << "+49 (30) 555" << chat + "\"ATZ\" OK \"ATDT+49 (30) 555\" CONNECT'";
        QTest::newRow("phone with shell characters")
            << "phone" << "5;$(x)'" << chat + "\"ATZ\" OK \"ATDT5;\\\\$(x)\\'\" CONNECT'";
        QTest::newRow("manual: no idle line") << "dial" << "0 300" << "!idle 300";
        QTest::newRow("none chosen: no idle line") << "dial" << "-1 300" << "!idle 300";
        QTest::newRow("idle without time") << "dial" << "1 0" << "modem\nuser \"guest\"\nusepeerdns";
        QTest::newRow("demand") << "dial" << "2 600" << "user \"guest\"\ndemand\nnoipv6\nidle 600\nusepeerdns";
        QTest::newRow("optional lines")
            << "flags" << "" << "nocrtscts\nnoipdefault\nmodem\nuser \"guest\"\nidle 300\ndefaultroute\nconnect-delay 5000";
    }
    void peerFileLines()
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
        else if (field == "phone")
            values.phone = typed;
        else if (field == "dial") {
            values.dialMode = typed.section(' ', 0, 0).toInt();
            values.idleTime = typed.section(' ', 1).toInt();
        } else {
            values.crtscts = values.usePeerDns = false;
            values.defaultRoute = true;
            values.connectDelay = 5;
        }
        const QString text = "\n" + peerFileText(values);
        const bool absent = line.startsWith('!');
        QVERIFY2(text.contains("\n" + line.mid(absent ? 1 : 0) + "\n") != absent, qPrintable(text));
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
        QVERIFY(writePeerFile(scratch.layout, unsafe));
        QVERIFY(!QFile::exists(scratch.root + "/etc/ppp/options"));
        QVERIFY(QDir(scratch.layout.peersDir).removeRecursively() && putFile(scratch.layout.peersDir, ""));
        const std::optional<FileFailure> failure = writePeerFile(scratch.layout, workedExample());
        QVERIFY(failure && failure->path == scratch.layout.peerFile("Office"));
        QCOMPARE(failure->reason, QString("Not a directory"));
    }

    // Something else at the peer path is refused, never followed or opened.
    void peerPathThatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : { "link", "fifo", "folder" })
            QTest::newRow(kind) << kind;
    }
    void peerPathThatIsNoFile()
    {
        QFETCH(QString, kind);
        Scratch scratch;
        const QString peer = scratch.layout.peerFile("Office"), options = scratch.root + "/etc/ppp/options";
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(options, "lock\n"));
        QVERIFY(kind == "link" ? QFile::link(options, peer)
                : kind == "fifo" ? ::mkfifo(QFile::encodeName(peer).constData(), 0600) == 0 : QDir().mkdir(peer));
        const std::optional<FileFailure> failure = writePeerFile(scratch.layout, workedExample());
        QVERIFY(failure && failure->reason == "Not a regular file");
        QCOMPARE(fileContent(options), QByteArray("lock\n"));
        QCOMPARE(entriesOf(scratch.layout.peersDir), QStringList("Office"));
    }

    // Whatever the umask, nobody else may write what pppd runs as root; the
    // peer file is replaced, not rewritten in place (a second name keeps the old).
    void peerFileAndBindingReplacedWithFixedModes()
    {
        const mode_t umask = ::umask(0);
        Scratch scratch;
        const QString peer = scratch.layout.peerFile("Office");
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(peer, "old\n", 0666));
        QVERIFY(::link(QFile::encodeName(peer).constData(), QFile::encodeName(peer + "2").constData()) == 0);
        QVERIFY(putFile(scratch.layout.rfcommConf, "", 0666));
        RecordingRunner runner;
        const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw")
            + bindBluetooth(scratch.layout, runner, "/dev/rfcomm0", dunEntry);
        ::umask(umask);
        QVERIFY(failures.isEmpty());
        QCOMPARE(modeOf(peer), 0644);
        QCOMPARE(modeOf(scratch.layout.rfcommConf), 0644);
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
        QTest::newRow("open brace") << QByteArray("rfcomm1 {\n") << QByteArray();
        QTest::newRow("open quote") << QByteArray("rfcomm1 { comment \"}\n") << QByteArray();
        QTest::newRow("stray brace") << QByteArray("}\nrfcomm0 {}\n") << QByteArray();
    }
    void rfcommConfKeepsOtherBindings()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        Scratch scratch;
        QVERIFY(before.isNull() || putFile(scratch.layout.rfcommConf, before));
        const std::optional<FileFailure> failure = writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry);
        QCOMPARE(bool(failure), after.isNull());
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
            QVERIFY(!other.failure());
            const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw");
            QVERIFY(failures.size() == 1 && failures.first().reason.contains("Another program"));
            QVERIFY(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry));
            QCOMPARE(entriesOf(scratch.root + "/etc/ppp") + entriesOf(scratch.root + "/etc/bluetooth"),
                     QStringList("dialup.lock"));
        }
        QVERIFY(writeAccountFiles(scratch.layout, workedExample(), "pw").isEmpty());
    }

    void applyInputProblems_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ordinary") << "phone" << "+49 (30) 555" << QString();
        QTest::newRow("no account name") << "account" << "" << "The account has no name.";
        int n = 0;
        for (const char *name : { "a/b", ".", "..", "a\nb", "a\x7f" })
            QTest::addRow("unsafe account %d", ++n) << "account" << name << "cannot be used as a file name";
        QTest::newRow("user") << "user" << "guest\nnoauth" << "Username holds a control";
        QTest::newRow("password") << "password" << "pw\r" << "Password holds a control";
        QTest::newRow("phone") << "phone" << "5\t5" << "Phone holds a control";
        QTest::newRow("device") << "device" << "/dev/x\nnoauth" << "Device holds a control";
        QTest::newRow("init") << "init" << "ATZ\n" << "Init string holds a control";
        QTest::newRow("speed") << "speed" << "1\nx" << "Speed holds a control";
        QTest::newRow("DUN entry") << "dun" << QString("00:11") + QChar(0) << "BT DUN holds a control";
        for (const char *device : { "/dev/ttyS0 record /tmp/x", "/dev/\"x", "'x'", "/dev/x#", "/dev/x\\y" })
            QTest::addRow("device %s", device) << "device" << device << "Device must be one device path";
        QTest::newRow("device name alone") << "device" << "ttyS0" << QString();
        for (const char *speed : { "115200 init /bin/false", "0115200", "", "fast" })
            QTest::addRow("speed %s", speed) << "speed" << speed << "Speed must be a whole number";
    }
    void applyInputProblems()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        PeerValues values = workedExample();
        QString password = "secret", dun = dunEntry;
        QString *const target = field == "account" ? &values.accountName : field == "user" ? &values.userName
            : field == "password" ? &password : field == "phone" ? &values.phone : field == "device" ? &values.device
            : field == "init" ? &values.initString : field == "speed" ? &values.speed : &dun;
        *target = text;
        const QStringList problems = ::applyInputProblems(values, password, dun);
        QCOMPARE(problems.size(), reason.isEmpty() ? 0 : 1);
        QVERIFY(reason.isEmpty() || problems.first().contains(reason));
    }

    void secretsUpdate_data()
    {
        QTest::addColumn<QByteArray>("before");   // null: no file
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("after");
        const QByteArray others = "# client server secret\nbob Home \"b\"\n\nann Work \"a\"\n";
        QTest::newRow("absent") << QByteArray() << "guest" << "pw" << QByteArray("guest Office \"pw\"\n");
        QTest::newRow("absent, no password") << QByteArray() << "guest" << "" << QByteArray("\n");
        QTest::newRow("comments and blank lines stay") << others << "guest" << "pw" << others + "guest Office \"pw\"\n";
        QTest::newRow("old lines go, others keep order")
            << QByteArray("guest Office \"old\"\nbob Home \"b\"\nguest Office \"x\"\n") << "guest" << "pw"
            << QByteArray("bob Home \"b\"\nguest Office \"pw\"\n");
        QTest::newRow("other accounts, other spacing")
            << QByteArray("guest Office2 \"x\"\nguest\tOffice \"y\"\n") << "guest" << "pw"
            << QByteArray("guest Office2 \"x\"\nguest\tOffice \"y\"\nguest Office \"pw\"\n");
        QTest::newRow("no password removes the account's lines")
            << QByteArray("guest Office \"old\"\nbob Home \"b\"\n") << "guest" << "" << QByteArray("bob Home \"b\"\n");
        QTest::newRow("mixed endings, no final ending")
            << QByteArray("guest Office \"old\"\r\nbob Home \"b\"\r\n\rann Work \"a\"\nend") << "guest" << "pw"
            << QByteArray("bob Home \"b\"\n\nann Work \"a\"\nend\nguest Office \"pw\"\n");
        QTest::newRow("quotes in user and password")
            << QByteArray("\"J Doe\" Office \"old\"\n") << "J Doe" << "p\"w\\"
            << QByteArray("\"J Doe\" Office \"p\\\"w\\\\\"\n");
        QTest::newRow("other encodings byte for byte")
            << QByteArray("j\xf6rg Home \"\xe9\"\n") << "guest" << "pw" << QByteArray("j\xf6rg Home \"\xe9\"\nguest Office \"pw\"\n");
    }
    void secretsUpdate()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        if (!before.isNull())
            QVERIFY(putFile(path, before, 0644));
        QVERIFY(!updateSecretsFile(path, user, "Office", password));
        QCOMPARE(fileContent(path), after);
        QCOMPARE(modeOf(path), 0600);
        QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
        // Again: the same content; a file holding the line is not even rewritten.
        struct stat first, second;
        ::stat(QFile::encodeName(path).constData(), &first);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        QVERIFY(!updateSecretsFile(path, user, "Office", password));
        ::stat(QFile::encodeName(path).constData(), &second);
        QCOMPARE(fileContent(path), after);
        QCOMPARE(modeOf(path), 0600);
        QVERIFY(password.isEmpty() || first.st_ino == second.st_ino);
    }

    // Whatever the file holds, other accounts' lines stay in order and the
    // account keeps exactly its new line, last.
    void secretsUpdateKeepsOtherAccounts()
    {
        QRandomGenerator random(20261207);
        const QStringList names = { "guest", "Office", "bob", "\"guest\"", "", "x y", "#" };
        const QStringList passwords = { "a", "b c", "\"q\"" };
        const char *const endings[] = { "\n", "\r\n", "\r" };
        QTemporaryDir dir;
        const QString path = dir.filePath("secrets");
        for (int round = 0; round < 300; ++round) {
            QByteArray before;
            QByteArrayList others;
            for (int n = random.bounded(6); n > 0; --n) {
                const QString user = names[random.bounded(names.size())];
                const QString account = names[random.bounded(names.size())];
                const QByteArray line = secretsLine(user, account, passwords[random.bounded(3)]).toUtf8();
                before += line + endings[random.bounded(3)];
                if (user != "guest" || account != "Office")
                    others << line;
            }
            const QString password = random.bounded(4) ? QString::number(round) : QString();
            QVERIFY(putFile(path, before));
            QVERIFY(!updateSecretsFile(path, "guest", "Office", password));
            if (!password.isEmpty())
                others << secretsLine("guest", "Office", password).toUtf8();
            const QByteArray after = fileContent(path);
            QCOMPARE(after, others.isEmpty() ? QByteArray("\n") : others.join('\n') + '\n');
        }
    }

    // Another account's secrets are never lost: a file that cannot be read
    // or written whole stays as it was, and nothing is left beside it.
    void secretsFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in its place") << "folder" << "Is a directory";
        QTest::newRow("FIFO in its place") << "fifo" << "Not a regular file";
        QTest::newRow("no read permission") << "unreadable" << "Permission denied";
        QTest::newRow("disk full") << "full" << "File too large";
        QTest::newRow("line feed in the user") << "user" << "control character";
        QTest::newRow("line feed in the account") << "account" << "control character";
    }
    void secretsFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        const QString path = dir.filePath("pap-secrets");
        const QByteArray old = "bob Home \"b\"\nguest Office \"old\"\n";
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(putFile(path, old, kind == "unreadable" ? 0000 : 0600));

        const auto attempt = [&] {
            rlimit saved, small;
            ::getrlimit(RLIMIT_FSIZE, &saved);
            small = saved;
            small.rlim_cur = kind == "full" ? 16 : saved.rlim_cur;
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &small);
            const std::optional<FileFailure> failure = updateSecretsFile(
                path, kind == "user" ? "a\nb" : "guest", kind == "account" ? "a\nb" : "Office", QString(200, 'p'));
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
            return failure && failure->path == path && failure->reason.contains(reason);
        };
        if (kind != "unreadable" || ::geteuid() != 0) {
            QVERIFY(attempt());
        } else {   // root reads everything: a child gives up root first
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && attempt() ? 0 : 1);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
        if (QFileInfo(path).isFile() && modeOf(path) != 0)
            QCOMPARE(fileContent(path), old);
    }

    // A link is followed and kept; the files are updated in order, the
    // second also when the first fails; a failed rename is reported.
    void secretsFilesAndReplacing()
    {
        Scratch scratch;
        QVERIFY(putFile(scratch.dir.filePath("shared"), "bob Home \"b\"\n"));
        QVERIFY(QFile::link(scratch.dir.filePath("shared"), scratch.layout.chapSecrets));
        QVERIFY(QDir().mkpath(scratch.layout.papSecrets));
        const FileFailures failures = updateSecrets(scratch.layout, "guest", "Office", "pw");
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.first().path, scratch.layout.papSecrets);
        QVERIFY(QFileInfo(scratch.layout.chapSecrets).isSymLink());
        QCOMPARE(fileContent(scratch.dir.filePath("shared")), QByteArray("bob Home \"b\"\nguest Office \"pw\"\n"));

        QVERIFY(putFile(scratch.layout.papSecrets + "/inside", ""));
        const std::optional<FileFailure> failure = replaceFile(scratch.layout.papSecrets, "x", 0600);
        QVERIFY(failure && failure->reason == "Is a directory");
        QCOMPARE(entriesOf(scratch.root + "/etc/ppp"), QStringList({ "chap-secrets", "pap-secrets" }));
    }

    void bluetoothBinding_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("reason");   // empty: bound
        QTest::newRow("channel 1") << "/dev/rfcomm0" << dunEntry << QString();
        QTest::newRow("channel 30, lower-case hex") << "/dev/rfcomm1" << "0a:1b:2c:3d:4e:5f,30" << QString();
        const QString badEntry = "is not an address XX:XX:XX:XX:XX:XX";
        QTest::newRow("no entry") << "/dev/rfcomm0" << "" << "No DUN entry is chosen";
        for (const char *entry : { "00:11:22:33:44:55", "00:11:22:33:44:55,0", "00:11:22:33:44:55,31",
                                   "00:11:22:33:44:55,1 x", "00:11:22:33:44:5G,1", "0:11:22:33:44:55,1" })
            QTest::addRow("entry %s", entry) << "/dev/rfcomm0" << entry << badEntry;
        QTest::newRow("nothing after /dev/") << "/dev/" << dunEntry << "names no device";
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
        if (reason == "Is a directory")
            QVERIFY(QDir().mkdir(layout.rfcommConf));
        else
            QVERIFY(putFile(layout.rfcommConf, "old binding\n"));
        RecordingRunner runner;
        runner.exitStatus = 127;   // no pccardctl here: no failure
        const FileFailures failures = bindBluetooth(layout, runner, device, entry);
        if (reason.isEmpty()) {
            QVERIFY(failures.isEmpty());
            QCOMPARE(fileContent(layout.rfcommConf),
                     ("old binding\n" + device.mid(5) + " {\n    bind yes;\n    device " + entry.left(17) + ";\n    channel "
                      + entry.mid(18) + ";\n    comment \"Generated by BT dial-up network applet.\";\n}\n").toUtf8());
            QVERIFY(!QFile::exists(layout.bluetoothPin) && !QFile::exists(layout.linkKey));
            QCOMPARE(runner.commands, QList<QStringList>({ { "pccardctl", "eject" },
                                                           { "/etc/rc.d/init.d/bluetooth", "restart" },
                                                           { "pccardctl", "insert" } }));
            return;
        }
        // Nothing changes: the old binding, PIN and link key stay, the service runs on.
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.first().path, layout.rfcommConf);
        QVERIFY2(failures.first().reason.contains(reason), qPrintable(failures.first().reason));
        QVERIFY(QFile::exists(layout.bluetoothPin) && QFile::exists(layout.linkKey));
        QVERIFY(runner.commands.isEmpty());
        if (!QFileInfo(layout.rfcommConf).isDir())
            QCOMPARE(fileContent(layout.rfcommConf), QByteArray("old binding\n"));
    }

    void linkKeyThatCannotBeRemovedIsReported()
    {
        Scratch scratch;
        QVERIFY(QDir().mkpath(scratch.layout.linkKey + "/inside"));
        RecordingRunner runner;
        const FileFailures failures = bindBluetooth(scratch.layout, runner, "/dev/rfcomm0", dunEntry);
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.first().path + ": " + failures.first().reason, scratch.layout.linkKey + ": Is a directory");
        QCOMPARE(runner.commands.size(), 3);
    }

    void processRunnerReportsExitStatus()
    {
        ProcessRunner runner;
        QCOMPARE(runner.run({ "/bin/sh", "-c", "exit 3" }), 3);
        QCOMPARE(runner.run({ "/bin/sh", "-c", "kill -KILL $$" }), -1);
        QCOMPARE(runner.run({ "/nonexistent/program" }), -1);
        QCOMPARE(runner.run({}), -1);
    }
};

QTEST_GUILESS_MAIN(TestSysWriters)
#include "tst_syswriters.moc"
