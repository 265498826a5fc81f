#include "core/pppfiles/accountfiles.h"
#include "core/jobs/systemjob.h"
#include "core/protocol/applyhelper.h"
#include "core/record/applyinput.h"
#include "core/pppfiles/peerfile.h"
#include "core/bluetooth/rfcommbinding.h"
#include "core/pppfiles/secretsfile.h"
#include "core/system/systemfileslock.h"

#include "support/testsupport.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

PeerValues workedExample()
{
    PeerValues values;
    values.device = "/dev/ttyS0";
    values.phone = "555";
    values.userName = "guest";
    values.accountName = "Office";
    return values;
}

// Everything in a folder: no temporary file may stay beside a written one.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QString dunEntry = "00:11:22:33:44:55,1";

// What binding leaves undone, for a runner that answers at once.
FileFailures bindingFailures(const SystemLayout &layout, CommandRunner &runner, const QString &device, const QString &entry,
                             bool toolOnly = false)
{
    FileFailures failures;
    (toolOnly ? bindWithRfcommTool : bindBluetooth)(layout, runner, device, entry, [&](const BindingResult &r) { failures = r.failures; });
    return failures;
}

// The helper's answer to request: a refusal, or the end of the job it asks for.
SystemResult served(const QByteArray &request, const SystemLayout &layout, CommandRunner &runner)
{
    SystemResult result;
    if (const std::unique_ptr<SystemJob> job = requestedJob(request, layout, runner, result)) {
        QObject::connect(job.get(), &SystemJob::finished, [&](const SystemResult &end) { result = end; });
        job->start();
    }
    return result;
}

} // namespace

class TestSysWriters : public QObject
{
    Q_OBJECT
private slots:
    // The peers folder is made owner-only; something else at the peer path is refused, never followed or opened.
    void writingThePeerFile()
    {
        Scratch scratch;
        const QString peer = scratch.layout.peerFile("Office"), options = scratch.root + "/etc/ppp/options";
        QVERIFY(!writePeerFile(scratch.layout, workedExample()) && modeOf(scratch.layout.peersDir) == 0700);
        QVERIFY(QFile::remove(peer) && putFile(options, "lock\n"));
        for (const QString &kind : { "link", "fifo", "folder" }) {
            QVERIFY(kind == "link" ? QFile::link(options, peer)
                    : kind == "fifo" ? ::mkfifo(QFile::encodeName(peer).constData(), 0600) == 0 : QDir().mkdir(peer));
            const std::optional<FileFailure> refused = writePeerFile(scratch.layout, workedExample());
            QVERIFY(refused && refused->reason == "Not a regular file" && fileContent(options) == "lock\n");
            QVERIFY(entriesOf(scratch.layout.peersDir) == QStringList("Office") && (QDir().rmdir(peer) || QFile::remove(peer)));
        }
    }

