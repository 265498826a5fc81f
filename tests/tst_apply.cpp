#include "account/pppconfig.h"
#include "form/radiogroupbox.h"
#include "support/recordingrunner.h"
#include "support/scratchfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// Closes every message box that comes up while it lives and keeps its text.
class BoxCatcher : public QObject
{
public:
    BoxCatcher()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer.start(10);
    }
    QStringList texts;

private:
    QTimer timer;
};

class TestApply : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> scratch;
    RecordingRunner runner;

    QString home() const { return scratch->path() + "/home"; }
    QString accountFile(const QString &name) const
    {
        return home() + "/Choices/common/Network-PPP-" + name + ".conf";
    }
    QString root() const { return scratch->path() + "/root"; }
    SystemLayout layout() const { return SystemLayout::rootedAt(root()); }

    // The example account of the documentation: every value set through
    // the widgets.
    void fillOffice(PPPConfig &dialog)
    {
        dialog.acname->setEditText("Office");
        emit dialog.acname->textActivated("Office");
        dialog.username->setText("guest");
        dialog.password->setText("secret");
        dialog.phone->setText("555");
        dialog.serial_button->click();
        dialog.atdial->setText("ATZ");
        dialog.speed->setCurrentText("115200");
        dialog.crtscts->setChecked(true);
        dialog.connectdelay->setValue(1);
        dialog.dial_idle->click();
        dialog.idletime->setValue(300);
        dialog.usepeerdns->setChecked(true);
        dialog.defaultroute->setChecked(false);
    }

    void apply(PPPConfig &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.apply_button, Qt::LeftButton);
    }

