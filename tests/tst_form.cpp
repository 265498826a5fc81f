#include "account/pppconfig.h"
#include "form/pppconfigbase.h"
#include "form/radiogroupbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// Every line sent to the warning channel while one of these lives.
class WarningRecorder
{
public:
    WarningRecorder() { previous = qInstallMessageHandler(record); }
    ~WarningRecorder() { qInstallMessageHandler(previous); lines().clear(); }
    QStringList take() { return std::exchange(lines(), {}); }

private:
    static QStringList &lines() { static QStringList l; return l; }
    static void record(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtWarningMsg)
            lines() << text;
    }
    QtMessageHandler previous;
};

// Gives the tests the form's text pass and remembers what new_account got.
class TestForm : public PPPConfigBase
{
public:
    using PPPConfigBase::languageChange;
    QStringList newAccounts;
    void new_account(const QString &name) override
    {
        newAccounts << name;
        PPPConfigBase::new_account(name);
    }
};

// Translates the texts of the form's context by putting them in brackets.
class BracketTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "PPPConfigBase") != 0)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

// Every widget member of the form, in declaration order.
static QList<QWidget *> widgetMembers(PPPConfigBase &f)
{
    return {
        f.TabWidget2, f.tab, f.phone, f.TextLabel1_2_2, f.Line3, f.password, f.TextLabel2,
        f.TextLabel1, f.Line4, f.TextLabel1_2, f.ButtonGroup3, f.serial_button,
        f.bluetooth_button, f.irda_button, f.apply_button, f.username, f.acname,
        f.del_account_button, f.tab_2, f.TextLabelDevice, f.TextLabel3_2_2, f.speed,
        f.connectdelay, f.TextLabel1_3, f.connectdelay_text, f.TextLabel5, f.crtscts,
        f.btdevice, f.atdial, f.TextLabel3, f.TextLabel1_4, f.TextLabel1_6, f.deviceList,
        f.searchDevice, f.dialmode, f.dial_manual, f.idletime, f.TextLabel1_5, f.dial_demand,
        f.dial_idle, f.btPin, f.TextLabel1_7, f.tab_3, f.usepeerdns, f.gatewaybox,
        f.TextLabel4_2, f.gateway, f.defaultroute, f.dnsbox, f.dns1, f.dns2,
        f.TextLabel1_2_3, f.TextLabel1_2_2_2,
    };
}

// The text a user reads on a widget: a label's, a button's, a group box's title.
static QString textOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    return QString();
}

// What the user can see of every widget but acname, to tell whether an action
// changed any of them.
static QStringList snapshot(PPPConfigBase &form)
{
    QStringList state;
    for (QWidget *w : widgetMembers(form)) {
        if (w == form.acname)
            continue;
        QString s = w->objectName() + (w->isEnabled() ? " on " : " off ") + textOf(w);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            s += b->isChecked() ? " checked" : "";
        if (auto *c = qobject_cast<QComboBox *>(w))
            s += QString(" %1/%2").arg(c->currentIndex()).arg(c->count());
        if (auto *r = qobject_cast<QAbstractSlider *>(w))
            s += " " + QString::number(r->value());
        if (auto *t = qobject_cast<QTabWidget *>(w))
            s += " " + QString::number(t->currentIndex());
        state << s;
    }
    return state;
}

static QStringList slotTable(const QMetaObject &mo)
{
    static const char *const access[] = { "private", "protected", "public" };
    QStringList table;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        table << QString::fromLatin1(m.methodSignature()) + " "
                        + (m.methodType() == QMetaMethod::Slot ? access[m.access()] : "not a slot");
    }
    return table;
}

class TestFormTest : public QObject
{
    Q_OBJECT

