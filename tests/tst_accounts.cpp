#include "account/pppconfig.h"
#include "config/config.h"
#include "support/recordingrunner.h"
#include "support/scratchfiles.h"

#include "form/radiogroupbox.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>

#include <memory>

using Entries = QList<QPair<QString, QString>>;

class TestAccounts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> scratch;
    RecordingRunner runner;

    QString home() const { return scratch->path() + "/home"; }
    QString accountDir() const { return home() + "/Choices/common/"; }
    QString root() const { return scratch->path() + "/root"; }
    SystemLayout layout() const { return SystemLayout::rootedAt(root()); }

    // Writes Network-PPP-<file>.conf with the stored name and the Properties
    // entries given.
    void writeAccount(const QString &file, const QString &storedName, const Entries &properties = {})
    {
        QFile out(accountDir() + "Network-PPP-" + file + ".conf");
        QVERIFY(out.open(QIODevice::WriteOnly));
        QByteArray text = "[Info]\nname = " + storedName.toUtf8() + "\n[Properties]\n";
        for (const auto &entry : properties)
            text += entry.first.toUtf8() + " = " + entry.second.toUtf8() + "\n";
        out.write(text);
    }

    QStringList accountList(const PPPConfig &dialog)
    {
        QStringList names;
        for (int i = 0; i < dialog.acname->count(); ++i)
            names << dialog.acname->itemText(i);
        return names;
    }

    // Picks an entry of the account box as the user's choice from its list.
    void choose(PPPConfig &dialog, const QString &name)
    {
        const int index = dialog.acname->findText(name);
        QVERIFY(index >= 0);
        dialog.acname->setCurrentIndex(index);
        emit dialog.acname->activated(index);
        emit dialog.acname->textActivated(name);
    }

    void showAndWait(PPPConfig &dialog)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }

    void clickDelete(PPPConfig &dialog)
    {
        showAndWait(dialog);
        dialog.TabWidget2->setCurrentIndex(0);
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
    }

    void typeName(PPPConfig &dialog, const QString &name)
    {
        showAndWait(dialog);
        dialog.activateWindow();
        dialog.acname->setFocus();
        dialog.acname->lineEdit()->selectAll();
        QTest::keyClicks(dialog.acname->lineEdit(), name);
        QTest::keyClick(dialog.acname->lineEdit(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        scratch.reset(new QTemporaryDir);
        QVERIFY(scratch->isValid());
        QVERIFY(QDir().mkpath(accountDir()));
        QVERIFY(QDir().mkpath(root() + "/etc/ppp/peers"));
        qputenv("HOME", home().toUtf8());
        qunsetenv("LANG");
        runner.commands.clear();
    }

    // Sorted by file name ignoring case, a stored name listed once at its later
    // place, "Network-PPP-.conf" skipped; the last one is loaded.
    void listsAccountsAndLoadsTheLast()
    {
        writeAccount("b", "b", { { "username", "bee" } });
        writeAccount("A", "A", { { "username", "ay" } });
        writeAccount("a2", "Same");
        writeAccount("B2", "Other");
        writeAccount("c", "Same");
        writeAccount("d", "d", { { "username", "dee" } });
        writeAccount("", "Ghost");

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(accountList(dialog), QStringList({ "A", "b", "Other", "Same", "d" }));
        QCOMPARE(dialog.acname->currentText(), QString("d"));
        QCOMPARE(dialog.username->text(), QString("dee"));
    }

    void withoutAccountsNothingIsWrittenAndSearchIsOff()
    {
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(dialog.acname->count(), 0);
        QVERIFY(!dialog.deviceList->isEnabled());
        QVERIFY(!dialog.searchDevice->isEnabled());
        QVERIFY(QDir(accountDir()).entryList(QDir::Files).isEmpty());
    }

    void sparseFileLoadsDefaultsAndGainsItsMissingGroup()
    {
        QVERIFY(putFile(accountDir() + "Network-PPP-Office.conf", "[Info]\nname = Office\n"));

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(dialog.acname->currentText(), QString("Office"));
        QVERIFY(dialog.username->text().isEmpty());
        QCOMPARE(dialog.ButtonGroup3->checkedId(), -1);
        QCOMPARE(dialog.btdevice->text(), QString("/dev/ttyS0"));
        QCOMPARE(dialog.atdial->text(), QString("ATZ"));
        QCOMPARE(dialog.speed->currentText(), QString("115200"));
        QCOMPARE(dialog.speed->count(), 9);
        QVERIFY(!dialog.crtscts->isChecked());
        QCOMPARE(dialog.connectdelay->value(), 1);
        QCOMPARE(dialog.deviceList->currentIndex(), -1);
        QVERIFY(dialog.dial_manual->isChecked());
        QCOMPARE(dialog.idletime->value(), 120);
        QVERIFY(!dialog.defaultroute->isChecked());
        QVERIFY(dialog.gatewaybox->isEnabled());
        QVERIFY(!dialog.usepeerdns->isChecked());
        QVERIFY(!dialog.deviceList->isEnabled());
        QCOMPARE(fileContent(accountDir() + "Network-PPP-Office.conf"),
                 QByteArray("[Info]\nname = Office\n[Properties]\n"));
    }

    void connectDelayIsWholeSecondsWithinTheSliderRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("truncated") << "2999" << 2;
        QTest::newRow("missing") << "" << 1;
        QTest::newRow("too long") << "999999" << 180;
        QTest::newRow("negative") << "-5000" << 1;
    }

    void connectDelayIsWholeSecondsWithinTheSliderRange()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        writeAccount("Office", "Office", { { "connectdelay", stored } });

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(dialog.connectdelay->value(), shown);
        Config store(accountDir() + "Network-PPP-Office.conf", ExactPath);
        dialog.storeAccount(store);
        QCOMPARE(store.numberValue("connectdelay", -1), shown * 1000);
    }

    void switchingAccountsLeavesNoValueBehind()
    {
        writeAccount("Blue", "Blue", { { "Bluetooth", "1" }, { "BTDUN", "00:11:22:33:44:55,1" },
                                       { "speed", "57600" }, { "defaultroute", "1" },
                                       { "gateway", "10.0.0.1" }, { "usepeerdns", "1" },
                                       { "dns1", "10.0.0.2" } });
        writeAccount("Plain", "Plain", { { "speed", "921600" } });

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(dialog.acname->currentText(), QString("Plain"));
        for (int round = 0; round < 3; ++round) {
            choose(dialog, "Blue");
            QCOMPARE(accountList(dialog), QStringList({ "Plain", "Blue" }));   // chosen goes last
            QCOMPARE(dialog.deviceList->currentText(), QString("00:11:22:33:44:55,1"));
            QCOMPARE(dialog.speed->currentText(), QString("57600"));
            QVERIFY(dialog.bluetooth_button->isChecked());
            QCOMPARE(dialog.gateway->text(), QString("10.0.0.1"));
            QCOMPARE(dialog.dns1->text(), QString("10.0.0.2"));
            QVERIFY(!dialog.gatewaybox->isEnabled());
            QVERIFY(dialog.searchDevice->isEnabled());

            choose(dialog, "Plain");
            QCOMPARE(dialog.deviceList->currentText(), QString());
            QCOMPARE(dialog.speed->currentText(), QString("921600"));
            QCOMPARE(dialog.ButtonGroup3->checkedId(), -1);
            QVERIFY(dialog.gateway->text().isEmpty());
            QVERIFY(dialog.dns1->text().isEmpty());
            QVERIFY(dialog.gatewaybox->isEnabled());
            QVERIFY(!dialog.searchDevice->isEnabled());
        }
        QCOMPARE(dialog.deviceList->count(), 1);
        QCOMPARE(dialog.speed->count(), 9);
    }

    void severalPathFlagsLeaveOnlyTheStrongestChecked()
    {
        writeAccount("Both", "Both", { { "Serial", "1" }, { "Bluetooth", "1" } });
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QVERIFY(dialog.bluetooth_button->isChecked());
        QVERIFY(!dialog.serial_button->isChecked());
        QVERIFY(dialog.deviceList->isEnabled());
    }

    void unknownDialModeKeepsTheButtons()
    {
        writeAccount("Odd", "Odd", { { "dialmode", "7" } });
        writeAccount("Idle", "Idle", { { "dialmode", "1" } });
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(dialog.dialmode->checkedId(), -1);
        choose(dialog, "Idle");
        QVERIFY(dialog.dial_idle->isChecked());
        choose(dialog, "Odd");
        QVERIFY(dialog.dial_idle->isChecked());
    }

    void typedNameWithReturnAddsItAndChangesNothingElse()
    {
        writeAccount("Office", "Office", { { "username", "guest" }, { "phone", "555" } });
        QVERIFY(putFile(root() + "/etc/ppp/peers/Office", "peer\n"));

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QSignalSpy applied(dialog.apply_button, &QPushButton::released);
        QSignalSpy deleted(dialog.del_account_button, &QPushButton::released);
        typeName(dialog, "Off");

        QCOMPARE(accountList(dialog), QStringList({ "Office", "Off" }));
        QCOMPARE(dialog.acname->currentText(), QString("Off"));
        QCOMPARE(dialog.username->text(), QString("guest"));
        QCOMPARE(dialog.phone->text(), QString("555"));
        QCOMPARE(applied.count() + deleted.count(), 0);
        QVERIFY(QFile::exists(accountDir() + "Network-PPP-Office.conf"));
        QVERIFY(QFile::exists(root() + "/etc/ppp/peers/Office"));
        QVERIFY(!QFile::exists(accountDir() + "Network-PPP-Off.conf"));
    }

    void deletingRemovesBothFilesAndTheEntry()
    {
        writeAccount("Home", "Home");
        writeAccount("Office", "Office", { { "username", "guest" } });
        QVERIFY(putFile(root() + "/etc/ppp/peers/Office", "peer\n"));

        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        clickDelete(dialog);
        QVERIFY(!QFile::exists(accountDir() + "Network-PPP-Office.conf"));
        QVERIFY(!QFile::exists(root() + "/etc/ppp/peers/Office"));
        QVERIFY(QFile::exists(accountDir() + "Network-PPP-Home.conf"));
        QCOMPARE(accountList(dialog), QStringList({ "Home" }));
        QCOMPARE(dialog.username->text(), QString()); // Home's, not the deleted one's
    }

    void unsafeNamesNeverBecomePaths()
    {
        // Deleting: only the list entry goes, whatever the name points at.
        QVERIFY(putFile(root() + "/etc/passwd", "root:x:0:0\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.addAccountName("../../passwd");
        clickDelete(dialog);
        QCOMPARE(dialog.acname->count(), 0);
        QCOMPARE(fileContent(root() + "/etc/passwd"), QByteArray("root:x:0:0\n"));

        // Choosing: no file outside the account folder is read.
        QVERIFY(QDir().mkpath(accountDir() + "Network-PPP-x"));
        QVERIFY(putFile(home() + "/Choices/y.conf", "[Info]\nname = Evil\n[Properties]\nusername = evil\n"));
        dialog.username->setText("mine");
        emit dialog.acname->textActivated("x/../../y");
        QCOMPARE(dialog.username->text(), QString("mine"));
        QCOMPARE(accountList(dialog), QStringList({ "x/../../y" }));
        QCOMPARE(fileContent(home() + "/Choices/y.conf"),
                 QByteArray("[Info]\nname = Evil\n[Properties]\nusername = evil\n"));
    }

    void unsafeStoredNameIsListedButNotLoaded()
    {
        // The stored name of the last file would lead the store out of the
        // account folder, where it would write the account's groups.
        QVERIFY(QDir().mkpath(accountDir() + "Network-PPP-x"));
        writeAccount("a", "x/../../z", { { "username", "evil" } });
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(accountList(dialog), QStringList({ "x/../../z" }));
        QVERIFY(dialog.username->text().isEmpty());
        QVERIFY(!QFileInfo::exists(home() + "/Choices/z.conf"));
    }

    void pathButtonsSetTheDeviceAndTheSearch()
    {
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.bluetooth_button->click();
        QCOMPARE(dialog.btdevice->text(), QString("/dev/rfcomm0"));
        QVERIFY(dialog.deviceList->isEnabled());
        QVERIFY(dialog.searchDevice->isEnabled());
        dialog.irda_button->click();
        QCOMPARE(dialog.btdevice->text(), QString("/dev/ircomm0"));
        QVERIFY(!dialog.searchDevice->isEnabled());
        dialog.serial_button->click();
        QCOMPARE(dialog.btdevice->text(), QString("/dev/ttyS0"));
        QVERIFY(!dialog.deviceList->isEnabled());
    }

    void storingWritesEveryKeyInItsForm()
    {
        writeAccount("Office", "Office", { { "username", "guest" }, { "crtscts", "1" },
                                           { "dialmode", "2" }, { "connectdelay", "5000" } });
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        dialog.defaultroute->setChecked(true);
        dialog.gateway->setText("kept");
        const QString copy = scratch->path() + "/copy.conf";
        {
            Config store(copy, ExactPath);
            dialog.storeAccount(store);
        }
        QCOMPARE(fileContent(copy),
                 QByteArray("[Info]\nname = Office\n[Properties]\n"
                            "BTDUN = \nBluetooth = 0\nIrDA = 0\nSerial = 0\natdial = ATZ\n"
                            "connectdelay = 5000\ncrtscts = 1\ndefaultroute = 1\n"
                            "device = /dev/ttyS0\ndialmode = 2\ndns1 = \ndns2 = \n"
                            "gateway = kept\nidletime = 120\npassword = \nphone = \n"
                            "speed = 115200\nusepeerdns = 0\nusername = guest\n"));
    }

    void languageQualifiedNameWinsOnLoad()
    {
        qputenv("LANG", "de_DE.UTF-8");
        QVERIFY(putFile(accountDir() + "Network-PPP-Buero.conf", "[Info]\nname = Office\nname[de] = Buero\n"));
        PPPConfig dialog(nullptr, nullptr, layout(), &runner);
        QCOMPARE(accountList(dialog), QStringList({ "Buero" }));
        Config store(accountDir() + "Network-PPP-Buero.conf", ExactPath);
        dialog.storeAccount(store);
        store.selectGroup("Info");
        QCOMPARE(store.rawValue("name", QString()), QString("Buero"));
    }

};

QTEST_MAIN(TestAccounts)
#include "tst_accounts.moc"
