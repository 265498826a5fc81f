// Delete as the dialog runs it, without the dialog: the settings file goes last. Apply, and whether a peer file this
// program did not write is touched (only on a Yes), the dialog's test walks through.
#include "core/jobs/deletejob.h"

#include "support/testsupport.h"

#include <QtTest>

namespace {

// Runs job to its end, answering Yes to its question; whether it asked.
bool runToEnd(SystemJob &job)
{
    bool asked = false, ended = false;
    QObject::connect(&job, &SystemJob::needsPermission, [&] { asked = true; job.answer(true); });
    QObject::connect(&job, &SystemJob::finished, [&] { ended = true; });
    job.start();
    static_cast<void>(QTest::qWaitFor([&] { return ended; }, 30000));   // a job that hangs leaves the files wrong
    return asked;
}

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT
    RecordingRunner runner;

private slots:
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
        QCOMPARE(runToEnd(job), peer == "folder");   // asked: no record names it
        QCOMPARE(QFileInfo::exists(path), peer == "folder");
        QCOMPARE(QFile::exists(scratch.accountFile("provider")), peer == "folder");
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "tst_jobs.moc"
