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

// What the user can see of every widget but acname, to tell whether an action
// changed any of them.
static QStringList snapshot(PPPConfigBase &form)
{
    QStringList state;
    for (QWidget *w : widgetMembers(form)) {
        if (w == form.acname)
            continue;
        QString s = w->objectName() + (w->isEnabled() ? " on" : " off");
        if (auto *e = qobject_cast<QLineEdit *>(w))
            s += " " + e->text();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            s += (b->isChecked() ? " checked " : " ") + b->text();
        if (auto *c = qobject_cast<QComboBox *>(w))
            s += QString(" %1/%2").arg(c->currentIndex()).arg(c->count());
        if (auto *l = qobject_cast<QLabel *>(w))
            s += " " + l->text();
        if (auto *r = qobject_cast<QAbstractSlider *>(w))
            s += " " + QString::number(r->value());
        if (auto *t = qobject_cast<QTabWidget *>(w))
            s += " " + QString::number(t->currentIndex());
        state << s;
    }
    return state;
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
    void objectName_data()
    {
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QByteArray() << "Form1";
        QTest::newRow("given") << QByteArray("dialup") << "dialup";
    }
    void objectName()
    {
        QFETCH(QByteArray, given);
        PPPConfigBase form(nullptr, given.isNull() ? nullptr : given.constData());
        QTEST(form.objectName(), "expected");
        PPPConfig editor(nullptr, given.isNull() ? nullptr : given.constData());
        QTEST(editor.objectName(), "expected");
    }

    void membersAreTheNamedWidgets()
    {
        PPPConfigBase f;
        const QList<QWidget *> members = widgetMembers(f);
        QCOMPARE(members.size(), 53);
        for (QWidget *w : members) {
            QVERIFY(w);
            QCOMPARE(f.findChild<QWidget *>(w->objectName()), w);
        }
        QCOMPARE(f.TabWidget2->widget(0), f.tab);
        QCOMPARE(f.TabWidget2->widget(1), f.tab_2);
        QCOMPARE(f.TabWidget2->widget(2), f.tab_3);
        for (QWidget *page : { f.tab, f.tab_2, f.tab_3 })
            QCOMPARE(qstrcmp(page->metaObject()->className(), "QWidget"), 0);
        QCOMPARE(f.idletime->parentWidget(), f.dialmode);
        QCOMPARE(f.dialmode->buttonGroup()->buttons().size(), 3);
    }

    void texts()
    {
        PPPConfigBase f;
        QCOMPARE(f.windowTitle(), QString("Dial-up"));
        QCOMPARE(f.TabWidget2->tabText(0), QString("Account"));
        QCOMPARE(f.TabWidget2->tabText(1), QString("Modem"));
        QCOMPARE(f.TabWidget2->tabText(2), QString("Network"));
        const QList<QPair<QLabel *, QString>> labels = {
            { f.TextLabel1_2, "Name:" }, { f.TextLabel1, "Username:" },
            { f.TextLabel2, "Password:" }, { f.TextLabel1_2_2, "Phone:" },
            { f.TextLabelDevice, "BT Device:" }, { f.TextLabel1_3, "Device:" },
            { f.TextLabel3_2_2, "Init string:" }, { f.TextLabel1_4, "Speed:" },
            { f.TextLabel3, "Time out:" }, { f.TextLabel5, "sec" }, { f.TextLabel1_6, "BT DUN:" },
            { f.TextLabel1_7, "BT PIN:" }, { f.TextLabel1_5, "Idle timeout:" },
            { f.TextLabel4_2, "Gateway" }, { f.TextLabel1_2_3, "First DNS" },
            { f.TextLabel1_2_2_2, "Second DNS" },
        };
        for (const auto &l : labels)
            QCOMPARE(l.first->text(), l.second);
        const QList<QPair<QAbstractButton *, QString>> buttons = {
            { f.serial_button, "Serial port" }, { f.irda_button, "IrDA" },
            { f.bluetooth_button, "BlueTooth" }, { f.apply_button, "Apply" },
            { f.crtscts, "Hardware flow control" }, { f.searchDevice, "Search" },
            { f.dial_manual, "Manual connect and disconnect" },
            { f.dial_idle, "Manual connect, automatic disconnect" },
            { f.dial_demand, "Automatic connect and disconnect" },
            { f.defaultroute, "Auto-detect routing" },
            { f.usepeerdns, "Auto-detect name servers" },
        };
        for (const auto &b : buttons)
            QCOMPARE(b.first->text(), b.second);
        QVERIFY(f.del_account_button->text().isNull());
        QCOMPARE(f.ButtonGroup3->title(), QString("Make connect via"));
        QCOMPARE(f.dialmode->title(), QString("Demand Dialing"));
        QVERIFY(f.gatewaybox->title().isEmpty());
        QVERIFY(f.dnsbox->title().isEmpty());
    }

    void deleteButtonShowsTheTransparentPicture()
    {
        PPPConfigBase form;
        const QIcon icon = form.del_account_button->icon();
        QVERIFY(!icon.isNull());
        QImage picture(":/form/delete.png");
        QCOMPARE(picture.size(), QSize(16, 16));
        QVERIFY(picture.hasAlphaChannel());
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(8, 8)), 255);
        QCOMPARE(form.del_account_button->sizePolicy(),
                 QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    }

    void initialState()
    {
        PPPConfigBase f;
        for (QLineEdit *e : f.findChildren<QLineEdit *>())
            if (!e->objectName().isEmpty() && !e->objectName().startsWith("qt_"))
                QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        QCOMPARE(f.password->echoMode(), QLineEdit::Password);
        QCOMPARE(f.acname->count(), 0);
        QVERIFY(f.acname->isEditable());
        QVERIFY(!f.acname->duplicatesEnabled());
        QCOMPARE(f.deviceList->count(), 0);
        QVERIFY(!f.deviceList->isEditable());
        QVERIFY(!f.speed->isEditable());
        QVERIFY(f.crtscts->isChecked());
        QVERIFY(f.defaultroute->isChecked());
        QVERIFY(f.usepeerdns->isChecked());
        QCOMPARE(f.ButtonGroup3->checkedId(), -1);
        QCOMPARE(f.dialmode->checkedId(), -1);
        QCOMPARE(f.TabWidget2->currentIndex(), 0);

        const QList<QWidget *> disabled = { f.gatewaybox, f.dnsbox, f.btPin, f.TextLabel1_7 };
        for (QWidget *w : widgetMembers(f)) {
            QCOMPARE(w->isEnabledTo(&f) ? w->objectName() + " on" : w->objectName() + " off",
                     w->objectName() + (disabled.contains(w) || disabled.contains(w->parentWidget())
                                             ? " off" : " on"));
        }
    }

    void speedOffersNineRates()
    {
        PPPConfigBase form;
        QStringList rates;
        for (int i = 0; i < form.speed->count(); ++i)
            rates << form.speed->itemText(i);
        QCOMPARE(rates, QStringList({ "4800", "9600", "19200", "38400", "57600", "115200",
                                      "230400", "460800", "921600" }));
        QCOMPARE(form.speed->currentIndex(), 5);
        QCOMPARE(form.speed->currentText(), QString("115200"));
    }

    void ranges()
    {
        PPPConfigBase form;
        QCOMPARE(form.connectdelay->orientation(), Qt::Horizontal);
        QCOMPARE(form.connectdelay->minimum(), 1);
        QCOMPARE(form.connectdelay->maximum(), 180);
        QCOMPARE(form.connectdelay->value(), 6);
        QCOMPARE(form.idletime->minimum(), 0);
        QCOMPARE(form.idletime->maximum(), 3600);
        QCOMPARE(form.idletime->singleStep(), 30);
        QCOMPARE(form.idletime->value(), 120);
        QCOMPARE(form.idletime->text(), QString("120 seconds"));
        form.idletime->stepUp();
        QCOMPARE(form.idletime->text(), QString("150 seconds"));
        form.idletime->setValue(5000);
        QCOMPARE(form.idletime->value(), 3600);
    }

    void sliderNumberFollowsTheSlider_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("shown");
        QTest::newRow("start") << 6 << "6";
        QTest::newRow("42") << 42 << "42";
        QTest::newRow("lowest") << 1 << "1";
        QTest::newRow("past the top") << 500 << "180";
    }
    void sliderNumberFollowsTheSlider()
    {
        QFETCH(int, set);
        PPPConfigBase form;
        form.connectdelay->setValue(set);
        QTEST(form.connectdelay_text->text(), "shown");
        QCOMPARE(form.connectdelay_text->alignment(), Qt::AlignVCenter | Qt::AlignRight);
    }

    void checkBoxesGovernTheirBoxes_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("box");
        QTest::newRow("routing") << "defaultroute" << "gatewaybox";
        QTest::newRow("name servers") << "usepeerdns" << "dnsbox";
    }
    void checkBoxesGovernTheirBoxes()
    {
        QFETCH(QString, check);
        QFETCH(QString, box);
        PPPConfigBase form;
        auto *checkBox = form.findChild<QCheckBox *>(check);
        auto *groupBox = form.findChild<QGroupBox *>(box);
        QVERIFY(!groupBox->isEnabled());
        checkBox->click();
        QVERIFY(!checkBox->isChecked());
        QVERIFY(groupBox->isEnabled());
        checkBox->click();
        QVERIFY(groupBox->isEnabled() == false);
    }

    void radioGroupIds_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("id");
        QTest::newRow("serial") << "serial_button" << "ButtonGroup3" << 0;
        QTest::newRow("bluetooth") << "bluetooth_button" << "ButtonGroup3" << 1;
        QTest::newRow("irda") << "irda_button" << "ButtonGroup3" << 2;
        QTest::newRow("manual") << "dial_manual" << "dialmode" << 0;
        QTest::newRow("idle") << "dial_idle" << "dialmode" << 1;
        QTest::newRow("demand") << "dial_demand" << "dialmode" << 2;
    }
    void radioGroupIds()
    {
        QFETCH(QString, button);
        QFETCH(QString, group);
        QFETCH(int, id);
        WarningRecorder quiet;
        PPPConfigBase form;
        auto *box = form.findChild<RadioGroupBox *>(group);
        auto *radio = form.findChild<QRadioButton *>(button);
        QCOMPARE(radio->parentWidget(), box);
        QCOMPARE(box->button(id), radio);

        radio->click();
        QCOMPARE(box->checkedId(), id);
        // Only one button of a group is on at a time.
        const int other = (id + 1) % 3;
        box->button(other)->click();
        QVERIFY(!radio->isChecked());
        QCOMPARE(box->checkedId(), other);

        box->setCheckedId(id);
        QVERIFY(radio->isChecked());
        box->setCheckedId(-1);
        QCOMPARE(box->checkedId(), -1);
        for (QAbstractButton *b : box->buttonGroup()->buttons())
            QVERIFY(!b->isChecked());
        box->setCheckedId(id);
        QCOMPARE(box->checkedId(), id);
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

    void initialSizeRule()
    {
        PPPConfigBase form;
        QCOMPARE(form.size(), QSize(380, 364).expandedTo(form.minimumSizeHint()));
        QVERIFY(form.minimumSizeHint().width() <= 480);
    }

    void defaultSlotsWarn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("warning");
        QTest::newRow("search") << "searchDevice" << "PPPConfigBase::btSearchClicked(): Not implemented yet";
        QTest::newRow("bluetooth") << "bluetooth_button" << "PPPConfigBase::bt_selected(): Not implemented yet";
        QTest::newRow("delete") << "del_account_button" << "PPPConfigBase::delete_account(): Not implemented yet";
        QTest::newRow("irda") << "irda_button" << "PPPConfigBase::irda_selected(): Not implemented yet";
        QTest::newRow("apply") << "apply_button" << "PPPConfigBase::Apply(): Not implemented yet";
        QTest::newRow("serial") << "serial_button" << "PPPConfigBase::serial_selected(): Not implemented yet";
    }
    void defaultSlotsWarn()
    {
        QFETCH(QString, button);
        QFETCH(QString, warning);
        PPPConfigBase form;
        WarningRecorder recorder;
        form.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(recorder.take(), QStringList(warning));
    }

    void buttonsActOnRelease()
    {
        PPPConfigBase form;
        WarningRecorder recorder;
        emit form.apply_button->released();
        emit form.del_account_button->released();
        emit form.apply_button->clicked();
        emit form.del_account_button->clicked();
        QCOMPARE(recorder.take(),
                 QStringList({ "PPPConfigBase::Apply(): Not implemented yet",
                               "PPPConfigBase::delete_account(): Not implemented yet" }));
    }

    void choosingAnEntryRunsNewAccount()
    {
        TestForm form;
        form.acname->addItems({ "Home", "Office" });
        WarningRecorder recorder;
        emit form.acname->textActivated("Office");
        QCOMPARE(form.newAccounts, QStringList("Office"));
        QCOMPARE(recorder.take(),
                 QStringList("PPPConfigBase::new_account(const QString&): Not implemented yet"));
    }

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
        QCOMPARE(form.acname->currentText(), typed);
        QTest::keyClick(form.acname, Qt::Key_Return);

        // new_account alone ran: neither Apply nor delete_account was pressed.
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

    void noPushButtonIsDefault()
    {
        PPPConfigBase form;
        for (QPushButton *b : form.findChildren<QPushButton *>()) {
            QVERIFY2(!b->autoDefault(), qPrintable(b->objectName()));
            QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
        }
    }

    void slotTable()
    {
        const QMetaObject &mo = PPPConfigBase::staticMetaObject;
        QCOMPARE(mo.className(), "PPPConfigBase");
        QCOMPARE(mo.superClass(), &QDialog::staticMetaObject);
        QStringList table;
        for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
            const QMetaMethod m = mo.method(i);
            QCOMPARE(m.methodType(), QMetaMethod::Slot);
            table << QString::fromLatin1(m.methodSignature())
                         + (m.access() == QMetaMethod::Public ? " public" : " protected");
        }
        QCOMPARE(table, QStringList({
            "btSearchClicked() public", "bt_selected() public", "delete_account() public",
            "irda_selected() public", "new_account(QString) public", "Apply() public",
            "serial_selected() public", "languageChange() protected" }));
        QCOMPARE(PPPConfig::staticMetaObject.className(), "PPPConfig");
        QCOMPARE(PPPConfig::staticMetaObject.superClass(), &PPPConfigBase::staticMetaObject);
        QCOMPARE(mo.propertyOffset(), mo.propertyCount());
        QCOMPARE(mo.enumeratorOffset(), mo.enumeratorCount());

        // The editor's own slot table: its overrides, private, in its order.
        const QMetaObject &editorMo = PPPConfig::staticMetaObject;
        QStringList editorTable;
        for (int i = editorMo.methodOffset(); i < editorMo.methodCount(); ++i) {
            const QMetaMethod m = editorMo.method(i);
            editorTable << QString::fromLatin1(m.methodSignature())
                    + (m.access() == QMetaMethod::Private ? " private" : " other");
        }
        QCOMPARE(editorTable, QStringList({
            "Apply() private", "btSearchClicked() private", "serial_selected() private",
            "irda_selected() private", "bt_selected() private", "delete_account() private",
            "new_account(QString) private" }));

        PPPConfig editor;
        QCOMPARE(qobject_cast<PPPConfigBase *>(&editor), &editor);
        QVERIFY(editor.inherits("QDialog"));
        QVERIFY(!editor.isModal());
    }

    void textsPassThroughTranslation()
    {
        BracketTranslator translator;
        QCoreApplication::installTranslator(&translator);
        TestForm form;
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(form.windowTitle(), QString("[Dial-up]"));
        QCOMPARE(form.TabWidget2->tabText(2), QString("[Network]"));
        QCOMPARE(form.speed->itemText(0), QString("[4800]"));
        QCOMPARE(form.speed->currentText(), QString("[115200]"));
        QCOMPARE(form.idletime->suffix(), QString("[ seconds]"));
        QCOMPARE(form.dial_idle->text(), QString("[Manual connect, automatic disconnect]"));
        // Not texts of the form's own: left alone.
        QVERIFY(form.del_account_button->text().isEmpty());
        QVERIFY(form.gatewaybox->title().isEmpty());
        QCOMPARE(form.connectdelay_text->text(), QString("6"));
    }

    void textPassAgainResetsSpeedAndAddresses()
    {
        TestForm form;
        form.speed->setCurrentIndex(0);
        form.gateway->setText("10.0.0.1");
        form.dns1->setText("10.0.0.2");
        form.dns2->setText("10.0.0.3");
        form.username->setText("alice");
        form.crtscts->setChecked(false);
        form.connectdelay->setValue(30);
        form.languageChange();
        QCOMPARE(form.speed->count(), 9);
        QCOMPARE(form.speed->currentIndex(), 5);
        QVERIFY(form.gateway->text().isEmpty());
        QVERIFY(form.dns1->text().isEmpty());
        QVERIFY(form.dns2->text().isEmpty());
        QCOMPARE(form.username->text(), QString("alice"));
        QVERIFY(!form.crtscts->isChecked());
        QCOMPARE(form.connectdelay_text->text(), QString("30"));
    }
};

QTEST_MAIN(TestFormTest)
#include "tst_form.moc"
