#include "account/pppconfig.h"
#include "config/config.h"
#include "form/radiogroupbox.h"

#include "support/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

void writeAccount(const Scratch &scratch, const QString &file, const QString &name, const QByteArray &properties = {})
{
    putFile(scratch.accountFile(file), "[Info]\nname = " + name.toUtf8() + "\n[Properties]\n" + properties);
}

QStringList accountList(const PPPConfig &dialog)
{
    QStringList names;
    for (int i = 0; i < dialog.acname->count(); ++i)
        names << dialog.acname->itemText(i);
    return names;
}

// Every value the form shows, and whether the search is on.
QString formState(const PPPConfigBase &d)
{
    const auto on = [](bool b, const char *name) { return QString(b ? name : "-"); };
    return QStringList { d.username->text(), d.password->text(), d.phone->text(),
                         QString::number(d.ButtonGroup3->checkedId()), d.btdevice->text(), d.atdial->text(),
                         d.speed->currentText(), on(d.crtscts->isChecked(), "crtscts"),
                         QString::number(d.connectdelay->value()), d.deviceList->currentText(),
                         QString::number(d.dialmode->checkedId()), QString::number(d.idletime->value()),
                         on(d.defaultroute->isChecked(), "route"), d.gateway->text(),
                         on(d.usepeerdns->isChecked(), "dns"), d.dns1->text(), d.dns2->text(),
                         on(d.searchDevice->isEnabled(), "search") }
        .join('|');
}

// The user picks an entry of the account box from its list.
void choose(PPPConfig &dialog, const QString &name)
{
    dialog.acname->setCurrentIndex(dialog.acname->findText(name));
    emit dialog.acname->textActivated(name);
}

// The worked example of the documentation, typed into the form.
void fillOffice(PPPConfig &dialog)
{
    dialog.acname->setEditText("Office");
    emit dialog.acname->textActivated("Office");
    dialog.username->setText("guest");
    dialog.password->setText("secret");
    dialog.phone->setText("555");
    dialog.serial_button->click();
    dialog.atdial->setText("ATZ");
    dialog.crtscts->setChecked(true);
    dialog.connectdelay->setValue(1);
    dialog.dial_idle->click();
    dialog.idletime->setValue(300);
    dialog.usepeerdns->setChecked(true);
    dialog.defaultroute->setChecked(false);
}

void clickApply(PPPConfig &dialog)
{
    dialog.show();
    QTest::mouseClick(dialog.apply_button, Qt::LeftButton);
}

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT
    RecordingRunner runner;