private slots:
    void init()
    {
        scratch.reset(new QTemporaryDir);
        QVERIFY(scratch->isValid());
        QVERIFY(QDir().mkpath(home()));
        QVERIFY(QDir().mkpath(root() + "/etc/ppp"));
        QVERIFY(QDir().mkpath(root() + "/etc/bluetooth"));
        qputenv("HOME", home().toUtf8());
        qunsetenv("LANG");
        runner.commands.clear();
    }

    void applyWritesTheAccountAndItsSystemFiles()
    {
        QVERIFY(putFile(root() + "/etc/ppp/pap-secrets", "# secrets\nother Home \"x\"\nguest Office \"old\"\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.addAccountName("Office");
        dialog.addAccountName("Home");
        fillOffice(dialog);
        dialog.addAccountName("Home");
        dialog.acname->setCurrentIndex(0);
        QCOMPARE(dialog.acname->currentText(), QString("Office"));

        BoxCatcher boxes;
        apply(dialog);
        QVERIFY(boxes.texts.isEmpty());

        QCOMPARE(fileContent(root() + "/etc/ppp/peers/Office"),
                 QByteArray("/dev/ttyS0\n115200\n"
                            "connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" ABORT \"NO DIALTONE\" "
                            "ABORT \"BUSY\" \"\" \"ATZ\" OK ATDT555 CONNECT'\n"
                            "crtscts\nnoipdefault\nmodem\nuser \"guest\"\nidle 300\nusepeerdns\n"
                            "connect-delay 1000\nremotename Office\n"));
        QCOMPARE(fileContent(root() + "/etc/ppp/pap-secrets"),
                 QByteArray("# secrets\nother Home \"x\"\nguest Office \"secret\"\n"));
        QCOMPARE(fileContent(root() + "/etc/ppp/chap-secrets"), QByteArray("guest Office \"secret\"\n"));
        const QByteArray settings = fileContent(accountFile("Office"));
        QVERIFY(settings.startsWith("[Info]\nname = Office\n[Properties]\n"));
        QVERIFY(settings.contains("\npassword = secret\n"));
        QVERIFY(settings.contains("\ndialmode = 1\n"));
        QVERIFY(settings.contains("\nSerial = 1\n"));
        QCOMPARE(dialog.acname->itemText(dialog.acname->count() - 1), QString("Office"));
        QCOMPARE(dialog.acname->currentText(), QString("Office"));
        QVERIFY(runner.commands.isEmpty());
    }

    void bluetoothApplyBindsAndRestartsTheService()
    {
        QVERIFY(putFile(root() + "/etc/bluetooth/pin", "1234\n"));
        QVERIFY(putFile(root() + "/etc/bluetooth/link_key", "key\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        fillOffice(dialog);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,12");

        BoxCatcher boxes;
        apply(dialog);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(fileContent(root() + "/etc/bluetooth/rfcomm.conf"),
                 QByteArray("rfcomm0 {\n    bind yes;\n    device 00:11:22:33:44:55;\n"
                            "    channel 12;\n"
                            "    comment \"Generated by BT dial-up network applet.\";\n}\n"));
        QVERIFY(!QFile::exists(root() + "/etc/bluetooth/pin"));
        QVERIFY(!QFile::exists(root() + "/etc/bluetooth/link_key"));
        QCOMPARE(runner.commands, QList<QStringList>({ { "pccardctl", "eject" },
                                                       { "/etc/rc.d/init.d/bluetooth", "restart" },
                                                       { "pccardctl", "insert" } }));
        QVERIFY(fileContent(accountFile("Office")).contains("\nBTDUN = 00:11:22:33:44:55,12\n"));
        QVERIFY(fileContent(root() + "/etc/ppp/peers/Office").startsWith("/dev/rfcomm0\n"));
    }

    void unwritablePeersFolderIsReportedAndTheAccountStillSaved()
    {
        // A file where the peers folder should be: nothing can be made in it.
        QVERIFY(putFile(root() + "/etc/ppp/peers", ""));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        fillOffice(dialog);

        BoxCatcher boxes;
        apply(dialog);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(root() + "/etc/ppp/peers"), qPrintable(boxes.texts[0]));
        QVERIFY(!QFile::exists(root() + "/etc/ppp/pap-secrets"));
        QVERIFY(fileContent(accountFile("Office")).contains("\nusername = guest\n"));
    }

    // Input that would break a system file is refused with one warning box;
    // the Bluetooth binding is never replaced by a broken one.
    void refusedInput_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("dun");
        QTest::addColumn<bool>("settingsSaved");
        QTest::addColumn<bool>("peerWritten");
        const QString dun = "00:11:22:33:44:55,1";
        QTest::newRow("line feed in the number") << "Office" << "555\nlock" << dun << false << false;
        QTest::newRow("name leaves the folder") << "../evil" << "555" << dun << false << false;
        QTest::newRow("broken DUN entry") << "Office" << "555" << "00:11:22:33:44,1" << true << true;
    }
    void refusedInput()
    {
        QFETCH(QString, account);
        QFETCH(QString, phone);
        QFETCH(QString, dun);
        QFETCH(bool, settingsSaved);
        QFETCH(bool, peerWritten);
        QVERIFY(putFile(root() + "/etc/bluetooth/rfcomm.conf", "old binding\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        fillOffice(dialog);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem(dun);
        dialog.addAccountName(account);
        dialog.phone->setText(phone);

        BoxCatcher boxes;
        apply(dialog);
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(fileContent(root() + "/etc/bluetooth/rfcomm.conf"), QByteArray("old binding\n"));
        QVERIFY(runner.commands.isEmpty());
        QCOMPARE(QFile::exists(root() + "/etc/ppp/peers/Office"), peerWritten);
        if (!peerWritten)
            QVERIFY(QDir(root() + "/etc/ppp").isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries));
        QVERIFY(!QFile::exists(root() + "/evil"));
        QCOMPARE(QFile::exists(accountFile(account)), settingsSaved);
        QCOMPARE(dialog.acname->currentText(), account);
    }

    void searchFillsTheListFromTheTool()
    {
        SystemLayout system = layout();
        system.sdptool = QStringLiteral(TESTDATA_DIR "/sdptool/fake-sdptool");
        PPPConfig dialog(nullptr, nullptr, system, &runner);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("stale");
        qputenv("FAKE_SDPTOOL_OUTPUT", TESTDATA_DIR "/sdptool/several-phones.txt");
        QTest::mouseClick(dialog.searchDevice, Qt::LeftButton);
        QVERIFY(dialog.deviceList->count() > 0);
        QCOMPARE(dialog.deviceList->currentIndex(), 0);
        QVERIFY(dialog.deviceList->findText("stale") < 0);
    }
};

QTEST_MAIN(TestApply)
#include "tst_apply.moc"
