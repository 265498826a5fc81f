#include "syswriters/commandrunner.h"
#include "syswriters/systemlayout.h"

#include <QTest>

class TestSystemLayout : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAreTheRealSystem()
    {
        SystemLayout layout;
        QCOMPARE(layout.peerFile("Office"), QString("/etc/ppp/peers/Office"));
        QCOMPARE(layout.papSecrets, QString("/etc/ppp/pap-secrets"));
        QCOMPARE(layout.rfcommConf, QString("/etc/bluetooth/rfcomm.conf"));
    }

    void rootedLayoutMovesEveryFileButNoCommand()
    {
        SystemLayout layout = SystemLayout::rootedAt("/scratch");
        for (const QString &path : { layout.peersDir, layout.papSecrets, layout.chapSecrets,
                                     layout.rfcommConf, layout.bluetoothPin, layout.linkKey })
            QVERIFY2(path.startsWith("/scratch/etc/"), qPrintable(path));
        QCOMPARE(layout.pccardEject, QStringList({ "pccardctl", "eject" }));
    }

    void processRunnerReportsExitStatus()
    {
        ProcessRunner runner;
        QCOMPARE(runner.run({ "/bin/sh", "-c", "exit 3" }), 3);
        QCOMPARE(runner.run({ "/nonexistent/program" }), -1);
        QCOMPARE(runner.run({}), -1);
    }
};

QTEST_GUILESS_MAIN(TestSystemLayout)
#include "tst_systemlayout.moc"