private slots:
    void init() { runner.commands.clear(); }

    void bareForm()
    {
        Scratch scratch;
        PPPConfigBase f;
        QCOMPARE(formState(f), QString("|||-1|||115200|crtscts|6||-1|120|route||dns|||search"));
        QCOMPARE(f.speed->count(), 9);
        QCOMPARE(QList<int>({ f.connectdelay->minimum(), f.connectdelay->maximum(), f.idletime->minimum(),
                              f.idletime->maximum(), f.idletime->singleStep() }),
                 QList<int>({ 1, 180, 0, 3600, 30 }));
        QVERIFY(f.acname->isEditable() && !f.acname->duplicatesEnabled() && !f.deviceList->isEditable());
        QVERIFY(!f.gatewaybox->isEnabled() && !f.btPin->isEnabled() && !f.del_account_button->icon().isNull());
        f.defaultroute->click();
        QVERIFY(f.gatewaybox->isEnabled());
        QVERIFY(!f.windowTitle().isEmpty() && !f.ButtonGroup3->title().isEmpty() && !f.dialmode->title().isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!f.TabWidget2->tabText(i).isEmpty());
        for (QLabel *label : f.findChildren<QLabel *>())
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
        for (QAbstractButton *button : f.findChildren<QAbstractButton *>())
            QVERIFY2(!button->text().isEmpty() || button == f.del_account_button || !qobject_cast<QPushButton *>(button)
                         && !qobject_cast<QRadioButton *>(button) && !qobject_cast<QCheckBox *>(button),
                     qPrintable(button->objectName()));
        QCOMPARE(QList<QWidget *>({ f.username->nextInFocusChain(), f.password->nextInFocusChain() }),
                 QList<QWidget *>({ f.password, f.phone }));

        // After "none checked" the buttons are exclusive again.
        f.serial_button->click();
        QCOMPARE(f.ButtonGroup3->checkedId(), 0);
        f.ButtonGroup3->setCheckedId(-1);
        f.irda_button->click();
        f.bluetooth_button->click();
        QVERIFY(!f.irda_button->isChecked());

        for (const char *slot : { "delete_account()", "new_account(const QString&)", "Apply()" })
            QTest::ignoreMessage(QtWarningMsg, QByteArray("PPPConfigBase::") + slot + ": Not implemented yet");
        emit f.del_account_button->released();
        emit f.acname->textActivated("x");
        emit f.apply_button->released();
    }

    // No widget covers another or lies outside its page.
    void pagesAreLaidOut()
    {
        Scratch scratch;
        PPPConfigBase form;
        form.show();
        for (int page = 0; page < 3; ++page) {
            form.TabWidget2->setCurrentIndex(page);
            QWidget *tab = form.TabWidget2->currentWidget();
            QList<QRect> placed;
            for (QWidget *w : tab->findChildren<QWidget *>()) {
                const bool leaf = qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w)
                    || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w)
                    || qobject_cast<QAbstractSlider *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                    || w->metaObject() == &QFrame::staticMetaObject;
                if (!leaf || !w->isVisible() || qobject_cast<QComboBox *>(w->parentWidget())
                    || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                    continue;
                const QRect rect(w->mapTo(tab, QPoint()), w->size());
                QVERIFY2(tab->rect().contains(rect), qPrintable(w->objectName()));
                for (const QRect &other : placed)
                    QVERIFY2(!other.intersects(rect), qPrintable(w->objectName()));
                placed << rect;
            }
        }
    }

    // Sorted by file name ignoring case, a name listed once at its later
    // place, "Network-PPP-.conf" skipped, the last one loaded; a sparse file
    // shows defaults and gains its missing group.
    void listingAndLoading()
    {
        Scratch scratch;
        writeAccount(scratch, "b", "b");
        writeAccount(scratch, "A", "A");
        writeAccount(scratch, "a2", "Same");
        writeAccount(scratch, "B2", "Other");
        writeAccount(scratch, "c", "Same");
        writeAccount(scratch, "", "Ghost");
        QVERIFY(putFile(scratch.accountFile("zz"), "[Info]\nname = Office\nname[de] = zz\n"));
        qputenv("LANG", "de_DE.UTF-8");
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        qunsetenv("LANG");
        QCOMPARE(accountList(dialog), QStringList({ "A", "b", "Other", "Same", "zz" }));
        QCOMPARE(formState(dialog), QString("|||-1|/dev/ttyS0|ATZ|115200|-|1||0|120|-||-|||-"));
        QCOMPARE(fileContent(scratch.accountFile("zz")),
                 QByteArray("[Info]\nname = Office\nname[de] = zz\n[Properties]\n"));
    }

    // Each account shows its own values and nothing of the one before; the
    // strongest of several paths wins; an unknown dial mode keeps the buttons.
    void switchingAccounts()
    {
        Scratch scratch;
        writeAccount(scratch, "Blue", "Blue", "Bluetooth = 1\nSerial = 1\nBTDUN = 00:11:22:33:44:55,1\nspeed = 57600\n"
                     "defaultroute = 1\ngateway = 10.0.0.1\nusepeerdns = 1\ndns1 = 10.0.0.2\ndialmode = 1\n"
                     "device = /dev/rfcomm0\nusername = blue\nconnectdelay = 2999\n");
        writeAccount(scratch, "Plain", "Plain", "speed = 921600\ndialmode = 7\ncrtscts = 1\nconnectdelay = 999999\n");
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        const QString plain = "|||-1|/dev/ttyS0|ATZ|921600|crtscts|180||%1|120|-||-|||-";
        QCOMPARE(formState(dialog), plain.arg(-1));
        for (int round = 0; round < 2; ++round) {
            choose(dialog, "Blue");
            QCOMPARE(accountList(dialog), QStringList({ "Plain", "Blue" }));
            QCOMPARE(formState(dialog), QString("blue|||1|/dev/rfcomm0|ATZ|57600|-|2|00:11:22:33:44:55,1|1|120|route|"
                                                "10.0.0.1|dns|10.0.0.2||search"));
            QVERIFY(!dialog.gatewaybox->isEnabled());
            choose(dialog, "Plain");
            QCOMPARE(formState(dialog), plain.arg(1));
        }
        QCOMPARE(dialog.deviceList->count() + dialog.speed->count(), 1 + 9);
    }

    void pathButtonsSetTheDeviceAndTheSearch()
    {
        Scratch scratch;
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        for (QRadioButton *path : { dialog.bluetooth_button, dialog.irda_button, dialog.serial_button }) {
            path->click();
            QCOMPARE(dialog.btdevice->text() + (dialog.deviceList->isEnabled() ? " on" : " off")
                         + (dialog.searchDevice->isEnabled() ? " on" : " off"),
                     path == dialog.bluetooth_button ? "/dev/rfcomm0 on on"
                     : path == dialog.irda_button    ? "/dev/ircomm0 off off" : "/dev/ttyS0 off off");
        }
    }

    void applyWritesTheAccountAndItsSystemFiles()
    {
        Scratch scratch;
        QVERIFY(putFile(scratch.layout.papSecrets, "# secrets\nother Home \"x\"\nguest Office \"old\"\n"));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.addAccountName("Home");
        fillOffice(dialog);
        BoxCatcher catcher;
        clickApply(dialog);
        QCOMPARE(catcher.boxes, QStringList());
        QCOMPARE(fileContent(scratch.layout.peerFile("Office")),
                 QByteArray("/dev/ttyS0\n115200\n"
                            "connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" ABORT \"NO DIALTONE\" "
                            "ABORT \"BUSY\" \"\" \"ATZ\" OK ATDT555 CONNECT'\n"
                            "crtscts\nnoipdefault\nmodem\nuser \"guest\"\nidle 300\nusepeerdns\n"
                            "connect-delay 1000\nremotename Office\n"));
        QCOMPARE(fileContent(scratch.layout.papSecrets), QByteArray("# secrets\nother Home \"x\"\nguest Office \"secret\"\n"));
        QCOMPARE(fileContent(scratch.layout.chapSecrets), QByteArray("guest Office \"secret\"\n"));
        QCOMPARE(fileContent(scratch.accountFile("Office")),
                 QByteArray("[Info]\nname = Office\n[Properties]\nBTDUN = \nBluetooth = 0\nIrDA = 0\nSerial = 1\n"
                            "atdial = ATZ\nconnectdelay = 1000\ncrtscts = 1\ndefaultroute = 0\ndevice = /dev/ttyS0\n"
                            "dialmode = 1\ndns1 = \ndns2 = \ngateway = \nidletime = 300\npassword = secret\n"
                            "phone = 555\nspeed = 115200\nusepeerdns = 1\nusername = guest\n"));
        QCOMPARE(accountList(dialog), QStringList({ "Home", "Office" }));
        QVERIFY(runner.commands.isEmpty());
    }

    void bluetoothApplyBindsAndRestartsTheService()
    {
        Scratch scratch;
        QVERIFY(putFile(scratch.layout.linkKey, "key\n"));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        fillOffice(dialog);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,12");
        BoxCatcher catcher;
        clickApply(dialog);
        QCOMPARE(catcher.boxes, QStringList());
        QVERIFY(fileContent(scratch.layout.rfcommConf).contains("device 00:11:22:33:44:55;\n    channel 12;"));
        QVERIFY(!QFile::exists(scratch.layout.linkKey));
        QCOMPARE(runner.commands.size(), 3);
        QVERIFY(fileContent(scratch.accountFile("Office")).contains("\nBTDUN = 00:11:22:33:44:55,12\n"));
        QVERIFY(fileContent(scratch.layout.peerFile("Office")).startsWith("/dev/rfcomm0\n"));
    }

    // Input that would break a system file is refused in one box, the account
    // still saved where its name allows; a broken binding replaces nothing.
    void refusedInput_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("dun");
        QTest::addColumn<bool>("peerWritten");
        QTest::newRow("line feed in the number") << "Office" << "555\nlock" << "00:11:22:33:44:55,1" << false;
        QTest::newRow("name leaves the folder") << "../evil" << "555" << "00:11:22:33:44:55,1" << false;
        QTest::newRow("broken DUN entry") << "Office" << "555" << "00:11:22:33:44,1" << true;
    }
    void refusedInput()
    {
        QFETCH(QString, account);
        QFETCH(QString, phone);
        QFETCH(QString, dun);
        QFETCH(bool, peerWritten);
        Scratch scratch;
        QVERIFY(putFile(scratch.layout.rfcommConf, "old binding\n"));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        fillOffice(dialog);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem(dun);
        dialog.addAccountName(account);
        dialog.phone->setText(phone);
        BoxCatcher catcher;
        clickApply(dialog);
        QCOMPARE(catcher.boxes.size(), 1);
        QCOMPARE(fileContent(scratch.layout.rfcommConf), QByteArray("old binding\n"));
        QVERIFY(runner.commands.isEmpty());
        QCOMPARE(QFile::exists(scratch.layout.peerFile("Office")), peerWritten);
        QCOMPARE(QFile::exists(scratch.layout.papSecrets), peerWritten);
        QVERIFY(!QFile::exists(scratch.root + "/evil") && !QFile::exists(scratch.home + "/Choices/evil.conf"));
        QCOMPARE(QFile::exists(scratch.accountFile(account)), account == "Office");
    }

    void unwritablePeersFolderIsReportedAndTheAccountStillSaved()
    {
        Scratch scratch;
        QVERIFY(putFile(scratch.layout.peersDir, ""));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        fillOffice(dialog);
        BoxCatcher catcher;
        clickApply(dialog);
        QCOMPARE(catcher.boxes, QStringList("Apply: These files could not be written:\n" + scratch.layout.peersDir
                                            + "/Office: Not a directory"));
        QVERIFY(fileContent(scratch.accountFile("Office")).contains("\nusername = guest\n"));
    }

    // Return after a typed name adds it and changes nothing else; delete
    // removes the account's two files and its entry; names that are no
    // plain file names never become paths.
    void typingAndDeleting()
    {
        Scratch scratch;
        writeAccount(scratch, "Home", "Home");
        writeAccount(scratch, "Office", "Office", "username = guest\nphone = 555\n");
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(scratch.layout.peerFile("Office"), "peer\n"));
        QVERIFY(putFile(scratch.root + "/etc/passwd", "root:x:0:0\n"));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QString office = formState(dialog);
        dialog.acname->lineEdit()->selectAll();
        QTest::keyClicks(dialog.acname->lineEdit(), "Off");
        QTest::keyClick(dialog.acname->lineEdit(), Qt::Key_Return);
        QCOMPARE(accountList(dialog), QStringList({ "Home", "Office", "Off" }));
        QCOMPARE(formState(dialog), office);
        QVERIFY(!QFile::exists(scratch.accountFile("Off")) && QFile::exists(scratch.layout.peerFile("Office")));

        choose(dialog, "Office");
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QVERIFY(!QFile::exists(scratch.accountFile("Office")) && !QFile::exists(scratch.layout.peerFile("Office")));
        QVERIFY(QFile::exists(scratch.accountFile("Home")));
        QCOMPARE(accountList(dialog), QStringList({ "Home", "Off" }));

        dialog.addAccountName("../../passwd");
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QCOMPARE(fileContent(scratch.root + "/etc/passwd"), QByteArray("root:x:0:0\n"));
        QVERIFY(QDir().mkpath(scratch.home + "/Choices/common/Network-PPP-x"));
        QVERIFY(putFile(scratch.home + "/Choices/y.conf", "[Info]\nname = Evil\n[Properties]\nusername = evil\n"));
        emit dialog.acname->textActivated("x/../../y");
        QVERIFY(dialog.username->text() != "evil");
    }

    // The stored name of the last file would lead the store out of the
    // account folder: it is listed but never loaded.
    void unsafeStoredNameIsListedButNotLoaded()
    {
        Scratch scratch;
        QVERIFY(QDir().mkpath(scratch.home + "/Choices/common/Network-PPP-x"));
        writeAccount(scratch, "a", "x/../../z", "username = evil\n");
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        QCOMPARE(accountList(dialog), QStringList({ "x/../../z" }));
        QVERIFY(dialog.username->text().isEmpty());
        QVERIFY(!QFileInfo::exists(scratch.home + "/Choices/z.conf"));
    }
};

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
