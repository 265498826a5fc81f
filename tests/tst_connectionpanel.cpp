#include "account/pppconfig.h"
#include "app/language.h"
#include "core/connection/connection.h"

#include "support/testsupport.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

namespace {

const QByteArray dialled = "send (ATDT555^M)\nCONNECT\nSerial connection established.\nUsing interface ppp7\n"
                           "Connect: ppp7 <--> /dev/ttyS0\nsend (s3cret^M)\n";
const QByteArray up = dialled + "PAP authentication succeeded\nlocal  IP address 10.0.0.2\n"
                                "remote IP address 10.0.0.1\nprimary   DNS address 10.0.0.53\n@hold";

// A dialog over a scratch system whose pppd is the stand-in playing scenario; the account is applied.
struct Bench
{
    explicit Bench(const QByteArray &scenario)
    {
        layout.pppd = TESTDATA_DIR "/pppd-standin/pppd";
        layout.procDir = "/proc";   // a second window finds the first one's pppd among the real processes
        layout.throughHelper = false;
        putFile(scratch.root + "/scenario", scenario);
        qputenv("PPPD_SCENARIO", QFile::encodeName(scratch.root + "/scenario"));
        putFile(scratch.accountFile(account), "[Info]\nname = " + account.toUtf8() + "\n[Properties]\npassword = s3cret\n"
                                              "phone = 555\nserial = 1\n");
        QDir().mkpath(layout.peersDir);
        putFile(layout.peerFile(account), "");
    }
    Scratch scratch;
    SystemLayout layout = scratch.layout;
    const QString account = "Standin" + QString::number(QCoreApplication::applicationPid());
};

// The status line's words at each state change after Connect is pressed; atConnected runs once Connected.
QStringList statesAfterConnect(PPPConfig &dialog, const std::function<void()> &atConnected = {})
{
    QStringList seen;
    dialog.connect_button->click();
    seen << dialog.connection_status->text().section(':', 0, 0);
    auto *connection = dialog.findChild<Connection *>();
    const auto watch = QObject::connect(connection, &Connection::stateChanged, &dialog, [&](PppdOutput::State state) {
        seen << dialog.connection_status->text().section(':', 0, 0);
        if (state == PppdOutput::Connected && atConnected)
            QTimer::singleShot(0, &dialog, atConnected);   // once the lines read with this one are shown
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!connection->isActive(), 5000); }();
    QObject::disconnect(watch);
    return seen;
}

} // namespace

class TestConnectionPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/dialup-test-bus"); }

    void dialling_data()
    {
        QTest::addColumn<QByteArray>("scenario");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("reason");
        QTest::newRow("up, hung up") << up << QStringList{ "Dialling…", "Connected to the modem", "Authenticating…",
                                                          "Connected", "Disconnecting…", "Disconnected" }
                                     << "The connection was ended on request.";
        QTest::newRow("password refused") << dialled + "PAP authentication failed\n@exit 19"
            << QStringList{ "Dialling…", "Connected to the modem", "Authenticating…", "Disconnected" }
            << "Authentication (PAP) failed: check the username and the password.";
        QTest::newRow("busy") << QByteArray("send (ATDT555^M)\nFailed (BUSY)\nConnect script failed\n@exit 8")
                              << QStringList{ "Dialling…", "Disconnected" } << "The line was busy.";
    }
    void dialling()
    {
        QFETCH(QByteArray, scenario);
        QFETCH(QStringList, states);
        QFETCH(QString, reason);
        Bench bench(scenario);
        PPPConfig dialog(nullptr, nullptr, bench.layout);
        QString connected;   // the status line and the button once Connected
        const auto note = [&] { connected = dialog.connection_status->text() + " / " + dialog.connect_button->text(); };
        // The log view, made when Details is first checked: during the call (lines read so far,
        // then the later ones), or after it.
        const auto details = [&] { dialog.connection_details->setChecked(true); };
        QCOMPARE(statesAfterConnect(dialog, [&] { note(), details(), dialog.connect_button->click(); }), states);
        QCOMPARE(dialog.connection_status->text() + " / " + dialog.connect_button->text(), "Disconnected: " + reason + " / Connect");
        QVERIFY2(connected.isEmpty() || (connected.contains("10.0.0.2 to 10.0.0.1") && connected.endsWith("/ Disconnect")),
                 qPrintable(connected));
        details();
        QCOMPARE(dialog.connection_log->toPlainText(), dialog.findChild<Connection *>()->log().join('\n'));
        QVERIFY(dialog.connection_log->toPlainText().startsWith("send (ATDT555^M)\n"));
        QVERIFY(!dialog.connection_log->toPlainText().contains("s3cret"));
    }

    // Unapplied changes: Apply and connect saves them first; the saved settings leave the file; Cancel dials nothing.
    void applyFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<bool>("dialled");
        QTest::newRow("apply and connect") << int(QMessageBox::Yes) << "556" << "556" << true;
        QTest::newRow("apply refused") << int(QMessageBox::Yes) << "55\t6" << "555" << false;
        QTest::newRow("saved settings") << int(QMessageBox::No) << "556" << "555" << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << "556" << "555" << false;
    }
    void applyFirst()
    {
        QFETCH(int, answer);
        QFETCH(QString, typed);
        QFETCH(QString, phone);
        QFETCH(bool, dialled);
        Bench bench("@exit 8");
        PPPConfig dialog(nullptr, nullptr, bench.layout);
        dialog.phone->setText(typed);
        BoxCatcher catcher(answer);
        dialog.connect_button->click();
        QTRY_VERIFY(!catcher.boxes.isEmpty());
        QCOMPARE(catcher.boxes.first(), QString("Connect: The form holds changes that are not applied yet."));
        QTRY_VERIFY(dialog.findChild<Connection *>()->reason().code != ConnectionReason::NoReason || !dialled);
        if (!dialled)
            QTest::qWait(300);   // time enough to dial, were it going to
        QCOMPARE(dialog.connection_status->text().startsWith("Disconnected: The dialogue"), dialled);
        QVERIFY(fileContent(bench.scratch.accountFile(bench.account)).contains("phone = " + phone.toUtf8()));
    }

    // A window opened while pppd runs follows it (closing the first left it up); a never-applied account is not dialled.
    void secondWindowAttaches()
    {
        Bench bench(up);
        auto *first = new PPPConfig(nullptr, nullptr, bench.layout);
        first->connect_button->click();
        auto *connection = first->findChild<Connection *>();
        QTRY_COMPARE(connection->state(), PppdOutput::Connected);
        const auto stop = qScopeGuard([pid = connection->pid()] { ::kill(pid_t(pid), SIGKILL); });
        delete first;
        PPPConfig second(nullptr, nullptr, bench.layout);
        QVERIFY2(second.connection_status->text().startsWith("Connected: 10.0.0.2 to 10.0.0.1"),
                 qPrintable(second.connection_status->text()));
        QCOMPARE(second.connect_button->text(), QString("Disconnect"));
        qputenv("LANG", "de_DE.UTF-8");   // a language change while connected words the row anew
        installTranslations(*qApp);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QVERIFY(second.connection_status->text().startsWith("Verbunden: 10.0.0.2 mit 10.0.0.1") && second.connect_button->text() == "Trennen");
        qDeleteAll(qApp->findChildren<QTranslator *>());
        second.connect_button->click();
        QTRY_COMPARE(second.connection_status->text(), QString("Disconnected: The connection was ended on request."));

        second.acname->setEditText("Never");
        emit second.acname->textActivated("Never");
        second.connect_button->click();
        QCOMPARE(second.connection_status->text(),
                 QString("Disconnected: The account \"Never\" has no peer file: press Apply to write it, then Connect."));
    }
};

QTEST_MAIN(TestConnectionPanel)
#include "tst_connectionpanel.moc"
