#include "account/pppconfig.h"
#include "config/config.h"
#include "support/recordingrunner.h"
#include "support/scratchfiles.h"

#include <QtTest>
#include <QtWidgets>

class TestApplyFlow : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    RecordingRunner runner;
    QTimer watch;
    QMessageBox::StandardButton answer; // to every message box, or its only button
    QStringList boxTexts;
    bool waitShown;

    QString path(const QString &rest) const { return dir->path() + rest; }
    SystemLayout layout() const { return SystemLayout::rootedAt(path("/root")); }
    QString settings(const QString &n) const { return path("/Choices/common/Network-PPP-" + n + ".conf"); }
    QByteArray shownValues(PPPConfig &dialog) // the form as a settings file keeps it, but the name
    {
        { Config store(path("/shown.conf"), ExactPath); dialog.storeAccount(store); }
        return fileContent(path("/shown.conf")).split('[').last();
    }

private slots:
    void initTestCase() // answers boxes; a wait seen shown means events ran: windows could paint
    {
        watch.callOnTimeout(this, [this] {
            waitShown |= bool(qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()));
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxTexts << box->text();
                (box->button(answer) ? box->button(answer) : box->buttons().first())->click();
            }
        });
        watch.start(10);
    }
    void init()
    {
        dir.reset(new QTemporaryDir), answer = QMessageBox::Ok, boxTexts.clear(), waitShown = false;
        qputenv("HOME", dir->path().toUtf8());
        QVERIFY(QDir().mkpath(path("/Choices/common")) && QDir().mkpath(path("/root/etc/ppp/peers"))
                && QDir().mkpath(path("/root/etc/bluetooth")));
    }

    void peerFileOfNoAccountIsKept_data()
    {
        QTest::addColumn<bool>("apply"); // or delete
        QTest::addColumn<QMessageBox::StandardButton>("reply");
        QTest::newRow("delete a typed name") << false << QMessageBox::Ok;
        QTest::newRow("apply, answered No") << true << QMessageBox::No;
        QTest::newRow("apply, answered Yes") << true << QMessageBox::Yes;
    }
    void peerFileOfNoAccountIsKept()
    {
        QFETCH(bool, apply); QFETCH(QMessageBox::StandardButton, reply); answer = reply;
        const bool replaced = reply == QMessageBox::Yes;
        QVERIFY(putFile(layout().peerFile("provider"), "hand-written\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.addAccountName("provider");
        (apply ? dialog.apply_button : dialog.del_account_button)->click();
        QCOMPARE(fileContent(layout().peerFile("provider")) != "hand-written\n", replaced);
        QCOMPARE(boxTexts.size(), int(apply) + int(apply && !replaced)); // the question, "kept"
        QCOMPARE(QFile::exists(settings("provider")), replaced); // No saves nothing
    }

    void deleteShowsTheAccountNowCurrentOrDefaults()
    {
        QVERIFY(putFile(settings("Home"), "[Info]\nname = Home\n[Properties]\nusername = u\npassword = w\n"
                "phone = p\nBluetooth = 1\ndevice = d\natdial = A\ncrtscts = 1\nconnectdelay = 5000\n"
                "dialmode = 2\nBTDUN = b\nidletime = 30\ndefaultroute = 1\ngateway = g\nusepeerdns = 1\n"
                "dns1 = 1\ndns2 = 2\n"));
        PPPConfig expected(nullptr, nullptr, layout(), &runner); // Home, which stores no speed
        QVERIFY(putFile(settings("Office"), "[Info]\nname = Office\n[Properties]\nspeed = 9600\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.del_account_button->click();
        QCOMPARE(dialog.acname->currentText(), QString("Home"));
        QCOMPARE(shownValues(dialog), shownValues(expected));

        Config empty(path("/empty.conf"), ExactPath); // an account without settings
        expected.loadAccount(empty);
        dialog.del_account_button->click(); // Home, the last one
        QVERIFY(dialog.acname->count() == 0 && shownValues(dialog) == shownValues(expected));
    }

    void restartCommandsEndAndAreReported_data()
    {
        QTest::addColumn<QList<QStringList>>("commands"); // eject, restart, insert
        QTest::addColumn<QString>("reported");
        QTest::newRow("fails, hangs, missing")
            << QList<QStringList> { { "sh", "-c", "exit 3" }, { "sleep", "5" }, { "/nonexistent/pccardctl" } }
            << "sh -c exit 3: failed with exit status 3\nsleep 5: did not finish in time and was stopped\n"
               "/nonexistent/pccardctl: could not be started";
        QTest::newRow("crashes, waits") // the wait long enough to be seen
            << QList<QStringList> { { "sh", "-c", "kill -SEGV $$" }, { "sleep", ".2" }, { "true" } }
            << "sh -c kill -SEGV $$: crashed";
    }
    void restartCommandsEndAndAreReported()
    {
        QFETCH(QList<QStringList>, commands); QFETCH(QString, reported);
        SystemLayout system = layout();
        system.pccardEject = commands[0], system.bluetoothRestart = commands[1];
        system.pccardInsert = commands[2];
        ProcessRunner processes(500);
        PPPConfig dialog(nullptr, nullptr, system, &processes);
        dialog.addAccountName("Phone");
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,1");
        const QDeadlineTimer deadline(3000);
        dialog.apply_button->click();
        QVERIFY(!deadline.hasExpired() && waitShown && dialog.TabWidget2->isEnabled());
        QVERIFY2(boxTexts.size() == 1 && boxTexts[0].endsWith(reported), qPrintable(boxTexts.join('|')));
    }
};

QTEST_MAIN(TestApplyFlow)
#include "tst_applyflow.moc"
