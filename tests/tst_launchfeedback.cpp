#include "app/launchfeedback.h"

#include <QTest>

// The X11 side is tested with a real launcher under Xvfb (x11.cmake); here
// the program runs on the offscreen platform, as it would under Wayland.
class TestLaunchFeedback : public QObject
{
    Q_OBJECT
private slots:
    void keepsTheLaunchIdAndSkipsWithoutX11_data()
    {
        QTest::addColumn<QByteArray>("environment");
        QTest::newRow("launched") << QByteArray("launcher/dialup/42-0-host_TIME1234");
        QTest::newRow("started by hand") << QByteArray();
    }
    void keepsTheLaunchIdAndSkipsWithoutX11()
    {
        QFETCH(QByteArray, environment);
        if (environment.isEmpty())
            qunsetenv("DESKTOP_STARTUP_ID");
        else
            qputenv("DESKTOP_STARTUP_ID", environment);
        LaunchFeedback feedback;
        qunsetenv("DESKTOP_STARTUP_ID"); // as Qt's X11 support does
        QCOMPARE(feedback.launchId(), environment);
        QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
        QVERIFY(!feedback.complete());
    }
};

QTEST_MAIN(TestLaunchFeedback)
#include "tst_launchfeedback.moc"
