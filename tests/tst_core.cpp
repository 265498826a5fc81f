#include "account/resulttext.h"
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
SystemResult served(const QByteArray &request, const SystemLayout &layout, CommandRunner &runner, HelperOperation operation)
{
    SystemResult result;
    if (const std::unique_ptr<SystemJob> job = requestedJob(request, layout, runner, operation, result)) {
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
            QVERIFY(refused && reasonText(refused->reason) == "Not a regular file" && fileContent(options) == "lock\n");
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
            QVERIFY(!other.failure());
            QCOMPARE(failures.size(), 1);
            QVERIFY2(reasonText(failures.first().reason).contains("Another program"), qPrintable(reasonText(failures.first().reason)));
            QVERIFY(writeRfcommConf(scratch.layout, "/dev/rfcomm0", dunEntry));
            QCOMPARE(fileContent(peer), QByteArray("old\n"));
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
            QVERIFY2(refused.size() == 2 && refused[0].path == lock && reasonText(refused[0].reason) == "Not a regular file" && refused[1].path == lock, qPrintable(kind));
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

    // Each field that reaches a system file refuses what would break it, in one sentence naming the field.
    void applyInputProblems_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");   // the one sentence says this; empty: the value may be written
        const auto row = [](const char *tag, const char *field, const QString &value, const char *problem) {
            QTest::newRow(tag) << field << value << problem;
        };
        QTest::newRow("no name") << "account" << "" << "The account has no name.";
        QTest::newRow("slash in the name") << "account" << "a/b" << "cannot be used as a file name";
        QTest::newRow("name ..") << "account" << ".." << "cannot be used";
        QTest::newRow("name .") << "account" << "." << "cannot be";
        QTest::newRow("line feed in the username") << "user" << "guest\nnoauth" << "Username holds a control";
        QTest::newRow("return in the password") << "password" << "pw\r" << "Password holds a control";
        QTest::newRow("tab in the phone") << "phone" << "5\t5" << "Phone holds a control";
        QTest::newRow("line feed in the device") << "device" << "/dev/x\nnoauth" << "Device holds a control";
        QTest::newRow("line feed in the init string") << "init" << "ATZ\n" << "Init string holds a control";
        QTest::newRow("line feed in the speed") << "speed" << "1\nx" << "Speed holds a control";
        QTest::newRow("line feed in the DUN entry") << "dun" << "00:11\n" << "BT DUN holds a control";
        QTest::newRow("phone with blanks and brackets") << "phone" << "+49 (30) 555" << "";
        QTest::newRow("device that is an option") << "device" << "noauth" << "Device must be a full path";
        QTest::newRow("no device") << "device" << "" << "";
        QTest::newRow("device with an option after it") << "device" << "/dev/ttyS0 record /tmp/x" << "Device must be one device path";
        QTest::newRow("device with quote, hash, backslash") << "device" << "/dev/\"x#\\y" << "Device must be one";
        QTest::newRow("speed with an option after it") << "speed" << "115200 init /bin/false" << "Speed must be one of 4800, 9600,";
        QTest::newRow("speed with a leading zero") << "speed" << "0115200" << "Speed must be one of";
        QTest::newRow("password naming a file") << "password" << "@/etc/shadow" << "Password must not begin with \"@/\"";
        QTest::newRow("password with @ and no slash") << "password" << "@etc/x" << "";
    }

    void applyInputProblems()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        PeerValues values = workedExample();
        values.idleTime = 3600, values.connectDelay = 180;   // the form's most
        QString password = "secret", dun = dunEntry;
        const QMap<QString, QString *> fields = { { "account", &values.accountName }, { "user", &values.userName },
            { "password", &password }, { "phone", &values.phone }, { "device", &values.device },
            { "init", &values.initString }, { "speed", &values.speed }, { "dun", &dun } };
        *fields[field] = value;
        const QStringList problems = reasonTexts(::applyInputProblems(values, password, dun));
        QCOMPARE(problems.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY2(problems.join("").contains(problem), qPrintable(problems.join('|')));
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

    // Whichever temporary name, a failed replacement keeps the old file, leaves nothing beside it and names its step.
    void atomicWriterFailures_data()
    {
        QTest::addColumn<TemporaryName>("naming");
        QTest::addColumn<WriteError::Step>("step");
        QTest::addColumn<QString>("reason");
        for (const auto &[naming, name] : { std::pair(TemporaryName::Unique, "unique: "), std::pair(TemporaryName::DotNew, ".new: ") }) {
            QTest::newRow(QByteArray(name) + "folder missing") << naming << WriteError::Creating << "No such file or directory";
            QTest::newRow(QByteArray(name) + "disk full") << naming << WriteError::Writing << "File too large";
            QTest::newRow(QByteArray(name) + "folder in the file's place") << naming << WriteError::Renaming << "Is a directory";
        }
    }
    void atomicWriterFailures()
    {
        QFETCH(TemporaryName, naming);
        QFETCH(WriteError::Step, step);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(step == WriteError::Creating ? "missing/file" : "file");
        QVERIFY(step == WriteError::Renaming ? QDir().mkdir(path) : step == WriteError::Creating || putFile(path, "old\n"));
        const FileSizeLimit limit(step == WriteError::Writing ? 2 : -1);
        const std::optional<WriteError> error = writeAtomically(path, "new\n", 0644, naming);
        QVERIFY(error);
        QCOMPARE(error->step, step);
        QCOMPARE(systemErrorText(error->number), reason);
        QCOMPARE(entriesOf(dir.path()), step == WriteError::Creating ? QStringList() : QStringList("file"));
        QCOMPARE(fileContent(path), step == WriteError::Writing ? QByteArray("old\n") : QByteArray("<unreadable>"));
    }

    // Other accounts' secrets are never lost: a file not read or written whole stays as it was, nothing beside it.
    void secretsFailures_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "Is a directory";
        QTest::newRow("fifo") << "Not a regular file";
        QTest::newRow("disk full") << "File too large";
        QTest::newRow("line feed in the user") << "A name or the password holds a control character";
        QTest::newRow("open quote") << "A quote or a backslash in it is left open";
    }

    void secretsFailures()
    {
        QFETCH(QString, reason);
        const QString kind = QTest::currentDataTag();
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        const QByteArray old = kind == "open quote" ? "guest Office \"old\"\nbob Home \"b" : "bob Home \"b\"\nguest Office \"old\"\n";
        QVERIFY(kind == "folder" ? QDir().mkdir(path) && reasonText(replaceFile(path, "x", 0600)->reason) == "Is a directory"   // the rename fails too
                : kind == "fifo" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : putFile(path, old, 0600));
        std::optional<FileSizeLimit> limit;
        if (kind == "disk full")
            limit.emplace(16);
        const auto failure = updateSecretsFile(path, kind.startsWith("line") ? "a\nb" : "guest", "Office", QString(200, 'p'));
        limit.reset();
        QVERIFY(failure);
        QCOMPARE(failure->path, path);
        QCOMPARE(reasonText(failure->reason), reason);
        QCOMPARE(entriesOf(dir.path()), QStringList("pap-secrets"));
        QVERIFY(!QFileInfo(path).isFile() || fileContent(path) == old);
    }

    // A request the privileged helper cannot read, or one that breaks a rule of the dialog's, writes nothing and says why.
    void helperRefusesWholeRequests_data()
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
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("why");
        QTest::newRow("no JSON") << QByteArray("garbage") << "no JSON object";
        QTest::newRow("too long") << QByteArray(maxRequestBytes, ' ') + "{}" << "too long";
        QTest::newRow("speed a number") << apply("speed", 9600) << "\"speed\" is missing, too long or not of its kind";
        QTest::newRow("phone missing") << apply("phone", {}) << "\"phone\"";
        QTest::newRow("username too long") << apply("username", QString(maxFieldLength + 1, 'u')) << "\"username\"";
        QTest::newRow("unknown value") << apply("shell", "/bin/sh") << "not an account's";
        QTest::newRow("device with an option") << apply("device", "/dev/ttyS0 connect /bin/sh") << "Device must be one";
        QTest::newRow("line feed in the password") << apply("password", "a\nb") << "Password holds";
        QTest::newRow("dial mode not whole") << apply("dialmode", 1.5) << "\"dialmode\"";
        QTest::newRow("dial mode not offered") << apply("dialmode", 3) << "Demand Dialing holds a choice";
        QTest::newRow("idle time below 0") << apply("idletime", -30) << "Idle timeout must be from 0 to 3600";
        QTest::newRow("connect delay below 1") << apply("connectdelay", -1000) << "Time out must be from 1 to 180";
        QTest::newRow("line feed in the DUN entry") << apply("BTDUN", "00:11:22:33:44:55,1\nx") << "BT DUN holds";
        QTest::newRow("apply outside the peers") << apply("phone", "1", "../../etc/x") << "cannot be used as a file name";
        QTest::newRow("delete outside the peers") << deleteRequest("..", true) << "cannot be used";
        QTest::newRow("unknown operation") << QByteArray(R"({"operation":"chmod","name":"Office"})") << "not one of an apply or a delete";
        QTest::newRow("no name") << QByteArray(R"({"operation":"delete"})") << "names no account";
        QTest::newRow("unknown field") << QByteArray(R"({"operation":"delete","name":"Office","force":true})") << "not one of an apply or a delete";
        QTest::newRow("delete to the apply helper") << deleteRequest("Office", true) << "asks to delete an account, which this helper does not do";
        QTest::newRow("apply to the delete helper") << apply("phone", "1") << "asks to apply an account, which this helper does not do";
    }

    void helperRefusesWholeRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(QString, why);
        Scratch scratch;
        RecordingRunner runner;
        // Each request goes to the helper of its operation, but where a row's tag names the other one.
        const bool toDelete = request.contains("\"delete\"") != QByteArray(QTest::currentDataTag()).contains(" to the ");
        const SystemResult result = served(request, scratch.layout, runner, HelperOperation(toDelete));
        const QStringList notWritten = reasonTexts(result.notWritten);
        QCOMPARE(notWritten.size(), 1);
        QVERIFY2(notWritten[0].contains(why), qPrintable(notWritten[0]));
        QCOMPARE(entriesOf(scratch.root + "/etc/ppp") + entriesOf(scratch.root + "/etc/bluetooth"), QStringList());
        QCOMPARE(runner.commands, QList<QStringList>());
        QCOMPARE(result.failures.size(), 0);
    }

    // No reason: bound, PIN and link key gone, service restarted (failing commands are no failure); else no change.
    void bluetoothBinding_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("reason");   // the one failure says this; empty: bound
        QTest::newRow("bound") << "/dev/rfcomm0" << dunEntry << "";
        QTest::newRow("lower-case address, channel 30") << "/dev/rfcomm1" << "0a:1b:2c:3d:4e:5f,30" << "";
        QTest::newRow("no DUN entry") << "/dev/rfcomm0" << "" << "No DUN entry is chosen";
        QTest::newRow("address not hex, channel 31") << "/dev/rfcomm0" << "0:11:22:33:44:5G,31 x" << "is not an address XX:XX:XX:XX:XX:XX";
        QTest::newRow("device outside /dev") << "/tmp/rfcomm0" << dunEntry << "not a device in /dev/";
        QTest::newRow("device in a subfolder") << "/dev/bt/rfcomm0" << dunEntry << "BlueZ binds only /dev/rfcomm0 to";
        QTest::newRow("device 255") << "/dev/rfcomm255" << dunEntry << "";
        QTest::newRow("device 256") << "/dev/rfcomm256" << dunEntry << "BlueZ binds only";
        QTest::newRow("device with leading zeros") << "/dev/rfcomm007" << dunEntry << "BlueZ binds only";
        QTest::newRow("folder at rfcomm.conf") << "/dev/rfcomm0" << dunEntry << "Is a directory";
    }
    void bluetoothBinding()
    {
        QFETCH(QString, device);
        QFETCH(QString, entry);
        QFETCH(QString, reason);
        Scratch scratch;
        const SystemLayout &layout = scratch.layout;
        QVERIFY(putFile(layout.bluetoothPin, "1234\n"));
        QVERIFY(putFile(layout.linkKey, "key\n"));
        QVERIFY(reason == "Is a directory" ? QDir().mkdir(layout.rfcommConf) : putFile(layout.rfcommConf, "old\n"));
        RecordingRunner runner;
        runner.exitStatus = 127;
        const FileFailures failures = bindingFailures(layout, runner, device, entry);
        const QString bound = "old\n" + device.mid(5) + " {\n    bind yes;\n    device " + entry.left(17) + ";\n    channel "
            + entry.mid(18) + ";\n    comment \"Generated by BT dial-up network applet.\";\n}\n";
        QCOMPARE(fileContent(layout.rfcommConf), reason.isEmpty() ? bound.toUtf8() : QByteArray(QFileInfo(layout.rfcommConf).isDir() ? "<unreadable>" : "old\n"));
        QCOMPARE(QFile::exists(layout.bluetoothPin), !reason.isEmpty());
        QCOMPARE(QFile::exists(layout.linkKey), !reason.isEmpty());
        QCOMPARE(runner.commands, reason.isEmpty() ? QList<QStringList>({ { "pccardctl", "eject" },
                 layout.bluetoothRestart, { "pccardctl", "insert" } }) : QList<QStringList>());
        QCOMPARE(failures.size(), reason.isEmpty() ? 0 : 1);
        QCOMPARE(failures.value(0).path, reason.isEmpty() ? QString() : layout.rfcommConf);
        QVERIFY2(reasonText(failures.value(0).reason).contains(reason), qPrintable(reasonText(failures.value(0).reason)));
    }

    // A command's end: its exit status, or that it crashed or never started.
    void commandStatuses()
    {
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
        QCOMPARE(failures.size(), 2);
        QCOMPARE(reasonText(failures[0].reason), runner.message);
        QCOMPARE(failures[1].path, QString("/dev/rfcomm01"));
        QVERIFY(fileContent(layout.rfcommConf).contains("rfcomm1 {\n    bind yes;\n    device 00:11:22:33:44:55;\n    channel 1;"));
    }

    // At start each block of "bind yes;" that Apply would accept is bound, the first of a name only; the rest is skipped.
    void recordedBindingsAtStart()
    {
        const RecordedBindings recorded = recordedBindings(fileContent(TESTDATA_DIR "/rfcomm/recorded.conf"));
        QStringList bound, skipped;
        for (const RecordedBinding &binding : recorded.bindings)
            bound << binding.devicePath + " " + binding.dunEntry;
        for (const SkippedBinding &block : recorded.skipped)
            skipped << block.name;
        QCOMPARE(bound, QStringList({ "/dev/rfcomm0 00:11:22:33:44:55,1", "/dev/rfcomm1 0a:1b:2c:3d:4e:5f,30" }));
        QCOMPARE(skipped, QStringList({ "rfcomm2", "rfcomm3", "../tty", "rfcomm0", "rfcomm4", "rfcomm5", "rfcomm00" }));
        QVERIFY(recordedBindings("rfcomm0 { bind yes; device 00:11:22:33:44:55; channel \"1; }").bindings.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSysWriters)
#include "tst_core.moc"
