#include "account/formvalues.h"
#include "account/pppconfig.h"
#include "app/language.h"
#include "config/config.h"
#include "form/radiogroupbox.h"
#include "core/bluetooth/rfcommbinding.h"

#include "support/testsupport.h"

#include <QtTest>
#include <QtWidgets>

#include <pwd.h>
#include <unistd.h>

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
    return QStringList { d.username->text(), d.password->text(), d.phone->text(), QString::number(d.ButtonGroup3->checkedId()),
                         d.btdevice->text(), d.atdial->text(), d.speed->currentText(), on(d.crtscts->isChecked(), "crtscts"),
                         QString::number(d.connectdelay->value()), d.deviceList->currentText(),
                         QString::number(d.dialmode->checkedId()), QString::number(d.idletime->value()),
                         on(d.defaultroute->isChecked(), "route"), d.gateway->text(), on(d.usepeerdns->isChecked(), "dns"),
                         d.dns1->text(), d.dns2->text(), on(d.searchDevice->isEnabled(), "search") }
        .join('|');
}

void choose(PPPConfig &dialog, const QString &name)
{
    dialog.acname->setCurrentIndex(dialog.acname->findText(name));
    emit dialog.acname->textActivated(name);
}

// The worked example of the documentation, typed into the form.
void fillOffice(PPPConfig &dialog, const QString &name = "Office", const QString &phone = "555")
{
    dialog.acname->setEditText(name);
    emit dialog.acname->textActivated(name);
    dialog.username->setText("guest");
    dialog.password->setText("secret");
    dialog.phone->setText(phone);
    dialog.atdial->setText("ATZ");
    dialog.connectdelay->setValue(1);
    dialog.dial_idle->click();
    dialog.idletime->setValue(300);
    dialog.defaultroute->setChecked(false);
}

// Apply and Delete run on in the event loop once clicked: waits for their end.
void settle(const PPPConfig &dialog)
{
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 30000);
}

void clickApply(PPPConfig &dialog)
{
    dialog.show();
    QTest::mouseClick(dialog.apply_button, Qt::LeftButton);
    settle(dialog);
}

// As at start: the translation that LANG names, in place of any before.
void startIn(const char *lang)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    qputenv("LANG", lang);
    installTranslations(*qApp);
}

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT
    RecordingRunner runner;