    // The editor lists the accounts of $HOME: give it an empty home of its own.
    QTemporaryDir home;

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());
    }

    void namesAndClasses()
    {
        QCOMPARE(PPPConfigBase().objectName(), QString("Form1"));
        QCOMPARE(PPPConfig().objectName(), QString("Form1"));
        QCOMPARE(PPPConfig(nullptr, "dialup").objectName(), QString("dialup"));

        PPPConfigBase f;
        const QList<QWidget *> members = widgetMembers(f);
        QCOMPARE(members.size(), 53);
        for (QWidget *w : members) {
            QVERIFY(w);
            QCOMPARE(f.findChild<QWidget *>(w->objectName()), w);
        }
        QCOMPARE(QList<QWidget *>({ f.TabWidget2->widget(0), f.TabWidget2->widget(1), f.TabWidget2->widget(2) }),
                 QList<QWidget *>({ f.tab, f.tab_2, f.tab_3 }));
        QCOMPARE(f.idletime->parentWidget(), f.dialmode);

        QCOMPARE(slotTable(PPPConfigBase::staticMetaObject), QStringList({
            "btSearchClicked() public", "bt_selected() public", "delete_account() public",
            "irda_selected() public", "new_account(QString) public", "Apply() public",
            "serial_selected() public", "languageChange() protected" }));
        QCOMPARE(PPPConfigBase::staticMetaObject.superClass(), &QDialog::staticMetaObject);
        QCOMPARE(slotTable(PPPConfig::staticMetaObject), QStringList({
            "Apply() private", "btSearchClicked() private", "serial_selected() private",
            "irda_selected() private", "bt_selected() private", "delete_account() private",
            "new_account(QString) private" }));
        QCOMPARE(PPPConfig::staticMetaObject.superClass(), &PPPConfigBase::staticMetaObject);
        QVERIFY(!f.isModal());
    }

    // Every text goes through translation under the form's context.
    void texts_data()
    {
        QTest::addColumn<bool>("translated");
        QTest::newRow("as written") << false;
        QTest::newRow("translated") << true;
    }
    void texts()
    {
        QFETCH(bool, translated);
        BracketTranslator translator;
        if (translated)
            QCoreApplication::installTranslator(&translator);
        PPPConfigBase f;
        QCoreApplication::removeTranslator(&translator);
        const auto tr = [translated](const QString &s) { return translated ? "[" + s + "]" : s; };

        QCOMPARE(f.windowTitle(), tr("Dial-up"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.TabWidget2->tabText(i), tr(QStringList{ "Account", "Modem", "Network" }[i]));
        const QList<QPair<QWidget *, QString>> texts = {
            { f.TextLabel1_2, "Name:" }, { f.TextLabel1, "Username:" },
            { f.TextLabel2, "Password:" }, { f.TextLabel1_2_2, "Phone:" },
            { f.TextLabelDevice, "BT Device:" }, { f.TextLabel1_3, "Device:" },
            { f.TextLabel3_2_2, "Init string:" }, { f.TextLabel1_4, "Speed:" },
            { f.TextLabel3, "Time out:" }, { f.TextLabel5, "sec" }, { f.TextLabel1_6, "BT DUN:" },
            { f.TextLabel1_7, "BT PIN:" }, { f.TextLabel1_5, "Idle timeout:" },
            { f.TextLabel4_2, "Gateway" }, { f.TextLabel1_2_3, "First DNS" },
            { f.TextLabel1_2_2_2, "Second DNS" },
            { f.serial_button, "Serial port" }, { f.irda_button, "IrDA" },
            { f.bluetooth_button, "BlueTooth" }, { f.apply_button, "Apply" },
            { f.crtscts, "Hardware flow control" }, { f.searchDevice, "Search" },
            { f.dial_manual, "Manual connect and disconnect" },
            { f.dial_idle, "Manual connect, automatic disconnect" },
            { f.dial_demand, "Automatic connect and disconnect" },
            { f.defaultroute, "Auto-detect routing" }, { f.usepeerdns, "Auto-detect name servers" },
            { f.ButtonGroup3, "Make connect via" }, { f.dialmode, "Demand Dialing" },
        };
        for (const auto &t : texts)
            QCOMPARE(textOf(t.first).remove(QLatin1Char('&')), tr(t.second)); // mnemonics aside
        const QStringList rates = QString("4800 9600 19200 38400 57600 115200 230400 460800 921600").split(' ');
        QCOMPARE(f.speed->count(), rates.size());
        for (int i = 0; i < rates.size(); ++i)
            QCOMPARE(f.speed->itemText(i), tr(rates[i]));
        QCOMPARE(f.speed->currentText(), tr("115200"));
        QCOMPARE(f.idletime->suffix(), tr(" seconds"));
        // Not texts of the form's own: left alone.
        QVERIFY(f.del_account_button->text().isEmpty());
        QVERIFY(f.gatewaybox->title().isEmpty());
        QVERIFY(f.dnsbox->title().isEmpty());
        QCOMPARE(f.connectdelay_text->text(), QString("6"));
    }

    void deleteButtonShowsTheTransparentPicture()
    {
        PPPConfigBase form;
        QVERIFY(!form.del_account_button->icon().isNull());
        QImage picture(":/form/delete.png");
        QCOMPARE(picture.size(), QSize(16, 16));
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(8, 8)), 255);
    }

    void initialStateAndRanges()
    {
        PPPConfigBase f;
        for (QLineEdit *e : { f.phone, f.password, f.username, f.btdevice, f.atdial, f.btPin,
                              f.gateway, f.dns1, f.dns2 })
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(f.password->echoMode(), QLineEdit::Password);
        QCOMPARE(f.acname->count() + f.deviceList->count(), 0);
        QVERIFY(f.acname->isEditable() && !f.acname->duplicatesEnabled());
        QVERIFY(!f.deviceList->isEditable() && !f.speed->isEditable());
        QVERIFY(f.crtscts->isChecked() && f.defaultroute->isChecked() && f.usepeerdns->isChecked());
        QCOMPARE(f.ButtonGroup3->checkedId(), -1);
        QCOMPARE(f.dialmode->checkedId(), -1);
        QCOMPARE(f.TabWidget2->currentIndex(), 0);
        const QList<QWidget *> disabled = { f.gatewaybox, f.dnsbox, f.btPin, f.TextLabel1_7 };
        for (QWidget *w : widgetMembers(f)) {
            const bool off = disabled.contains(w) || disabled.contains(w->parentWidget());
            QCOMPARE(w->objectName() + (w->isEnabledTo(&f) ? " on" : " off"),
                     w->objectName() + (off ? " off" : " on"));
        }

        // The slider's number follows it within 1 to 180.
        QCOMPARE(f.connectdelay->value(), 6);
        for (const auto &[set, shown] : QList<QPair<int, QString>>{ { 42, "42" }, { 0, "1" }, { 500, "180" } }) {
            f.connectdelay->setValue(set);
            QCOMPARE(f.connectdelay_text->text(), shown);
        }
        QCOMPARE(f.idletime->text(), QString("120 seconds"));
        f.idletime->stepUp();
        QCOMPARE(f.idletime->text(), QString("150 seconds"));
        f.idletime->setValue(5000);
        QCOMPARE(f.idletime->value(), 3600);
        f.idletime->setValue(-1);
        QCOMPARE(f.idletime->value(), 0);

        QCOMPARE(f.size(), QSize(380, 364).expandedTo(f.minimumSizeHint()));
        QVERIFY(f.minimumSizeHint().width() <= 480);
    }

    void checkBoxesAndRadioGroups()
    {
        WarningRecorder quiet;
        PPPConfigBase f;
        for (const auto &[check, box] : { std::pair<QCheckBox *, QGroupBox *>(f.defaultroute, f.gatewaybox),
                                          { f.usepeerdns, f.dnsbox } }) {
            check->click();
            QVERIFY(box->isEnabled());
            check->click();
            QVERIFY(!box->isEnabled());
        }

        const QList<QPair<RadioGroupBox *, QStringList>> groups = {
            { f.ButtonGroup3, { "serial_button", "bluetooth_button", "irda_button" } },
            { f.dialmode, { "dial_manual", "dial_idle", "dial_demand" } },
        };
        for (const auto &[box, idOrder] : groups) {
            const QList<QAbstractButton *> buttons = box->buttonGroup()->buttons();
            for (int id = 0; id < 3; ++id) {
                QCOMPARE(box->button(id)->objectName(), idOrder[id]);
                QCOMPARE(box->button(id)->parentWidget(), box);
                box->button(id)->click();
                QCOMPARE(box->checkedId(), id);
                QCOMPARE(std::count_if(buttons.begin(), buttons.end(),
                                       [](QAbstractButton *b) { return b->isChecked(); }), 1);
            }
            // "None checked" is reachable, and a button can be checked again after it.
            box->setCheckedId(-1);
            QCOMPARE(box->checkedId(), -1);
            QVERIFY(std::none_of(buttons.begin(), buttons.end(),
                                 [](QAbstractButton *b) { return b->isChecked(); }));
            box->setCheckedId(1);
            QVERIFY(box->button(1)->isChecked());
        }
    }

    void focusChain()
    {
        PPPConfigBase form;
        const QStringList expected = {
            "TabWidget2", "acname", "del_account_button", "username", "password", "phone",
            "serial_button", "irda_button", "bluetooth_button", "apply_button", "btdevice",
            "atdial", "speed", "crtscts", "connectdelay", "deviceList", "searchDevice",
            "dial_manual", "dial_idle", "dial_demand", "idletime", "defaultroute", "gateway",
            "usepeerdns", "dns1", "dns2",
        };
        QStringList chain;
        QWidget *w = form.TabWidget2;
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != form.TabWidget2);
        QCOMPARE(chain, expected);
    }

    // The bare form's slots only warn; Apply and delete act on release, not click.
    void signalsReachTheDefaultSlots_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("warning");
        QTest::newRow("search") << "searchDevice" << QByteArray("clicked") << "btSearchClicked()";
        QTest::newRow("bluetooth") << "bluetooth_button" << QByteArray("clicked") << "bt_selected()";
        QTest::newRow("irda") << "irda_button" << QByteArray("clicked") << "irda_selected()";
        QTest::newRow("serial") << "serial_button" << QByteArray("clicked") << "serial_selected()";
        QTest::newRow("delete released") << "del_account_button" << QByteArray("released")
                                         << "delete_account()";
        QTest::newRow("delete clicked") << "del_account_button" << QByteArray("clicked") << "";
        QTest::newRow("apply released") << "apply_button" << QByteArray("released") << "Apply()";
        QTest::newRow("apply clicked") << "apply_button" << QByteArray("clicked") << "";
        QTest::newRow("name chosen") << "acname" << QByteArray("textActivated")
                                     << "new_account(const QString&)";
    }
    void signalsReachTheDefaultSlots()
    {
        QFETCH(QString, sender);
        QFETCH(QByteArray, signal);
        QFETCH(QString, warning);
        PPPConfigBase form;
        QObject *object = form.findChild<QObject *>(sender);
        WarningRecorder recorder;
        if (signal == "textActivated")
            QVERIFY(QMetaObject::invokeMethod(object, signal, Q_ARG(QString, "Office")));
        else
            QVERIFY(QMetaObject::invokeMethod(object, signal));
        QCOMPARE(recorder.take(), warning.isEmpty() ? QStringList()
                 : QStringList("PPPConfigBase::" + warning + ": Not implemented yet"));
    }

    // Return in the name box adds the name as typed (no completion) and never
    // presses Apply or delete.
    void typingANameAndReturn_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new") << QStringList() << "Office" << QStringList({ "Office" });
        QTest::newRow("added at the end") << QStringList({ "Home" }) << "Office"
                                         << QStringList({ "Home", "Office" });
        QTest::newRow("already there") << QStringList({ "Office", "Home" }) << "Office"
                                       << QStringList({ "Office", "Home" });
        QTest::newRow("start of another") << QStringList({ "Alpha" }) << "Al"
                                          << QStringList({ "Alpha", "Al" });
        QTest::newRow("other case") << QStringList({ "Alpha" }) << "alpha"
                                    << QStringList({ "Alpha", "alpha" });
    }
    void typingANameAndReturn()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, typed);
        QFETCH(QStringList, after);

        TestForm form;
        form.acname->addItems(before);
        form.acname->clearEditText();
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.acname->setFocus();
        const QStringList others = snapshot(form);

        WarningRecorder recorder;
        // Keys go where the user's keys go: to the focused combo box, which
        // hands them to its line edit; what it ignores goes on to the dialog.
        QCOMPARE(QApplication::focusWidget(), form.acname);
        QTest::keyClicks(form.acname, typed);
        QTest::keyClick(form.acname, Qt::Key_Return);

        QCOMPARE(form.newAccounts, QStringList(typed));
        QCOMPARE(recorder.take(),
                 QStringList("PPPConfigBase::new_account(const QString&): Not implemented yet"));
        QStringList entries;
        for (int i = 0; i < form.acname->count(); ++i)
            entries << form.acname->itemText(i);
        QCOMPARE(entries, after);
        QCOMPARE(form.acname->currentText(), typed);
        QCOMPARE(snapshot(form), others);
        QVERIFY(form.isVisible());
    }

    // A second text pass resets the speed list and the addresses, nothing else.
    void textPassAgainResetsSpeedAndAddresses()
    {
        TestForm form;
        form.speed->setCurrentIndex(0);
        for (QLineEdit *e : { form.gateway, form.dns1, form.dns2, form.username })
            e->setText("10.0.0.1");
        form.crtscts->setChecked(false);
        form.connectdelay->setValue(30);
        form.languageChange();
        QCOMPARE(form.speed->count(), 9);
        QCOMPARE(form.speed->currentIndex(), 5);
        QCOMPARE(form.gateway->text() + form.dns1->text() + form.dns2->text(), QString());
        QCOMPARE(form.username->text(), QString("10.0.0.1"));
        QVERIFY(!form.crtscts->isChecked());
        QCOMPARE(form.connectdelay_text->text(), QString("30"));
    }
};

QTEST_MAIN(TestFormTest)
#include "tst_form.moc"
