#include "account/pppconfig.h"
#include "config/config.h"
#include "support/recordingrunner.h"
#include "support/scratchfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Button = QMessageBox::StandardButton;

// Notes whether the dialog shows that it waits while a command runs.
struct WatchedRunner : RecordingRunner {
    int run(const QStringList &commandLine) override
    {
        waitShown = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        return RecordingRunner::run(commandLine);
    }
    bool waitShown = false;
};

class TestApplyFlow : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    WatchedRunner runner;
    QStringList boxTexts;
    QTimer boxAnswerer;

    QString path(const QString &rest) const { return dir->path() + rest; }
    SystemLayout layout() const { return SystemLayout::rootedAt(path("/root")); }
    QString settings(const QString &name) const { return path("/Choices/common/Network-PPP-" + name + ".conf"); }
    void writeAccount(const QString &name, const QByteArray &properties = "phone = 555\n")
    {
        QVERIFY(putFile(settings(name), "[Info]\nname = " + name.toUtf8() + "\n[Properties]\n" + properties));
    }
    // The form as an account settings file would keep it, without the name.
    QByteArray shownValues(PPPConfig &dialog)
    {
        { Config store(path("/shown.conf"), ExactPath); dialog.storeAccount(store); }
        const QByteArray all = fileContent(path("/shown.conf"));
        return all.mid(all.indexOf("[Properties]"));
    }
    // Every message box gets answered with answer, or its only button.
    void answerBoxes(Button answer)
    {
        boxAnswerer.callOnTimeout(this, [this, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxTexts << box->text();
                (box->button(answer) ? box->button(answer) : box->buttons().first())->click();
            }
        });
        boxAnswerer.start(10);
    }

private slots:
    void init()
    {
        dir.reset(new QTemporaryDir);
        boxTexts.clear();
        boxAnswerer.disconnect();
        runner = WatchedRunner();
        qputenv("HOME", dir->path().toUtf8());
        QVERIFY(QDir().mkpath(path("/Choices/common")) && QDir().mkpath(path("/root/etc/ppp/peers"))
                && QDir().mkpath(path("/root/etc/bluetooth")));
    }

    void peerFileOfNoAccountIsKept_data()
    {
        QTest::addColumn<bool>("isAccount");
        QTest::addColumn<bool>("apply"); // or delete
        QTest::addColumn<Button>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("delete a typed name") << false << false << Button::Ok << false;
        QTest::newRow("apply, answered No") << false << true << Button::No << false;
        QTest::newRow("apply, answered Yes") << false << true << Button::Yes << true;
        QTest::newRow("apply to an account, not asked") << true << true << Button::No << true;
    }
    void peerFileOfNoAccountIsKept()
    {
        QFETCH(bool, isAccount); QFETCH(bool, apply); QFETCH(Button, answer); QFETCH(bool, replaced);
        if (isAccount)
            writeAccount("provider");
        QVERIFY(putFile(layout().peerFile("provider"), "hand-written\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.addAccountName("provider");
        answerBoxes(answer);
        (apply ? dialog.apply_button : dialog.del_account_button)->click();
        QCOMPARE(fileContent(layout().peerFile("provider")) != "hand-written\n", replaced);
        QCOMPARE(boxTexts.size(), int(apply && !isAccount) + int(apply && !replaced));
        QCOMPARE(QFile::exists(settings("provider")), replaced);
    }

    void deleteShowsTheAccountNowCurrent_data()
    {
        QTest::addColumn<QString>("left"); // the other account, if any
        QTest::newRow("another account left") << "Home";
        QTest::newRow("none left") << "";
    }
    void deleteShowsTheAccountNowCurrent()
    {
        QFETCH(QString, left);
        if (!left.isEmpty())
            writeAccount(left, "username = ay\nphone = 1\n");
        PPPConfig expected(nullptr, nullptr, layout(), &runner);
        Config empty(path("/empty.conf"), ExactPath);
        if (left.isEmpty())
            expected.loadAccount(empty);
        writeAccount("Office", "username = bee\nphone = 2\nBluetooth = 1\ndevice = /dev/rfcomm0\natdial = ATX\n"
                     "speed = 9600\ncrtscts = 1\nconnectdelay = 5000\nBTDUN = 00:11:22:33:44:55,1\n"
                     "dialmode = 2\nidletime = 30\ndefaultroute = 1\ngateway = 10.0.0.1\nusepeerdns = 1\n"
                     "dns1 = 10.0.0.2\ndns2 = 10.0.0.3\n");
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.btPin->setText("1234");
        dialog.del_account_button->click();
        QCOMPARE(dialog.acname->currentText(), left);
        QCOMPARE(shownValues(dialog), shownValues(expected));
        QVERIFY(dialog.btPin->text().isEmpty());
    }

    void restartCommandThatFailsIsReported_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reported");
        QTest::newRow("exit status") << 1 << "pccardctl eject: failed with exit status 1";
        QTest::newRow("missing") << int(CommandRunner::NotStarted) << "pccardctl insert: could not be started";
        QTest::newRow("crashed") << int(CommandRunner::Crashed) << "pccardctl eject: crashed";
        QTest::newRow("stopped") << int(CommandRunner::Stopped) << "restart: did not finish in time";
    }
    void restartCommandThatFailsIsReported()
    {
        QFETCH(int, status); QFETCH(QString, reported);
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.addAccountName("Phone");
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,1");
        runner.exitStatus = status;
        answerBoxes(Button::Ok);
        dialog.apply_button->click();
        QCOMPARE(runner.commands.size(), 3);
        QVERIFY(runner.waitShown && dialog.TabWidget2->isEnabled());
        QCOMPARE(boxTexts.size(), 1);
        QVERIFY2(boxTexts[0].contains(reported), qPrintable(boxTexts[0]));
    }

    void processRunnerEndsEveryCommand_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("status");
        QTest::newRow("hangs") << QStringList { "sleep", "5" } << int(CommandRunner::Stopped);
        QTest::newRow("missing") << QStringList { "/nonexistent/pccardctl" } << int(CommandRunner::NotStarted);
        QTest::newRow("exit status") << QStringList { "sh", "-c", "exit 3" } << 3;
        QTest::newRow("crashes") << QStringList { "sh", "-c", "kill -SEGV $$" } << int(CommandRunner::Crashed);
    }
    void processRunnerEndsEveryCommand()
    {
        QFETCH(QStringList, command); QFETCH(int, status);
        QTimer tick;
        tick.setSingleShot(true);
        tick.start(100);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ProcessRunner(500).run(command), status);
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(!tick.isActive() || status != CommandRunner::Stopped); // the window could repaint
    }
};

QTEST_MAIN(TestApplyFlow)
#include "tst_applyflow.moc"
