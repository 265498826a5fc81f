// Apply and Delete as the dialog runs them, without the dialog: the settings file first on Apply and last on Delete.
// Whether a peer file this program did not write is touched (only on a Yes) the dialog's test walks through.
#include "core/jobs/applyjob.h"
#include "core/jobs/deletejob.h"

#include "support/testsupport.h"

#include <QtTest>

namespace {

// Runs job to its end, answering its question with answer; whether it asked, and what it left undone.
SystemResult runToEnd(SystemJob &job, bool answer, bool &asked)
{
    SystemResult result;
    bool ended = false;
    QObject::connect(&job, &SystemJob::needsPermission, [&] { asked = true; job.answer(answer); });
    QObject::connect(&job, &SystemJob::finished, [&](const SystemResult &end) { result = end; ended = true; });
    job.start();
    static_cast<void>(QTest::qWaitFor([&] { return ended; }, 30000));   // a job that hangs leaves the files wrong
    return result;
}

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT
    RecordingRunner runner;

private slots:
    // A settings file that cannot be saved leaves the system files as they were.
    void applyUnsaved()
    {
        Scratch scratch;
        QVERIFY(QDir().mkpath(scratch.accountFile("Office")));
        AccountRecord record;
        record.name = "Office";
        record.connectDelay = 6;
        ApplyJob job(scratch.layout, runner, record, SystemJob::WithSettings);
        bool asked = false;
        const SystemResult result = runToEnd(job, true, asked);
        QCOMPARE(result.failures.value(0).path, scratch.accountFile("Office"));
        QVERIFY(!QFile::exists(scratch.layout.peerFile("Office")) && !QFile::exists(scratch.layout.papSecrets));
    }

    // Delete: a peer file this program wrote goes with the account; a folder in its place keeps the account.
    void remove_data()
    {
        QTest::addColumn<QString>("peer");   // what is at the peer path
        QTest::newRow("ours: both go") << "ours";
        QTest::newRow("a folder in its place: the account stays") << "folder";
        QTest::newRow("nothing there: no password asked") << "none";
    }

    void remove()
    {
        QFETCH(QString, peer);
        Scratch scratch;
        // Where nothing can be there, a helper that cannot start would keep the account.
        scratch.layout.throughHelper = peer == "none";
        scratch.layout.deleteHelper = { "/nonexistent/pkexec" };
        const QString path = scratch.layout.peerFile("provider");
        QVERIFY(QDir().mkpath(peer == "folder" ? path : scratch.layout.peersDir));
        QVERIFY(peer != "ours" || (putFile(path, "peer\n") && putFile(scratch.layout.peerRecord, "provider\n")));
        QVERIFY(putFile(scratch.accountFile("provider"), "[Info]\nname = provider\n"));
        DeleteJob job(scratch.layout, runner, "provider", SystemJob::WithSettings);
        bool asked = false;
        runToEnd(job, true, asked);
        QCOMPARE(asked, peer == "folder");   // no record names it
        QCOMPARE(QFileInfo::exists(path), peer == "folder");
        QCOMPARE(QFile::exists(scratch.accountFile("provider")), peer == "folder");
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "tst_jobs.moc"
