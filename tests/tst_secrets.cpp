#include "syswriters/secretsfile.h"
#include "syswriters/systemlayout.h"

#include "support/scratchfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// Every file flushed to disk, by the name it had then; the call goes on to the
// kernel.
static QStringList flushedFiles;
extern "C" int fsync(int fd)
{
    flushedFiles << QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    return int(::syscall(SYS_fsync, fd));
}

namespace {

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777
                                                                      : 0;
}

// Nothing but the secrets file itself is left in its folder.
QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestSecrets : public QObject
{
    Q_OBJECT
private slots:
    void update_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<absent>" when there is no file
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("after");

        const QByteArray others = "# client server secret\nbob Home \"b\"\n\nann Work \"a\"\n";
        QTest::newRow("absent, password") << QByteArray("<absent>") << "guest" << "pw"
                                          << QByteArray("guest Office \"pw\"\n");
        QTest::newRow("absent, no password") << QByteArray("<absent>") << "guest" << ""
                                             << QByteArray("\n");
        QTest::newRow("old line replaced, others keep order")
            << QByteArray("bob Home \"b\"\nguest Office \"old\"\nann Work \"a\"\n") << "guest" << "pw"
            << QByteArray("bob Home \"b\"\nann Work \"a\"\nguest Office \"pw\"\n");
        QTest::newRow("comments and blank lines stay") << others << "guest" << "pw"
                                                       << others + "guest Office \"pw\"\n";
        QTest::newRow("Office2 is another account")
            << QByteArray("guest Office2 \"x\"\n") << "guest" << "pw"
            << QByteArray("guest Office2 \"x\"\nguest Office \"pw\"\n");
        QTest::newRow("tabs and double blanks are not this account's prefix")
            << QByteArray("guest\tOffice \"x\"\nguest  Office \"y\"\n") << "guest" << "pw"
            << QByteArray("guest\tOffice \"x\"\nguest  Office \"y\"\nguest Office \"pw\"\n");
        QTest::newRow("no password removes this account's lines")
            << QByteArray("guest Office \"old\"\nbob Home \"b\"\nguest Office \"older\"\n")
            << "guest" << "" << QByteArray("bob Home \"b\"\n");
        QTest::newRow("CR endings") << QByteArray("bob Home \"b\"\rguest Office \"old\"\r")
                                    << "guest" << "pw"
                                    << QByteArray("bob Home \"b\"\nguest Office \"pw\"\n");
        QTest::newRow("CRLF endings, no final ending")
            << QByteArray("bob Home \"b\"\r\n\r\nann Work \"a\"") << "guest" << "pw"
            << QByteArray("bob Home \"b\"\n\nann Work \"a\"\nguest Office \"pw\"\n");
        QTest::newRow("lines after a dropped one move up, mixed endings")
            << QByteArray("guest Office \"old\"\r\nbob Home \"b\"\r\n\rann Work \"a\"\nguest Office \"x\"\rend")
            << "guest" << "pw"
            << QByteArray("bob Home \"b\"\n\nann Work \"a\"\nend\nguest Office \"pw\"\n");
        QTest::newRow("password quote and backslash") << QByteArray("<absent>") << "guest"
                                                      << "p\"w\\"
                                                      << QByteArray("guest Office \"p\\\"w\\\\\"\n");
        QTest::newRow("user with blank is quoted, its old line found")
            << QByteArray("\"J Doe\" Office \"old\"\nJ Doe Office \"x\"\n") << "J Doe" << "pw"
            << QByteArray("J Doe Office \"x\"\n\"J Doe\" Office \"pw\"\n");
        QTest::newRow("empty user")
            << QByteArray("\"\" Office \"old\"\n") << "" << "pw"
            << QByteArray("\"\" Office \"pw\"\n");
        QTest::newRow("other encodings survive byte for byte")
            << QByteArray("j\xf6rg Home \"\xe9\"\n") << "guest" << "pw"
            << QByteArray("j\xf6rg Home \"\xe9\"\nguest Office \"pw\"\n");
    }
    void update()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        if (before != "<absent>")
            QVERIFY(putFile(path, before, 0644));

        flushedFiles.clear();
        QVERIFY(!updateSecretsFile(path, user, "Office", password));
        QCOMPARE(fileContent(path), after);
        // The new content was on the disk before it took the file's name.
        QVERIFY(!flushedFiles.isEmpty() && flushedFiles.first().startsWith(path + "."));
        QCOMPARE(modeOf(path), mode_t(0600));
        QCOMPARE(folderEntries(dir.path()), QStringList { "pap-secrets" });
    }

    void exactLinePresentChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("password");
        QTest::newRow("with older lines around")
            << QByteArray("guest Office \"old\"\r\nguest Office \"pw\"\nguest Office \"x\"") << "pw";
        QTest::newRow("empty password line")
            << QByteArray("bob Home \"b\"\nguest Office \"\"\n") << "";
    }
    void exactLinePresentChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, password);
        QTemporaryDir dir;
        const QString path = dir.filePath("chap-secrets");
        QVERIFY(putFile(path, content, 0640));
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);

        QVERIFY(!updateSecretsFile(path, "guest", "Office", password));
        struct stat after;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(fileContent(path), content);
        QCOMPARE(modeOf(path), mode_t(0600));
    }

    // Another account's secrets are never lost to a file that cannot be read.
    // The folder may be rewritten; root reads every file, so for the file
    // without read permission a child gives up root first.
    void unreadableFileIsNeverRewritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in its place") << "folder" << "Is a directory";
        QTest::newRow("FIFO in its place") << "fifo" << "Not a regular file";
        QTest::newRow("no read permission") << "file" << "Permission denied";
    }
    void unreadableFileIsNeverRewritten()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        const QString path = dir.filePath("pap-secrets");
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(putFile(path, "bob Home \"b\"\n", 0000));

        const auto attempt = [&] {
            const std::optional<FileFailure> failure = updateSecretsFile(path, "guest", "Office", "pw");
            return failure && failure->path == path && failure->reason == reason;
        };
        if (kind != "file" || ::geteuid() != 0) {
            QVERIFY(attempt());
        } else {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0)
                ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && attempt() ? 0 : 1);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QCOMPARE(folderEntries(dir.path()), QStringList { "pap-secrets" });
        if (kind == "file") {
            QCOMPARE(modeOf(path), mode_t(0000));
            QCOMPARE(fileContent(path), QByteArray("bob Home \"b\"\n"));
        }
    }

    // A write that stops half-way (here at the file size limit, as on a full
    // disk) must leave every other account's secret where it was.
    void failedWriteLeavesOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        const QByteArray content = "bob Home \"b\"\nguest Office \"old\"\n";
        QVERIFY(putFile(path, content, 0600));

        struct rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 16;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const std::optional<FileFailure> failure =
            updateSecretsFile(path, "guest", "Office", QString(200, 'p'));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(failure);
        QCOMPARE(failure->path, path);
        QCOMPARE(failure->reason, QString("File too large"));
        QCOMPARE(fileContent(path), content);
        QCOMPARE(folderEntries(dir.path()), QStringList { "pap-secrets" });
    }

    void symbolicLinkKeepsPointingAtTheRewrittenFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath("shared")));
        const QString target = dir.filePath("shared/secrets");
        QVERIFY(putFile(target, "bob Home \"b\"\n"));
        const QString link = dir.filePath("pap-secrets");
        QVERIFY(QFile::link(target, link));

        QVERIFY(!updateSecretsFile(link, "guest", "Office", "pw"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileContent(target), QByteArray("bob Home \"b\"\nguest Office \"pw\"\n"));
    }

    void controlCharacterRefusedWithoutTouchingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pap-secrets");
        QVERIFY(putFile(path, "bob Home \"b\"\n"));
        QVERIFY(updateSecretsFile(path, "guest", "Office", "pw\n* * \"x\""));
        QCOMPARE(fileContent(path), QByteArray("bob Home \"b\"\n"));
    }

    void bothFilesInOrderSecondRunsAfterFailure()
    {
        QTemporaryDir root;
        const SystemLayout layout = SystemLayout::rootedAt(root.path());
        QVERIFY(QDir().mkpath(layout.papSecrets)); // a folder where PAP's file belongs
        const FileFailures failures = updateSecrets(layout, "guest", "Office", "pw");
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.first().path, layout.papSecrets);
        QCOMPARE(fileContent(layout.chapSecrets), QByteArray("guest Office \"pw\"\n"));
    }
};

QTEST_GUILESS_MAIN(TestSecrets)
#include "tst_secrets.moc"
