// What the dialog does when the machine lets it down: a full disk while the
// account is saved, a read-only /etc/ppp, and the program killed while it
// rewrites a secrets file.
//
// As root the test runs in a private mount namespace of its own, entered in
// main() before any thread starts, so it can mount a tiny tmpfs or a
// read-only bind mount without anyone else seeing them. As another user,
// permission bits stand in for the read-only mount.
#include "account/pppconfig.h"
#include "syswriters/secretsfile.h"
#include "syswriters/systemlayout.h"

#include "support/recordingrunner.h"
#include "support/scratchfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool enterPrivateMountNamespace()
{
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0)
        return false;
    // Without private propagation our mounts would reach the real system.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        qFatal("in a new mount namespace but cannot make it private");
    }
    return true;
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray accountFile(const QByteArray &phone, const QByteArray &gateway = QByteArray())
{
    return "[Info]\nname = Office\n[Properties]\nBTDUN = \nBluetooth = 0\nIrDA = 0\nSerial = 1\n"
           "atdial = ATZ\nconnectdelay = 1000\ncrtscts = 1\ndefaultroute = 0\ndevice = /dev/ttyS0\n"
           "dialmode = 0\ndns1 = \ndns2 = \ngateway = " + gateway + "\nidletime = 120\n"
           "password = pw\nphone = " + phone + "\nspeed = 115200\nusepeerdns = 0\nusername = guest\n";
}

// A message box seen while an operation ran.
struct ShownBox
{
    QString title;
    QMessageBox::Icon icon;
    QString text;   // text, informative text and details together
};

// Clicks away every message box that opens while it lives, and remembers it.
class BoxCloser
{
public:
    BoxCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.append({ box->windowTitle(), box->icon(),
                           QStringList { box->text(), box->informativeText(), box->detailedText() }
                               .join(QLatin1Char('\n')) });
            box->done(QMessageBox::Ok);
        });
        timer.start(20);
    }

    QList<ShownBox> boxes;

private:
    QTimer timer;
};

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
public:
    explicit TestFaults(bool privateMounts) : privateMounts(privateMounts) { }