private slots:
    void init() { runner.commands.clear(); }
    void cleanup()
    {
        startIn("C");
        Config::setEffectiveUser(::geteuid);
    }

    // A new form's values, ranges, focus order and picture; the routing box follows its check box.
    void bareForm()
    {
        PPPConfigBase f;
        QCOMPARE(formState(f), QString("|||-1|||115200|crtscts|6||-1|120|route||dns|||search"));
        QCOMPARE(QList<int>({ f.speed->count(), f.idletime->minimum(), f.idletime->maximum(), f.idletime->singleStep() }),
                 QList<int>({ 9, 0, 3600, 30 }));
        QVERIFY(f.acname->isEditable() && !f.acname->duplicatesEnabled() && !f.deviceList->isEditable() && !f.btPin->isEnabled());
        QVERIFY(!f.gatewaybox->isEnabled() && !f.del_account_button->icon().isNull() && f.username->nextInFocusChain() == f.password);
        f.dns2->setObjectName("renamed");   // the dialog would refuse to start: a field without its widget
        QCOMPARE(unmappedFields(f), QStringList("dns2"));
    }

    // Sorted by file name ignoring case, a name listed once at its later place, "Network-PPP-.conf" skipped, the last
    // one loaded: a sparse file shows defaults and gains its missing group. A stored name that would lead out of the
    // account folder is listed but never loaded.
    void listingAndLoading()
    {
        Scratch scratch;
        for (const auto &[file, name] : QList<QPair<QString, QString>>{ { "b", "b" }, { "A", "A" }, { "a2", "Same" },
                                                                        { "B2", "Other" }, { "c", "Same" }, { "", "Ghost" } })
            writeAccount(scratch, file, name);
        QVERIFY(putFile(scratch.accountFile("zz"), "[Info]\nname = Office\nname[de] = zz\n"));   // the name in LANG's language
        qputenv("LANG", "de_DE.UTF-8");
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        QCOMPARE(accountList(dialog), QStringList({ "A", "b", "Other", "Same", "zz" }));
        QCOMPARE(formState(dialog), QString("|||-1|/dev/ttyS0|ATZ|115200|-|1||0|120|-||-|||-"));
        QCOMPARE(fileContent(scratch.accountFile("zz")), QByteArray("[Info]\nname = Office\nname[de] = zz\n[Properties]\n"));

        QVERIFY(QDir().mkpath(scratch.home + "/Choices/common/Network-PPP-x"));
        writeAccount(scratch, "zzz", "x/../../z", "username = evil\n");
        PPPConfig unsafe(nullptr, nullptr, scratch.layout, &runner);
        QCOMPARE(accountList(unsafe).last(), QString("x/../../z"));
        QVERIFY(unsafe.username->text().isEmpty() && !QFileInfo::exists(scratch.home + "/Choices/z.conf"));
        QVERIFY(!unsafe.searchDevice->isEnabled());
    }

    // Each account shows its own values, nothing of the one before; the strongest path wins; unknown dial modes don't.
    void switchingAccounts()
    {
        Scratch scratch;
        const QByteArray blue = "Bluetooth = 1\nSerial = 1\nBTDUN = 00:11:22:33:44:55,1\nspeed = 57600\ndefaultroute = 1\n"
                                "gateway = 10.0.0.1\nusepeerdns = 1\ndns1 = 10.0.0.2\ndialmode = 1\ndevice = /dev/rfcomm0\n"
                                "username = blue\nconnectdelay = 2999\n";
        writeAccount(scratch, "Blue", "Blue", blue);
        writeAccount(scratch, "Plain", "Plain", "speed = 921600\ndialmode = 7\ncrtscts = 1\nconnectdelay = 999999\n");
        writeAccount(scratch, "Bare", "Bare");
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        const QString plain = "|||-1|/dev/ttyS0|ATZ|921600|crtscts|180||%1|120|-||-|||-";
        QCOMPARE(formState(dialog), plain.arg(-1));
        for (int round = 0; round < 2; ++round) {
            choose(dialog, "Blue");
            QCOMPARE(accountList(dialog), QStringList({ "Bare", "Plain", "Blue" }));
            QCOMPARE(formState(dialog), QString("blue|||1|/dev/rfcomm0|ATZ|57600|-|2|00:11:22:33:44:55,1|1|120|route|"
                                                "10.0.0.1|dns|10.0.0.2||search"));
            QVERIFY(!dialog.gatewaybox->isEnabled());
            choose(dialog, "Bare");   // no speed stored: the default, not the one before
            QCOMPARE(dialog.speed->currentText(), QString("115200"));
            choose(dialog, "Plain");
            QCOMPARE(formState(dialog), plain.arg(0));   // dial mode 7: the buttons as they were
        }
        QCOMPARE(fileContent(scratch.accountFile("Blue")), "[Info]\nname = Blue\n[Properties]\n" + blue);   // reading never rewrites
        for (QRadioButton *path : { dialog.bluetooth_button, dialog.irda_button, dialog.serial_button }) {
            path->click();
            QCOMPARE(formState(dialog).section('|', 4, 4) + formState(dialog).section('|', 17),
                     path == dialog.bluetooth_button ? "/dev/rfcomm0search" : path == dialog.irda_button ? "/dev/ircomm0-" : "/dev/ttyS0-");
            QCOMPARE(dialog.deviceList->isEnabled(), path == dialog.bluetooth_button);
        }
        QVERIFY(!dialog.bluetooth_button->isChecked() && !dialog.irda_button->isChecked());   // exclusive after "none checked"
    }

    // The worked example byte for byte (tests/data/office); then the same account on the Bluetooth path binds, a broken
    // binding is refused in the user's language, and Delete removes the account. As an ordinary user the privileged
    // helper writes the same files, binds the same and deletes.
    void applyWritesTheAccountAndItsSystemFiles_data()
    {
        QTest::addColumn<bool>("helper");
        QTest::newRow("in this process") << false;
        QTest::newRow("through the helper") << true;
    }
    void applyWritesTheAccountAndItsSystemFiles()
    {
        QFETCH(bool, helper);
        Scratch scratch;
        scratch.layout.throughHelper = helper;
        scratch.layout.applyHelper = { ROOTED_HELPER, scratch.root, "apply" };
        scratch.layout.deleteHelper = { ROOTED_HELPER, scratch.root, "delete" };
        QVERIFY(putFile(scratch.layout.papSecrets, "# secrets\nother Home \"x\"\nguest Office \"old\"\n"));
        // Written by a version that kept no record, exactly as it would be written now: replaced without a question.
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && QFile::copy(TESTDATA_DIR "/office/Office", scratch.layout.peerFile("Office")));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.addAccountName("Home");
        dialog.serial_button->click();
        BoxCatcher catcher;
        fillOffice(dialog);
        clickApply(dialog);
        for (const QString &written : { scratch.layout.peerFile("Office"), scratch.layout.papSecrets, scratch.layout.chapSecrets,
                                        scratch.accountFile("Office") })
            QCOMPARE(fileContent(written), fileContent(TESTDATA_DIR "/office/" + QFileInfo(written).fileName()));
        QCOMPARE(accountList(dialog), QStringList({ "Home", "Office" }));

        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,12");
        dialog.defaultroute->setChecked(true);
        clickApply(dialog);
        const QByteArray settings = fileContent(scratch.accountFile("Office"));
        QVERIFY(settings.contains("\nBTDUN = 00:11:22:33:44:55,12\n"));
        QVERIFY(settings.contains("\ndefaultroute = 1\n"));
        QCOMPARE(runner.commands.size(), helper ? 0 : 3);
        QCOMPARE(fileContent(scratch.layout.rfcommConf), rfcommConfText("/dev/rfcomm0", "00:11:22:33:44:55,12").toUtf8());
        QVERIFY(fileContent(scratch.layout.peerFile("Office")).startsWith("/dev/rfcomm0\n"));
        startIn("de_DE.UTF-8");   // reasons travel as codes, the helper's too: worded in the user's language
        dialog.deviceList->setItemText(0, "00:11:22:33:44,1");
        clickApply(dialog);
        QCOMPARE(catcher.boxes, QStringList("Anwenden: Diese Dateien konnten nicht geschrieben werden:\n" + scratch.layout.rfcommConf
                                            + ": Der DUN-Eintrag „00:11:22:33:44,1“ ist keine Adresse XX:XX:XX:XX:XX:XX, gefolgt "
                                              "von einem Komma und einem Kanal von 1 bis 30"));
        startIn("C");
        dialog.deviceList->setItemText(0, "00:11:22:33:44:55,12");
        QVERIFY(QFile::remove(scratch.layout.bluetoothRestart[0]));   // neither the service script nor the rfcomm tool
        clickApply(dialog);
        QCOMPARE(catcher.boxes.size(), 2);
        QVERIFY2(catcher.boxes[1].contains("not available on this system"), qPrintable(catcher.boxes[1]));
        QCOMPARE(runner.commands.size(), helper ? 0 : 3);
        dialog.del_account_button->click();
        settle(dialog);
        QVERIFY(!QFile::exists(scratch.layout.peerFile("Office")));
    }

    // Without the rights the box says why in plain words: the account file is still saved, a Delete keeps the account.
    void helperDenials_data()
    {
        QTest::addColumn<QStringList>("helper");
        QTest::addColumn<QString>("why");
        QTest::newRow("password not given") << QStringList { "sh", "-c", "cat >/dev/null; exit 126" } << "The administrator's password was not given.";
        QTest::newRow("not allowed, with the agent's words") << QStringList { "sh", "-c", "echo No agent. >&2; exit 127" }
                                                            << "The system did not allow it, or the helper -c is not installed.\nNo agent.";
        QTest::newRow("no pkexec") << QStringList { "/nonexistent/pkexec", "helper" } << "Install the package \"pkexec\", or run this program as root.";
        QTest::newRow("answer of another shape") << QStringList { "sh", "-c", "cat >/dev/null; echo '{\"version\":1,\"notWritten\":[],\"failures\":[],\"commandProblems\":[]}'" }
                                                 << "The helper's answer could not be read.";
    }
    void helperDenials()
    {
        QFETCH(QStringList, helper);
        QFETCH(QString, why);
        Scratch scratch;
        scratch.layout.throughHelper = true;
        scratch.layout.applyHelper = scratch.layout.deleteHelper = helper;
        PPPConfig denied(nullptr, nullptr, scratch.layout, &runner);
        BoxCatcher catcher;
        fillOffice(denied, "Denied");
        clickApply(denied);
        QCOMPARE(catcher.boxes.size(), 1);
        const QString box = catcher.boxes[0];
        QVERIFY2(box.startsWith("Apply: The system files were not written:\n"), qPrintable(box));
        QVERIFY2(box.contains(why), qPrintable(box));
        QVERIFY2(box.endsWith(".\nThe account's own settings were saved."), qPrintable(box));
        QVERIFY(!QFile::exists(scratch.layout.peerFile("Denied")));
        QVERIFY(QDir().mkpath(scratch.layout.peersDir));
        QVERIFY(putFile(scratch.layout.peerFile("Denied"), "peer\n"));   // a Delete without the rights keeps the account
        denied.del_account_button->click();
        settle(denied);
        QCOMPARE(catcher.boxes.size(), 2);
        QVERIFY2(catcher.boxes[1].endsWith(why + "\nThe account was kept."), qPrintable(catcher.boxes[1]));
        QVERIFY(QFile::exists(scratch.accountFile("Denied")));
        QVERIFY(accountList(denied).contains("Denied"));
        QVERIFY(QFile::exists(scratch.layout.peerFile("Denied")));
    }

    // A file not read whole stays byte for byte through start-up and a walk; a byte-order mark is skipped.
    void readingNeverRewrites()
    {
        const QByteArray office("[Info]\nname = Office\n[Properties]\nusername = u\n");
        for (const QByteArray &file : { "\xEF\xBB\xBF" + office, "\n" + office, QByteArray("[Info]\nname = B\xFCro\n"),
                                        QByteArray("[Info]\nname = Office\n# note\n[Properties]\nusername = u\n") }) {
            Scratch scratch;
            QVERIFY(putFile(scratch.accountFile("Office"), file, 0600));
            PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
            const QStringList walk = accountList(dialog) << "Office";
            for (const QString &name : walk)
                choose(dialog, name);
            QCOMPARE(dialog.username->text(), QString(file.startsWith("\xEF") ? "u" : ""));
            QCOMPARE(fileContent(scratch.accountFile("Office")), file);
        }
    }

    // Input a file could not hold as typed is refused in one box and writes no file at all; a broken binding replaces
    // nothing; a file that cannot be written is reported, the others still written.
    void refusedInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("box");   // what the one box says
        QTest::newRow("line feed in the phone") << "phone" << "555\nlock" << "No file was written:\nPhone holds a control";
        QTest::newRow("name leading out of the folder") << "acname" << "../evil" << "cannot be used as a file name";
        QTest::newRow("line feed in the gateway") << "gateway" << "10.0.0.1\nx" << "Gateway holds a control";
        QTest::newRow("blank after the name") << "acname" << "Office " << "Name begins or ends with a blank";
        QTest::newRow("no-break space before the password") << "password" << "\u00A0pw" << "Password begins or ends with a blank";
        QTest::newRow("name too long for a file") << "acname" << QString(236, 'n') << ": File name too long";
        QTest::newRow("DUN entry not an address") << "dun" << "00:11:22:33:44,1" << "rfcomm.conf: The DUN entry";
        QTest::newRow("file in place of the peers folder") << "peers" << "" << "/etc/ppp/peers/Office: Not a directory";
    }
    void refusedInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, box);
        Scratch scratch;
        QVERIFY(putFile(scratch.layout.rfcommConf, "old binding\n"));
        QVERIFY(field != "peers" || putFile(scratch.layout.peersDir, ""));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem(field == "dun" ? value : field == "peers" ? "" : "00:11:22:33:44:55,1");
        fillOffice(dialog, field == "acname" ? value : "Office", field == "phone" ? value : "555");
        if (auto *edit = dialog.findChild<QLineEdit *>(field))
            edit->setText(value);
        const QString typed = dialog.acname->currentText();
        dialog.acname->clear();
        dialog.acname->setEditText(typed);
        BoxCatcher catcher;
        clickApply(dialog);
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(catcher.boxes[0].contains(box), qPrintable(catcher.boxes[0]));
        QCOMPARE(fileContent(scratch.layout.rfcommConf), QByteArray("old binding\n"));
        QCOMPARE(runner.commands, QList<QStringList>());
        QVERIFY(!QFile::exists(scratch.root + "/evil"));
        const QStringList written = QDir(scratch.home + "/Choices/common").entryList(QDir::Files | QDir::Hidden)
            + QDir(scratch.root + "/etc/ppp").entryList(QDir::Files);
        QCOMPARE(written, field == "dun" ? QStringList({ "Network-PPP-Office.conf", "chap-secrets", "dialup-peers", "dialup.lock", "pap-secrets" })
                          : field == "peers" ? QStringList({ "Network-PPP-Office.conf", "dialup.lock", "peers" }) : QStringList());
        QCOMPARE(accountList(dialog).size(), int(!written.isEmpty()));   // refused input is not listed
    }

    // A peer file this program did not write (pon's "provider") is replaced or removed only on Yes, whoever decides (the
    // dialog itself or the helper) and whether or not the account has a settings file: No to Apply saves nothing new, No
    // to Delete keeps the peer file. A typed name's Delete never touches it.
    void peerFileOfNoAccountIsKept()
    {
        for (const bool helper : { false, true })
            for (const bool account : { false, true })
                for (const bool apply : { true, false })
                    for (const int answer : { int(QMessageBox::No), int(QMessageBox::Yes) }) {
                        Scratch scratch;
                        scratch.layout.throughHelper = helper;
                        scratch.layout.applyHelper = { ROOTED_HELPER, scratch.root, "apply" };
                        scratch.layout.deleteHelper = { ROOTED_HELPER, scratch.root, "delete" };
                        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(scratch.layout.peerFile("provider"), "hand-written\n"));
                        if (account)
                            writeAccount(scratch, "provider", "provider");
                        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
                        dialog.addAccountName("provider");
                        BoxCatcher catcher(answer);
                        (apply ? dialog.apply_button : dialog.del_account_button)->click();
                        settle(dialog);
                        const bool yes = answer == QMessageBox::Yes && (apply || account);
                        QCOMPARE(fileContent(scratch.layout.peerFile("provider")) == "hand-written\n", !yes);
                        QCOMPARE(catcher.boxes.size(), apply ? 1 + !yes : int(account));   // the question, then "kept"
                        QCOMPARE(catcher.boxes.value(1).startsWith("Apply: Nothing was saved"), apply && !yes && !account);
                        QCOMPARE(QFile::exists(scratch.accountFile("provider")), apply && (yes || account));
                    }
    }

    // The restart runs with a busy notice; a command that fails, hangs past the limit or is missing is reported.
    void restartCommandsEndAndAreReported()
    {
        Scratch scratch;
        scratch.layout.pccardEject = { "sh", "-c", "echo no card >&2; exit 3" };
        scratch.layout.bluetoothRestart = { "sleep", "5" };
        scratch.layout.pccardInsert = { "/nonexistent/pccardctl" };
        const QString reported = "sh -c echo no card >&2; exit 3: failed with exit status 3: no card\nsleep 5: did not finish in time and was stopped\n"
                                 "/nonexistent/pccardctl: could not be started";
        ProcessRunner processes(500);
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &processes);
        dialog.addAccountName("Phone");
        dialog.bluetooth_button->click();
        dialog.deviceList->addItem("00:11:22:33:44:55,1");
        BoxCatcher catcher;
        dialog.apply_button->click();   // the hanging command stopped after 0.5 s
        settle(dialog);
        QVERIFY(catcher.busySeen);
        QVERIFY2(catcher.boxes.size() == 1 && catcher.boxes[0].endsWith(reported), qPrintable(catcher.boxes.join('|')));
    }

    // While a job runs nothing starts a second one (a click, a language change) and nothing ends it early (Escape on the
    // busy notice, closing the window): the window says it closes once the job has ended, and then does.
    void busyUntilTheJobEnds()
    {
        Scratch scratch;
        scratch.layout.throughHelper = true;
        const QString runs = scratch.dir.filePath("runs");
        scratch.layout.applyHelper = { "sh", "-c", "cat >/dev/null; echo run >>\"$0\"; sleep 1; exit 126", runs };
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        BoxCatcher catcher;
        fillOffice(dialog);
        dialog.show();
        dialog.apply_button->click();
        QTRY_VERIFY(qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()));
        auto *notice = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        QTest::keyClick(notice, Qt::Key_Escape);
        QMetaObject::invokeMethod(&dialog, "Apply");
        QMetaObject::invokeMethod(&dialog, "delete_account");
        QVERIFY(!dialog.close());
        QVERIFY(notice->isVisible());
        QVERIFY(!dialog.TabWidget2->isEnabled());
        QVERIFY(notice->labelText().endsWith("\nThe window closes when this has ended."));
        startIn("de_DE.UTF-8");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(dialog.windowTitle(), QString("Dial-up"));
        settle(dialog);
        QCOMPARE(fileContent(runs), QByteArray("run\n"));
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.windowTitle(), QString("Einwahl"));
    }

    // Return adds a typed name and changes nothing else; delete removes both files; unsafe names never become paths.
    void typingAndDeleting()
    {
        Scratch scratch;
        writeAccount(scratch, "Home", "Home");
        writeAccount(scratch, "Office", "Office", "username = guest\nphone = 555\nspeed = 9600\n");
        QVERIFY(QDir().mkpath(scratch.layout.peersDir) && putFile(scratch.layout.peerFile("Office"), "peer\n"));
        QVERIFY(putFile(scratch.layout.peerRecord, "Other\nOffice\n"));
        QVERIFY(putFile(scratch.root + "/etc/passwd", "root:x:0:0\n"));
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.show();
        const QString office = formState(dialog);
        dialog.acname->lineEdit()->selectAll();
        QTest::keyClicks(dialog.acname->lineEdit(), "Off");
        QTest::keyClick(dialog.acname->lineEdit(), Qt::Key_Return);
        QCOMPARE(accountList(dialog), QStringList({ "Home", "Office", "Off" }));
        QCOMPARE(formState(dialog), office);
        QVERIFY(!QFile::exists(scratch.accountFile("Off")) && QFile::exists(scratch.layout.peerFile("Office")));

        // Delete shows the account now current, or the defaults when none is left.
        choose(dialog, "Home");
        const QString home = formState(dialog);
        choose(dialog, "Office");
        QTest::mousePress(dialog.del_account_button, Qt::LeftButton);   // a press that slides off before it lifts
        QTest::mouseMove(dialog.del_account_button, QPoint(-9, -9));
        QTest::mouseRelease(dialog.del_account_button, Qt::LeftButton, {}, QPoint(-9, -9));
        QVERIFY(QFile::exists(scratch.accountFile("Office")) && QFile::exists(scratch.layout.peerFile("Office")));
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QVERIFY(!QFile::exists(scratch.accountFile("Office")) && !QFile::exists(scratch.layout.peerFile("Office")));
        QCOMPARE(fileContent(scratch.layout.peerRecord), QByteArray("Other\n"));
        QCOMPARE(accountList(dialog), QStringList({ "Off", "Home" }));
        QCOMPARE(formState(dialog), home);
        choose(dialog, "Home");
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QCOMPARE(formState(dialog), QString("|||-1|/dev/ttyS0|ATZ|115200|-|1||0|120|-||-|||-"));

        dialog.addAccountName("../../passwd");
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QCOMPARE(fileContent(scratch.root + "/etc/passwd"), QByteArray("root:x:0:0\n"));

        QVERIFY(QDir().mkpath(scratch.accountFile("Stuck") + "/x"));   // a settings file that cannot be removed is reported
        dialog.addAccountName("Stuck");
        BoxCatcher catcher;
        QTest::mouseClick(dialog.del_account_button, Qt::LeftButton);
        QCOMPARE(catcher.boxes, QStringList("Delete: The settings file " + scratch.accountFile("Stuck") + " was not removed: Is a directory"));
        QVERIFY(accountList(dialog).contains("Stuck"));
    }

    // Root with another user's HOME (sudo -E) creates nothing there, not even by loading, and says why; without HOME,
    // or with an empty one, the accounts live in the home the password database gives.
    void rootInAnotherHome()
    {
        Scratch scratch;
        QVERIFY(putFile(scratch.accountFile("Home"), "[Info]\nname = Home\n"));   // loading adds a group
        QVERIFY(::geteuid() != 0 || ::chown(QFile::encodeName(scratch.home).constData(), 65534, 65534) == 0);
        Config::setEffectiveUser([] { return uid_t(0); });
        for (const bool folder : { true, false }) {
            if (!folder)
                QVERIFY(QDir(scratch.home + "/Choices").removeRecursively());
            PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
            BoxCatcher catcher;
            fillOffice(dialog);
            clickApply(dialog);
            QVERIFY2(catcher.boxes.size() == 1 && catcher.boxes[0].contains(": As root, this program writes nothing in " + scratch.home),
                     qPrintable(catcher.boxes.join('|')));
            QVERIFY(!folder || fileContent(scratch.accountFile("Home")) == "[Info]\nname = Home\n");
        }
        QVERIFY(!QFile::exists(scratch.home + "/Choices") && !QFile::exists(scratch.layout.peerFile("Office")));
        Config::setEffectiveUser(::geteuid);
        for (const char *home : { (const char *)"", (const char *)nullptr }) {
            home ? qputenv("HOME", home) : qunsetenv("HOME");
            QCOMPARE(PPPConfig::accountDirectory(), QFile::decodeName(::getpwuid(::geteuid())->pw_dir) + "/Choices/common/");
        }
    }

    // A change of language re-texts the form without changing a value shown (the speed list is refilled: a listed and
    // an extra speed stay); a name for every field, label clicks reach their fields, mnemonics unique per page.
    void languagesAndAccessibility_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rate");
        QTest::newRow("German, an extra speed") << "C" << "de_DE.UTF-8" << "Einwahl" << "2400";
        QTest::newRow("French, a listed speed") << "de_DE.UTF-8" << "fr_FR.UTF-8" << "Accès commuté" << "9600";
        QTest::newRow("Spanish, an extra speed") << "fr_FR.UTF-8" << "es_ES.UTF-8" << "Acceso telefónico" << "2400";
        QTest::newRow("English, a listed speed") << "es_ES.UTF-8" << "C" << "Dial-up" << "9600";
    }
    void languagesAndAccessibility()
    {
        QFETCH(QString, from);
        QFETCH(QString, lang);
        QFETCH(QString, title);
        QFETCH(QString, rate);
        startIn(qPrintable(from));
        PPPConfigBase form;
        if (form.speed->findText(rate) < 0)
            form.speed->addItem(rate);
        form.speed->setCurrentText(rate);
        form.gateway->setText("gateway");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        startIn(qPrintable(lang));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(form.speed->currentText(), rate);
        QCOMPARE(form.gateway->text(), QString("gateway"));
        for (int page = 0; page < form.TabWidget2->count(); ++page) {
            form.TabWidget2->setCurrentIndex(page);
            QVERIFY(!form.TabWidget2->tabText(page).isEmpty());
            QSet<int> mnemonics;
            for (QWidget *w : form.TabWidget2->currentWidget()->findChildren<QWidget *>()) {
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !a->text(QAccessible::Name).isEmpty()
                         || !a->relations(QAccessible::Labelled).isEmpty(), qPrintable(w->objectName()));
                const QString text = w->property("text").toString();   // labels and buttons say something
                QVERIFY2(!text.isEmpty() || w == form.del_account_button || !w->inherits("QLabel") && !w->inherits("QAbstractButton"),
                         qPrintable(w->objectName()));
                const int key = QKeySequence::mnemonic(text)[0].toCombined();
                QVERIFY2(!key || !mnemonics.contains(key), qPrintable(w->objectName()));
                mnemonics.insert(key);
                if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy() && label->isEnabled()) {
                    QTest::mouseClick(label, Qt::LeftButton);
                    QCOMPARE(QApplication::focusWidget(), label->buddy());
                }
            }
        }
    }
};

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