    // Whatever the umask, nobody else may write what pppd runs as root; the peer file is replaced, not rewritten in
    // place (a second name keeps the old); while another writer holds the lock nothing is written.
    void replacedWithFixedModesOneWriterAtATime()
    {
        const mode_t umask = ::umask(0);
        Scratch scratch;
        const QString peer = scratch.layout.peerFile("Office");
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(peer, "old\n", 0666) && putFile(scratch.layout.rfcommConf, "", 0666));
        QVERIFY(::link(QFile::encodeName(peer).constData(), QFile::encodeName(peer + "2").constData()) == 0);
        scratch.layout.lockWaitMs = 100;
        {
            const SystemFilesLock other(scratch.layout);
            const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw");
            QVERIFY(!other.failure() && failures.size() == 1 && failures.first().reason.contains("Another program"));
            QVERIFY(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry) && fileContent(peer) == "old\n");
        }
        RecordingRunner runner;
        const FileFailures failures = writeAccountFiles(scratch.layout, workedExample(), "pw")
            + bindingFailures(scratch.layout, runner, "/dev/rfcomm0", dunEntry);
        ::umask(umask);
        QCOMPARE(QList<int>({ int(failures.size()), modeOf(peer), modeOf(scratch.layout.rfcommConf) }), QList<int>({ 0, 0644, 0644 }));
        QCOMPARE(fileContent(peer + "2"), QByteArray("old\n"));

        for (const QString &kind : { "link", "folder", "fifo" }) {   // a lock file that is none is never written past
            Scratch other;
            const QString lock = other.layout.lockFile;
            QVERIFY(kind == "link" ? QFile::link(other.root + "/nowhere", lock)
                    : kind == "folder" ? QDir().mkdir(lock) : ::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0);
            const FileFailures refused = writeAccountFiles(other.layout, workedExample(), "pw")
                + FileFailures { writeRfcommConf(other.layout, "/dev/rfcomm0", dunEntry).value_or(FileFailure()) };
            QVERIFY2(refused.size() == 2 && refused[0].path == lock && refused[0].reason == "Not a regular file" && refused[1].path == lock, qPrintable(kind));
            QCOMPARE(entriesOf(other.root + "/etc/ppp") + entriesOf(other.root + "/etc/bluetooth"), QStringList("dialup.lock"));
        }
    }

    // Only the bound device's block changes (tests/data/rfcomm: "@" stands for that block without its final line
    // feed; no ".after": refused, and the file stays); no ".before": no file.
    void rfcommConfKeepsOtherBindings()
    {
        const QString block = rfcommConfText("/dev/rfcomm0", dunEntry).chopped(1);
        for (const char *name : { "absent", "appended", "replaced", "later-blocks-go", "commented-out", "open-quote", "stray-brace" }) {
            const QString data = TESTDATA_DIR "/rfcomm/" + QString(name);
            Scratch scratch;
            QFile::copy(data + ".before", scratch.layout.rfcommConf);
            const bool refused = !QFile::exists(data + ".after");
            QVERIFY2(bool(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry)) == refused, name);
            QCOMPARE(fileContent(scratch.layout.rfcommConf), fileContent(data + (refused ? ".before" : ".after")).replace("@", block.toLatin1()));
        }
    }

    // Each field that reaches a system file refuses what would break it.
    void applyInputProblems()
    {
        const QList<QPair<QString, QString>> rows = {
            { "account=", "The account has no name." }, { "account=a/b", "cannot be used as a file name" }, { "account=..", "cannot be used" }, { "account=.", "cannot be" },
            { "user=guest\nnoauth", "Username holds a control" }, { "password=pw\r", "Password holds a control" },
            { "phone=5\t5", "Phone holds a control" }, { "device=/dev/x\nnoauth", "Device holds a control" },
            { "init=ATZ\n", "Init string holds a control" }, { "speed=1\nx", "Speed holds a control" },
            { "dun=00:11\n", "BT DUN holds a control" }, { "phone=+49 (30) 555", "" }, { "device=noauth", "Device must be a full path" }, { "device=", "" },
            { "device=/dev/ttyS0 record /tmp/x", "Device must be one device path" }, { "device=/dev/\"x#\\y", "Device must be one" },
            { "speed=115200 init /bin/false", "Speed must be one of 4800, 9600," }, { "speed=0115200", "Speed must be one of" },
            { "password=@/etc/shadow", "Password must not begin with \"@/\"" }, { "password=@etc/x", "" } };
        for (const auto &[change, reason] : rows) {
            PeerValues values = workedExample();
            values.idleTime = 3600, values.connectDelay = 180;   // the form's most
            QString password = "secret", dun = dunEntry;
            const QMap<QString, QString *> fields = { { "account", &values.accountName }, { "user", &values.userName },
                { "password", &password }, { "phone", &values.phone }, { "device", &values.device },
                { "init", &values.initString }, { "speed", &values.speed }, { "dun", &dun } };
            *fields[change.section('=', 0, 0)] = change.section('=', 1);
            const QStringList problems = ::applyInputProblems(values, password, dun);
            QVERIFY2(problems.size() == (reason.isEmpty() ? 0 : 1) && problems.join("").contains(reason), qPrintable(change));
        }
    }

    // tests/data/secrets: before (none: absent), password, after; once the line is there, no rewrite but owner-only.
    // Only the entries pppd reads as guest's for Office go (others-kept); a line after a joining backslash gets its own.
    void secretsUpdate()
    {
        for (const char *name : { "absent", "others-kept", "no-password", "mixed-endings", "joined-end" }) {
            const QString data = TESTDATA_DIR "/secrets/" + QString(name), password = fileContent(data + ".password");
            QTemporaryDir dir;
            const QString path = dir.filePath("pap-secrets");
            QFile::copy(data + ".before", path);
            for (int round = 0; round < 2; ++round) {
                struct stat before, after;
                ::chmod(QFile::encodeName(path).constData(), 0644);
                ::stat(QFile::encodeName(path).constData(), &before);
                QVERIFY(!updateSecretsFile(path, "guest", "Office", password));
                ::stat(QFile::encodeName(path).constData(), &after);
                QVERIFY2(fileContent(path) == fileContent(data + ".after") && modeOf(path) == 0600, name);
                QVERIFY(round == 0 || password.isEmpty() || before.st_ino == after.st_ino);
                QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
            }
        }
    }

    // Other accounts' secrets are never lost: a file not read or written whole stays as it was, nothing beside it.
    void secretsFailures()
    {
        for (const auto &[kind, reason] : QList<QPair<QString, QString>>{ { "folder", "Is a directory" },
                 { "fifo", "Not a regular file" }, { "disk full", "File too large" }, { "line feed in the user", "control character" },
                 { "open quote", "A quote or a backslash in it is left open" } }) {
            QTemporaryDir dir;
            const QString path = dir.filePath("pap-secrets");
            const QByteArray old = kind == "open quote" ? "guest Office \"old\"\nbob Home \"b" : "bob Home \"b\"\nguest Office \"old\"\n";
            QVERIFY(kind == "folder" ? QDir().mkdir(path) && replaceFile(path, "x", 0600)->reason == "Is a directory"   // the rename fails too
                    : kind == "fifo" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : putFile(path, old, 0600));
            std::optional<FileSizeLimit> limit;
            if (kind == "disk full")
                limit.emplace(16);
            const auto failure = updateSecretsFile(path, kind.startsWith("line") ? "a\nb" : "guest", "Office", QString(200, 'p'));
            limit.reset();
            QVERIFY2(failure && failure->path == path && failure->reason.contains(reason), qPrintable(kind));
            QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
            QVERIFY(!QFileInfo(path).isFile() || fileContent(path) == old);
        }
    }

    // No reason: bound, PIN and link key gone, service restarted (failing commands are no failure); else no change.
    // A request the privileged helper cannot read, or one that breaks a rule of the dialog's, writes nothing and says why.
    void helperRefusesWholeRequests()
    {
        AccountRecord office;
        office.bluetooth = true;
        office.connectDelay = 6;
        const auto apply = [&](const QString &key, const QVariant &value, const QString &name = "Office") {
            office.name = name;
            QJsonObject request = QJsonDocument::fromJson(applyRequest(office, true)).object();
            QJsonObject values = request["values"].toObject();
            if (!value.isValid())
                values.remove(key);
            else
                values.insert(key, QJsonValue::fromVariant(value));
            request["values"] = values;
            return QJsonDocument(request).toJson();
        };
        const QList<std::pair<QByteArray, QString>> rows = {
            { "garbage", "no JSON object" }, { QByteArray(maxRequestBytes, ' ') + "{}", "too long" },
            { apply("speed", 9600), "\"speed\" is missing, too long or not of its kind" }, { apply("phone", {}), "\"phone\"" },
            { apply("username", QString(maxFieldLength + 1, 'u')), "\"username\"" }, { apply("shell", "/bin/sh"), "not an account's" },
            { apply("device", "/dev/ttyS0 connect /bin/sh"), "Device must be one" }, { apply("password", "a\nb"), "Password holds" },
            { apply("dialmode", 1.5), "\"dialmode\"" }, { apply("dialmode", 3), "Demand Dialing holds a choice" },
            { apply("device", "lock"), "Device must be a full path" }, { apply("password", "@/root/.ssh/id_rsa"), "Password must not" },
            { apply("idletime", -30), "Idle timeout must be from 0 to 3600" }, { apply("connectdelay", -1000), "Time out must be from 1 to 180" }, { apply("BTDUN", "00:11:22:33:44:55,1\nx"), "BT DUN holds" },
            { apply("phone", "1", "../../etc/x"), "cannot be used as a file name" }, { deleteRequest("..", true), "cannot be used" },
            { R"({"operation":"chmod","name":"Office"})", "not one of an apply or a delete" }, { R"({"operation":"delete"})", "names no account" },
            { R"({"operation":"delete","name":"Office","force":true})", "not one of an apply or a delete" } };
        for (const auto &[request, why] : rows) {
            Scratch scratch;
            RecordingRunner runner;
            const SystemResult result = served(request, scratch.layout, runner);
            QVERIFY2(result.notWritten.size() == 1 && result.notWritten[0].contains(why), qPrintable(result.notWritten.join('|')));
            QCOMPARE(entriesOf(scratch.root + "/etc/ppp") + entriesOf(scratch.root + "/etc/bluetooth"), QStringList());
            QVERIFY(runner.commands.isEmpty() && result.failures.isEmpty());
        }
    }

    void bluetoothBinding()
    {
        const QList<std::tuple<QString, QString, QString>> rows = { { "/dev/rfcomm0", dunEntry, "" },
            { "/dev/rfcomm1", "0a:1b:2c:3d:4e:5f,30", "" }, { "/dev/rfcomm0", "", "No DUN entry is chosen" },
            { "/dev/rfcomm0", "0:11:22:33:44:5G,31 x", "is not an address XX:XX:XX:XX:XX:XX" },
            { "/tmp/rfcomm0", dunEntry, "not a device in /dev/" }, { "/dev/bt/rfcomm0", dunEntry, "BlueZ binds only /dev/rfcomm0 to" },
            { "/dev/rfcomm255", dunEntry, "" }, { "/dev/rfcomm256", dunEntry, "BlueZ binds only" }, { "/dev/rfcomm007", dunEntry, "BlueZ binds only" },
            { "/dev/rfcomm0", dunEntry, "Is a directory" } };
        for (const auto &[device, entry, reason] : rows) {
            Scratch scratch;
            const SystemLayout &layout = scratch.layout;
            QVERIFY(putFile(layout.bluetoothPin, "1234\n") && putFile(layout.linkKey, "key\n"));
            QVERIFY(reason == "Is a directory" ? QDir().mkdir(layout.rfcommConf) : putFile(layout.rfcommConf, "old\n"));
            RecordingRunner runner;
            runner.exitStatus = 127;
            const FileFailures failures = bindingFailures(layout, runner, device, entry);
            const QString bound = "old\n" + device.mid(5) + " {\n    bind yes;\n    device " + entry.left(17) + ";\n    channel "
                + entry.mid(18) + ";\n    comment \"Generated by BT dial-up network applet.\";\n}\n";
            QCOMPARE(fileContent(layout.rfcommConf), reason.isEmpty() ? bound.toUtf8() : QByteArray(QFileInfo(layout.rfcommConf).isDir() ? "<unreadable>" : "old\n"));
            QCOMPARE(QFile::exists(layout.bluetoothPin) || QFile::exists(layout.linkKey), !reason.isEmpty());
            QCOMPARE(runner.commands, reason.isEmpty() ? QList<QStringList>({ { "pccardctl", "eject" },
                     layout.bluetoothRestart, { "pccardctl", "insert" } }) : QList<QStringList>());
            QVERIFY2(reason.isEmpty() ? failures.isEmpty() : failures.size() == 1 && failures.first().path == layout.rfcommConf
                     && failures.first().reason.contains(reason), qPrintable(reason));
        }
        ProcessRunner real;
        QCOMPARE(QList<int>({ runToEnd(real, { "/bin/sh", "-c", "exit 3" }).status, runToEnd(real, { "/bin/sh", "-c", "kill -KILL $$" }).status,
                              runToEnd(real, { "/nonexistent/program" }).status, runToEnd(real, {}).status }),
                 QList<int>({ 3, CommandRunner::Crashed, CommandRunner::NotStarted, CommandRunner::NotStarted }));
    }

    // Without the service script BlueZ's tool binds: release, bind, nothing else; a bind's message (it exits with 0)
    // and a device the tool would read as another one (rfcomm01 is device 1) are failures.
    void rfcommToolBinds()
    {
        Scratch scratch;
        SystemLayout &layout = scratch.layout;
        QVERIFY(QFile::remove(layout.bluetoothRestart[0]) && QDir().mkpath(scratch.root + "/usr/bin") && putFile(layout.rfcommTool, "", 0755));
        RecordingRunner runner;
        runner.message = "Can't create device: Address already in use";
        const FileFailures failures = bindingFailures(layout, runner, "/dev/rfcomm1", dunEntry)
            + bindingFailures(layout, runner, "/dev/rfcomm01", dunEntry, true);
        QCOMPARE(runner.commands, QList<QStringList>({ { layout.rfcommTool, "release", "rfcomm1" },
                                                       { layout.rfcommTool, "bind", "rfcomm1", "00:11:22:33:44:55", "1" } }));
        QVERIFY(failures.size() == 2 && failures[0].reason == runner.message && failures[1].path == "/dev/rfcomm01");
        QVERIFY(fileContent(layout.rfcommConf).contains("rfcomm1 {\n    bind yes;\n    device 00:11:22:33:44:55;\n    channel 1;"));
    }

    // At start each block of "bind yes;" that Apply would accept is bound, the first of a name only; the rest is skipped.
    void recordedBindingsAtStart()
    {
        const RecordedBindings recorded = recordedBindings(fileContent(TESTDATA_DIR "/rfcomm/recorded.conf"));
        QStringList bound, skipped;
        for (const RecordedBinding &binding : recorded.bindings)
            bound << binding.devicePath + " " + binding.dunEntry;
        for (const QString &line : recorded.skipped)
            skipped << line.section(':', 0, 0);
        QCOMPARE(bound, QStringList({ "/dev/rfcomm0 00:11:22:33:44:55,1", "/dev/rfcomm1 0a:1b:2c:3d:4e:5f,30" }));
        QCOMPARE(skipped, QStringList({ "rfcomm2", "rfcomm3", "../tty", "rfcomm0", "rfcomm4", "rfcomm5", "rfcomm00" }));
        QVERIFY(recordedBindings("rfcomm0 { bind yes; device 00:11:22:33:44:55; channel \"1; }").bindings.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSysWriters)
#include "tst_core.moc"