private:
    bool privateMounts;
    QTemporaryDir scratch;
    QString home, root, settingsPath;
    SystemLayout layout;

    // A home with the account Office and a system root with both secrets
    // files, in fresh folders for each test.
    void prepare(const QByteArray &gateway = QByteArray())
    {
        const QString base = scratch.filePath(QString::fromLatin1(QTest::currentTestFunction())
                                              + QLatin1Char('-')
                                              + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
        home = base + "/home";
        root = base + "/root";
        QVERIFY(QDir().mkpath(home + "/Choices/common"));
        QVERIFY(QDir().mkpath(root + "/etc/ppp/peers"));
        QVERIFY(QDir().mkpath(root + "/etc/bluetooth"));
        layout = SystemLayout::rootedAt(root);
        settingsPath = home + "/Choices/common/Network-PPP-Office.conf";
        QVERIFY(putFile(settingsPath, accountFile("5551234", gateway), 0600));
        QVERIFY(putFile(layout.papSecrets, "bob Home \"b\"\n", 0600));
        QVERIFY(putFile(layout.chapSecrets, "bob Home \"b\"\n", 0600));
        qputenv("HOME", QFile::encodeName(home));
    }

    // Applies the account Office with a new telephone number.
    QList<ShownBox> applyNewPhone()
    {
        RecordingRunner runner;
        PPPConfig dialog(nullptr, nullptr, layout, &runner);
        if (dialog.acname->currentText() != "Office" || dialog.phone->text() != "5551234")
            return { { "account Office not loaded", QMessageBox::NoIcon, QString() } };
        dialog.phone->setText("5550000");
        BoxCloser closer;
        QMetaObject::invokeMethod(&dialog, "Apply");
        return closer.boxes;
    }

private slots:
    void init()
    {
        QVERIFY(scratch.isValid());
    }

    void diskFullWhileSavingAccount_data()
    {
        QTest::addColumn<bool>("tinyFilesystem");
        QTest::newRow("file size limit") << false;
        QTest::newRow("full tmpfs") << true;
    }

    void diskFullWhileSavingAccount()
    {
        QFETCH(bool, tinyFilesystem);
        if (tinyFilesystem && !privateMounts)
            QSKIP("mounting a tmpfs needs root and a private mount namespace");

        // With the limit, a long gateway makes the settings file the only
        // file too big for it; the peer file and the secrets stay small.
        const QByteArray gateway = tinyFilesystem ? QByteArray() : QByteArray(4096, 'g');
        prepare(gateway);
        const QByteArray old = fileContent(settingsPath);

        rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const QString choices = home + "/Choices";
        if (tinyFilesystem) {
            // The home's Choices folder on a filesystem with no room left.
            QVERIFY(::mount("dialup-full", QFile::encodeName(choices).constData(), "tmpfs", 0,
                            "size=64k,mode=0700") == 0);
            QVERIFY(QDir().mkpath(choices + "/common"));
            QVERIFY(putFile(settingsPath, old, 0600));
            QFile filler(choices + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) { }
        } else {
            rlimit small = saved;
            small.rlim_cur = 2048;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        }

        const QList<ShownBox> boxes = applyNewPhone();
        const QByteArray after = fileContent(settingsPath);
        const QStringList entries = folderEntries(choices + "/common");
        const QByteArray peer = fileContent(layout.peerFile("Office"));

        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        if (tinyFilesystem)
            QCOMPARE(::umount2(QFile::encodeName(choices).constData(), MNT_DETACH), 0);

        QCOMPARE(boxes.size(), 2);   // then Apply's own, naming the file
        QCOMPARE(boxes.first().title, QString("Out of Space"));
        QCOMPARE(boxes.first().icon, QMessageBox::Critical);
        QCOMPARE(after, old);
        QVERIFY2(!entries.contains("Network-PPP-Office.conf.new"), qPrintable(entries.join(' ')));
        // No system file takes values the account file does not hold.
        QVERIFY2(!peer.contains("ATDT5550000"), peer.constData());
    }

    void readOnlyEtcPpp_data()
    {
        QTest::addColumn<bool>("peersWritable");
        QTest::addColumn<QStringList>("unwritten");   // file names under etc/ppp
        // The secrets follow the peer file: when that fails they are not tried.
        QTest::newRow("all of it") << false << QStringList { "peers/Office" };
        QTest::newRow("peers folder writable") << true << QStringList { "pap-secrets", "chap-secrets" };
    }

    void readOnlyEtcPpp()
    {
        QFETCH(bool, peersWritable);
        QFETCH(QStringList, unwritten);
        prepare();
        const QString etcPpp = root + "/etc/ppp";
        const QByteArray etcPppName = QFile::encodeName(etcPpp);
        const QByteArray peersName = QFile::encodeName(etcPpp + "/peers");
        QString reason;
        if (privateMounts) {
            QVERIFY(::mount(etcPppName.constData(), etcPppName.constData(), nullptr, MS_BIND, nullptr) == 0);
            QVERIFY(::mount(nullptr, etcPppName.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                            nullptr) == 0);
            if (peersWritable) {
                const QByteArray elsewhere = QFile::encodeName(root + "/writable-peers");
                QVERIFY(QDir().mkpath(root + "/writable-peers"));
                QVERIFY(::mount(elsewhere.constData(), peersName.constData(), nullptr, MS_BIND, nullptr) == 0);
            }
            reason = "Read-only file system";
        } else if (::geteuid() != 0) {
            QVERIFY(::chmod(etcPppName.constData(), 0555) == 0);
            if (!peersWritable)
                QVERIFY(::chmod(peersName.constData(), 0555) == 0);
            reason = "Permission denied";
        } else {
            QSKIP("root without a private mount namespace cannot make /etc/ppp read-only");
        }

        const QList<ShownBox> boxes = applyNewPhone();
        const QStringList etcPppEntries = folderEntries(etcPpp);
        const QByteArray peer = fileContent(layout.peerFile("Office"));

        if (privateMounts) {
            if (peersWritable)
                QCOMPARE(::umount2(peersName.constData(), MNT_DETACH), 0);
            QCOMPARE(::umount2(etcPppName.constData(), MNT_DETACH), 0);
        } else {
            ::chmod(etcPppName.constData(), 0755);
            ::chmod(peersName.constData(), 0755);
        }

        // One warning lists each file on a line of its own, with its reason.
        QCOMPARE(boxes.size(), 1);
        const ShownBox &box = boxes.first();
        QCOMPARE(box.icon, QMessageBox::Warning);
        const QStringList lines = box.text.split('\n');
        for (const QString &file : unwritten) {
            const QString path = etcPpp + '/' + file;
            const bool listed = std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) {
                return line.contains(path) && line.contains(reason);
            });
            QVERIFY2(listed, qPrintable(path + " missing from:\n" + box.text));
        }
        QCOMPARE(box.text.count(reason), unwritten.size());

        // The account itself is saved all the same; what could not be
        // written is as it was, and nothing was left lying around.
        QVERIFY(fileContent(settingsPath).contains("phone = 5550000\n"));
        QCOMPARE(peer.contains("ATDT5550000"), peersWritable);
        QCOMPARE(fileContent(layout.papSecrets), QByteArray("bob Home \"b\"\n"));
        QCOMPARE(fileContent(layout.chapSecrets), QByteArray("bob Home \"b\"\n"));
        QCOMPARE(etcPppEntries, QStringList({ "chap-secrets", "pap-secrets", "peers" }));
    }

    // A rewrite cut short at any moment leaves the old file or the new one,
    // never a mixture, and never a file that others can read.
    void killedWhileRewritingSecrets()
    {
        const QString folder = scratch.filePath("killed");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/pap-secrets";

        // Big enough that a rewrite takes a while to land in.
        QByteArray others;
        for (int i = 0; i < 20000; ++i)
            others += "user" + QByteArray::number(i) + " isp" + QByteArray::number(i % 97) + " \"pw"
                      + QByteArray::number(i * 31) + "\"\n";
        const QByteArray first = others + "guest Office \"first\"\n";
        const QByteArray second = others + "guest Office \"second\"\n";
        QVERIFY(putFile(path, first, 0644));   // the first rewrite narrows it

        // How long one rewrite takes here; the kills fall within twice that.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 4; ++i)
            QVERIFY(!updateSecretsFile(path, "guest", "Office", i % 2 ? "first" : "second"));
        const int window = qMax<qint64>(2000, clock.nsecsElapsed() / 1000 / 2);
        QCOMPARE(fileContent(path), first);

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int rounds = 0, leftovers = 0;
        QElapsedTimer budget;
        budget.start();
        for (; rounds < 200 && budget.elapsed() < 60000; ++rounds) {
            QProcess rewriter;
            rewriter.start(SECRETS_REWRITER, { path });
            QVERIFY(rewriter.waitForReadyRead(10000));
            QCOMPARE(rewriter.readLine(), QByteArray("ready\n"));
            ::usleep(random.bounded(window));
            ::kill(pid_t(rewriter.processId()), SIGKILL);
            QVERIFY(rewriter.waitForFinished(10000));

            const QString where = QString("round %1, seed %2").arg(rounds).arg(seed);
            const QByteArray content = fileContent(path);
            QVERIFY2(content == first || content == second, qPrintable(where + ": torn file"));
            QVERIFY2((modeOf(path) & 077) == 0, qPrintable(where + QString(": mode %1").arg(modeOf(path), 0, 8)));
            for (const QString &entry : folderEntries(folder)) {
                if (entry == "pap-secrets")
                    continue;
                // A temporary file the kill left behind: it holds every secret.
                const QString temporary = folder + '/' + entry;
                QVERIFY2((modeOf(temporary) & 077) == 0,
                         qPrintable(where + ": " + entry + QString(" has mode %1").arg(modeOf(temporary), 0, 8)));
                QVERIFY(QFile::remove(temporary));
                ++leftovers;
            }
        }
        QVERIFY2(rounds >= 50, "too few rounds in the time allowed");
        qInfo("%d kills, %d of them left a temporary file behind", rounds, leftovers);
    }
};

int main(int argc, char **argv)
{
    // Before the application starts any thread: the namespace is per thread.
    const bool privateMounts = enterPrivateMountNamespace();
    QApplication app(argc, argv);
    TestFaults test(privateMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
