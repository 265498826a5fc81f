// Apply and Delete as the dialog runs them, without the dialog: the settings file first on Apply and last on Delete, a
// peer file this program did not write touched only on a Yes, in this process and through the helper alike.
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
    void apply_data()
    {
        QTest::addColumn<bool>("helper");
        QTest::addColumn<bool>("hadSettings");
        QTest::addColumn<bool>("answer");   // to the question about the hand-written peer file
        QTest::addColumn<bool>("settingsKept");
        QTest::newRow("No: a new account saves nothing") << false << false << false << false;
        QTest::newRow("No: an account keeps its settings") << false << true << false << true;
        QTest::newRow("Yes: replaced") << false << false << true << true;
        QTest::newRow("helper, No: nothing saved") << true << false << false << false;
        QTest::newRow("helper, Yes: replaced") << true << true << true << true;
    }

    void apply()
    {
        QFETCH(bool, helper);
        QFETCH(bool, hadSettings);
        QFETCH(bool, answer);
        QFETCH(bool, settingsKept);
        Scratch scratch;
        scratch.layout.throughHelper = helper;
        scratch.layout.applyHelper = { ROOTED_HELPER, scratch.root };
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(scratch.layout.peerFile("provider"), "hand-written\n"));
        QVERIFY(!hadSettings || putFile(scratch.accountFile("provider"), "[Info]\nname = provider\n"));
        AccountRecord record;
        record.name = "provider";
        record.connectDelay = 6;
        ApplyJob job(scratch.layout, runner, record, SystemJob::WithSettings);
        bool asked = false;
        const SystemResult result = runToEnd(job, answer, asked);
        QVERIFY(asked);
        QCOMPARE(fileContent(scratch.layout.peerFile("provider")) == "hand-written\n", !answer);
        QCOMPARE(result.foreignPeerFile.isEmpty(), answer);
        QCOMPARE(QFile::exists(scratch.accountFile("provider")), settingsKept);
        QCOMPARE(job.savedNothing(), !settingsKept);
    }

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

    void remove_data()
    {
        QTest::addColumn<QString>("peer");   // what is at the peer path: ours, foreign, a folder or nothing
        QTest::addColumn<bool>("helper");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("peerGone");
        QTest::addColumn<bool>("settingsGone");
        QTest::newRow("ours: both go") << "ours" << false << false << true << true;
        QTest::newRow("foreign, Yes: both go") << "foreign" << false << true << true << true;
        QTest::newRow("foreign, No: the account goes, the peer file stays") << "foreign" << false << false << false << true;
        QTest::newRow("helper, foreign, Yes: both go") << "foreign" << true << true << true << true;
        QTest::newRow("a folder in its place: the account stays") << "folder" << false << true << false << false;
        QTest::newRow("nothing there: no password asked") << "none" << true << false << true << true;
    }

    void remove()
    {
        QFETCH(QString, peer);
        QFETCH(bool, helper);
        QFETCH(bool, answer);
        QFETCH(bool, peerGone);
        QFETCH(bool, settingsGone);
        Scratch scratch;
        scratch.layout.throughHelper = helper;
        // Where nothing can be there, a helper that cannot start would keep the account.
        scratch.layout.deleteHelper = peer == "none" ? QStringList("/nonexistent/pkexec") : QStringList({ ROOTED_HELPER, scratch.root, "delete" });
        const QString path = scratch.layout.peerFile("provider");
        QVERIFY(QDir().mkpath(peer == "folder" ? path : scratch.layout.peersDir));
        QVERIFY(peer == "none" || peer == "folder" || putFile(path, "peer\n"));
        QVERIFY(peer != "ours" || putFile(scratch.layout.peerRecord, "provider\n"));
        QVERIFY(putFile(scratch.accountFile("provider"), "[Info]\nname = provider\n"));
        DeleteJob job(scratch.layout, runner, "provider", SystemJob::WithSettings);
        bool asked = false;
        runToEnd(job, answer, asked);
        QCOMPARE(asked, peer == "foreign" || peer == "folder");   // no record names them
        QCOMPARE(!QFileInfo::exists(path), peerGone);
        QCOMPARE(!QFile::exists(scratch.accountFile("provider")), settingsGone);
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "tst_jobs.moc"
