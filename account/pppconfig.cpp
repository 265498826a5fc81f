#include "account/pppconfig.h"

#include "account/waitnotice.h"

#include "config/config.h"
#include "form/radiogroupbox.h"
#include "syswriters/accountfiles.h"
#include "syswriters/accountname.h"
#include "syswriters/applyinput.h"
#include "account/dunsearch.h"
#include "syswriters/peerfile.h"
#include "syswriters/rfcommbinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <utility>

namespace {

const QString settingsPrefix = QStringLiteral("Network-PPP-");

// Names that may be joined into a path. The empty name is allowed: it is the
// settings file "Network-PPP-.conf" and has no peer file.
bool usableAsPath(const QString &name)
{
    return name.isEmpty() || isSafeAccountName(name);
}

// Makes text the current entry of box, adding it only when no equal entry is
// there yet; an empty text leaves no entry current.
void selectOrAppend(QComboBox *box, const QString &text)
{
    if (text.isEmpty()) {
        box->setCurrentIndex(-1);
        return;
    }
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void showOutOfSpaceBox(const QString &caption, const QString &text)
{
    QMessageBox::critical(nullptr, caption, text, QMessageBox::Ok);
}

} // namespace

PPPConfig::PPPConfig(QWidget *parent, const char *name, const SystemLayout &system,
                     CommandRunner *runner)
    : PPPConfigBase(parent, name, false, Qt::WindowFlags())
    , system(system)
    , ownRunner(runner ? nullptr : new ProcessRunner)
    , runner(runner ? runner : ownRunner.get())
{
    Config::setOutOfSpaceNotice(showOutOfSpaceBox);
    listAccounts();
}

PPPConfig::~PPPConfig() = default;

QString PPPConfig::accountDirectory()
{
    return qEnvironmentVariable("HOME") + QStringLiteral("/Choices/common/");
}

QString PPPConfig::accountFilePath(const QString &name)
{
    return accountDirectory() + settingsPrefix + name + QStringLiteral(".conf");
}

void PPPConfig::listAccounts()
{
    const QString directory = accountDirectory();
    const QStringList files = QDir(directory, settingsPrefix + QStringLiteral("*.conf"),
                                   QDir::Name | QDir::IgnoreCase, QDir::Files)
                                  .entryList();
    // The names are gathered as addAccountName would order them and handed
    // to the combo box at once: asking the box for every entry's text and
    // changing its current entry once per file makes start-up grow with the
    // square of the number of accounts.
    QStringList names;
    QSet<QString> seen;
    bool listed = false;
    for (const QString &file : files) {
        if (file == settingsPrefix + QStringLiteral(".conf"))
            continue;
        Config store(directory + file, ExactPath);
        store.selectGroup(QStringLiteral("Info"));
        const QString name = store.textValue(QStringLiteral("name"), QString());
        if (seen.contains(name))
            names.removeAll(name);
        seen.insert(name);
        names.append(name);
        listed = true;
    }
    acname->clear();
    acname->addItems(names);
    acname->setCurrentIndex(int(names.size()) - 1);

    const QString current = acname->currentText();
    if (listed && usableAsPath(current)) {
        Config store(settingsPrefix + current, UserChoices);
        loadAccount(store);
    } else {
        // Nothing loaded: the search follows the form's own path, as always.
        setBluetoothSearchEnabled(bluetooth_button->isChecked());
    }
}

void PPPConfig::addAccountName(const QString &name)
{
    removeAccountName(QString(name));
    acname->addItem(name);
    acname->setCurrentIndex(acname->count() - 1);
}

void PPPConfig::removeAccountName(const QString &name)
{
    for (int i = acname->count() - 1; i >= 0; --i) {
        if (acname->itemText(i) == name)
            acname->removeItem(i);
    }
}

void PPPConfig::setPathButtons(bool serial, bool irda, bool bluetooth)
{
    // The strongest path wins; an account may have none at all.
    const int id = bluetooth ? ButtonGroup3->id(bluetooth_button)
                 : irda      ? ButtonGroup3->id(irda_button)
                 : serial    ? ButtonGroup3->id(serial_button)
                             : -1;
    ButtonGroup3->setCheckedId(id);
}

void PPPConfig::setBluetoothSearchEnabled(bool enabled)
{
    deviceList->setEnabled(enabled);
    searchDevice->setEnabled(enabled);
}

void PPPConfig::loadAccount(Config &store)
{
    store.selectGroup(QStringLiteral("Info"));
    addAccountName(store.textValue(QStringLiteral("name"), QStringLiteral("DialUp connection")));

    store.selectGroup(QStringLiteral("Properties"));
    username->setText(store.textValue(QStringLiteral("username"), QString()));
    password->setText(store.textValue(QStringLiteral("password"), QString()));
    phone->setText(store.textValue(QStringLiteral("phone"), QString()));

    setPathButtons(store.flagValue(QStringLiteral("Serial"), false),
                   store.flagValue(QStringLiteral("IrDA"), false),
                   store.flagValue(QStringLiteral("Bluetooth"), false));

    btdevice->setText(store.textValue(QStringLiteral("device"), QStringLiteral("/dev/ttyS0")));
    atdial->setText(store.textValue(QStringLiteral("atdial"), QStringLiteral("ATZ")));

    // Like every other value, a missing speed shows its default, not the one
    // of the account shown before, which Apply would save into this one.
    const QString storedSpeed = store.textValue(QStringLiteral("speed"), QString());
    selectOrAppend(speed, storedSpeed.isEmpty() ? QStringLiteral("115200") : storedSpeed);

    crtscts->setChecked(store.flagValue(QStringLiteral("crtscts"), false));
    // The slider keeps the value within its own range.
    connectdelay->setValue(store.numberValue(QStringLiteral("connectdelay"), 0) / 1000);

    // Each account carries its own DUN entry: a stale one from the account
    // shown before would be saved into this one.
    selectOrAppend(deviceList, store.textValue(QStringLiteral("BTDUN"), QString()));

    if (QAbstractButton *mode = dialmode->button(store.numberValue(QStringLiteral("dialmode"), 0)))
        mode->setChecked(true);
    idletime->setValue(store.numberValue(QStringLiteral("idletime"), 120));

    // The addresses are the account's even while auto-detection greys them out.
    defaultroute->setChecked(store.flagValue(QStringLiteral("defaultroute"), false));
    gateway->setText(store.textValue(QStringLiteral("gateway"), QString()));
    usepeerdns->setChecked(store.flagValue(QStringLiteral("usepeerdns"), false));
    dns1->setText(store.textValue(QStringLiteral("dns1"), QString()));
    dns2->setText(store.textValue(QStringLiteral("dns2"), QString()));

    setBluetoothSearchEnabled(bluetooth_button->isChecked());
}

void PPPConfig::storeAccount(Config &store) const
{
    store.selectGroup(QStringLiteral("Info"));
    store.putText(QStringLiteral("name"), acname->currentText());

    store.selectGroup(QStringLiteral("Properties"));
    store.putText(QStringLiteral("username"), username->text());
    store.putText(QStringLiteral("password"), password->text());
    store.putText(QStringLiteral("phone"), phone->text());
    store.putNumber(QStringLiteral("Serial"), serial_button->isChecked() ? 1 : 0);
    store.putNumber(QStringLiteral("IrDA"), irda_button->isChecked() ? 1 : 0);
    store.putNumber(QStringLiteral("Bluetooth"), bluetooth_button->isChecked() ? 1 : 0);
    store.putText(QStringLiteral("device"), btdevice->text());
    store.putText(QStringLiteral("atdial"), atdial->text());
    store.putText(QStringLiteral("speed"), speed->currentText());
    store.putNumber(QStringLiteral("crtscts"), crtscts->isChecked() ? 1 : 0);
    store.putNumber(QStringLiteral("connectdelay"), connectdelay->value() * 1000);
    store.putText(QStringLiteral("BTDUN"), deviceList->currentText());
    store.putNumber(QStringLiteral("dialmode"), dialmode->checkedId());
    store.putNumber(QStringLiteral("idletime"), idletime->value());
    store.putNumber(QStringLiteral("defaultroute"), defaultroute->isChecked() ? 1 : 0);
    store.putText(QStringLiteral("gateway"), gateway->text());
    store.putNumber(QStringLiteral("usepeerdns"), usepeerdns->isChecked() ? 1 : 0);
    store.putText(QStringLiteral("dns1"), dns1->text());
    store.putText(QStringLiteral("dns2"), dns2->text());
}

void PPPConfig::new_account(const QString &str)
{
    // A name that is no plain file name must not lead the store elsewhere.
    if (usableAsPath(str) && QFileInfo::exists(accountFilePath(str))) {
        loadedAccountStore = new Config(settingsPrefix + str, UserChoices);
        loadAccount(*loadedAccountStore);
        delete loadedAccountStore;
        loadedAccountStore = nullptr;
    }
    addAccountName(str);
}

void PPPConfig::delete_account()
{
    const QString name = acname->currentText();
    // Only an account with its own settings file owns its peer file: a name
    // typed into the list may be a hand-written peer such as "provider".
    if (hasSettingsFile(name)) {
        QFile::remove(accountFilePath(name));
        // The empty name has no peer file: its path is the peers folder.
        const QString peerFile = system.peerFile(name);
        if (!name.isEmpty() && QFileInfo(peerFile).isFile())
            QFile::remove(peerFile);
    }
    removeAccountName(name);

    // The deleted account's values must not stay on show under the name now
    // current, or the next Apply would write them into that account.
    // Cleared first: loading keeps what an account file leaves out (speed).
    clearAccount();
    const QString current = acname->currentText();
    if (!current.isEmpty() && hasSettingsFile(current))
        new_account(current);
}

bool PPPConfig::hasSettingsFile(const QString &name)
{
    return usableAsPath(name) && QFileInfo::exists(accountFilePath(name));
}

void PPPConfig::clearAccount()
{
    // What loadAccount shows for an account file without entries.
    username->clear();
    password->clear();
    phone->clear();
    setPathButtons(false, false, false);
    btdevice->setText(QStringLiteral("/dev/ttyS0"));
    atdial->setText(QStringLiteral("ATZ"));
    speed->setCurrentIndex(speed->findText(QStringLiteral("115200")));
    crtscts->setChecked(false);
    connectdelay->setValue(0);
    deviceList->setCurrentIndex(-1);
    btPin->clear();
    dial_manual->setChecked(true);
    idletime->setValue(120);
    defaultroute->setChecked(false);
    gateway->clear();
    usepeerdns->setChecked(false);
    dns1->clear();
    dns2->clear();
    setBluetoothSearchEnabled(false);
}

void PPPConfig::serial_selected()
{
    btdevice->setText(QStringLiteral("/dev/ttyS0"));
    setBluetoothSearchEnabled(false);
}

void PPPConfig::irda_selected()
{
    btdevice->setText(QStringLiteral("/dev/ircomm0"));
    setBluetoothSearchEnabled(false);
}

void PPPConfig::bt_selected()
{
    btdevice->setText(QStringLiteral("/dev/rfcomm0"));
    setBluetoothSearchEnabled(true);
}

PeerValues PPPConfig::peerValues() const
{
    PeerValues values;
    values.device = btdevice->text();
    values.speed = speed->currentText();
    values.initString = atdial->text();
    values.phone = phone->text();
    values.crtscts = crtscts->isChecked();
    values.userName = username->text();
    values.dialMode = dialmode->checkedId();
    values.idleTime = idletime->value();
    values.usePeerDns = usepeerdns->isChecked();
    values.defaultRoute = defaultroute->isChecked();
    values.connectDelay = connectdelay->value();
    values.accountName = acname->currentText();
    return values;
}

QStringList PPPConfig::settingsInputProblems() const
{
    // The account file keeps a value on one line and reads it back without
    // the blanks at its ends: such values would come back changed after a
    // restart. The fields that reach a system file too are applyInputProblems'.
    QStringList problems;
    const std::pair<const char *, QString> trimmed[] = {
        { QT_TR_NOOP("Name"), acname->currentText() },
        { QT_TR_NOOP("Username"), username->text() },
        { QT_TR_NOOP("Password"), password->text() },
    };
    for (const auto &[label, text] : trimmed) {
        if (text != text.trimmed())
            problems << tr("%1 begins or ends with a blank, which the account file cannot keep.")
                            .arg(tr(label));
    }
    const std::pair<const char *, QString> settingsOnly[] = {
        { QT_TR_NOOP("Gateway"), gateway->text() },
        { QT_TR_NOOP("First DNS"), dns1->text() },
        { QT_TR_NOOP("Second DNS"), dns2->text() },
        { QT_TR_NOOP("BT DUN"), bluetooth_button->isChecked() ? QString() : deviceList->currentText() },
    };
    for (const auto &[label, text] : settingsOnly) {
        if (containsControlCharacter(text))
            problems << tr("%1 holds a control character, such as a line break.").arg(tr(label));
    }
    return problems;
}

FileFailures PPPConfig::saveAccount(Config &store, QStringList *commandProblems)
{
    storeAccount(store);
    // The account file goes first: when it cannot be saved, the system files
    // are left as well, so they keep agreeing with the account file.
    QString reason;
    if (!store.save(QString(), &reason)) {
        store.discardChanges();
        return { FileFailure{ store.filePath(), reason } };
    }

    const PeerValues values = peerValues();
    FileFailures failures = writeAccountFiles(system, values, password->text());

    if (bluetooth_button->isChecked()) {
        // The service restart takes a while; the dialog must not look dead.
        WaitNotice notice(this, TabWidget2, tr("Binding the phone over Bluetooth..."));
        CheckedRunner checked(*runner);
        failures += bindBluetooth(system, checked, btdevice->text(), deviceList->currentText());
        if (bindingMethod(system) == BindingMethod::None)
            checked.problems << bindingUnavailableText();
        if (commandProblems)
            *commandProblems += checked.problems;
    }
    return failures;
}

void PPPConfig::Apply()
{
    const QString name = acname->currentText();
    const QStringList problems =
        applyInputProblems(peerValues(), password->text(),
                           bluetooth_button->isChecked() ? deviceList->currentText() : QString())
        + settingsInputProblems();
    if (problems.isEmpty() && !mayReplacePeerFile(name)) {
        // Saving the settings alone would make the peer file this account's
        // own, to be replaced by the next Apply and removed by Delete.
        QMessageBox::warning(this, tr("Apply"),
                             tr("Nothing was saved: the peer file %1 was kept.\n"
                                "Choose another account name.")
                                 .arg(system.peerFile(name)));
        return;
    }
    FileFailures failures;
    QStringList commandProblems;
    // Refused input writes no file at all, the account file included.
    if (problems.isEmpty()) {
        Config store(settingsPrefix + name, UserChoices);
        failures = saveAccount(store, &commandProblems);
    }
    addAccountName(acname->currentText());
    reportApplyProblems(problems, failures, commandProblems);
}

bool PPPConfig::mayReplacePeerFile(const QString &name)
{
    const QFileInfo peer(system.peerFile(name));
    if (!peer.exists() && !peer.isSymLink())
        return true;
    if (hasSettingsFile(name))
        return true;
    return QMessageBox::question(this, tr("Apply"),
                                 tr("The peer file %1 belongs to no account of this program.\n"
                                    "Replace it?")
                                     .arg(peer.filePath()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void PPPConfig::reportApplyProblems(const QStringList &problems, const FileFailures &failures,
                                    const QStringList &commandProblems)
{
    if (problems.isEmpty() && failures.isEmpty() && commandProblems.isEmpty())
        return;
    QStringList lines;
    if (!problems.isEmpty()) {
        lines << tr("No file was written:");
        lines += problems;
    }
    if (!failures.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << tr("These files could not be written:");
        for (const FileFailure &failure : failures)
            lines << tr("%1: %2").arg(failure.path, failure.reason);
    }
    if (!commandProblems.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << tr("The Bluetooth binding did not succeed:");
        lines += commandProblems;
    }
    QMessageBox::warning(this, tr("Apply"), lines.join(QLatin1Char('\n')));
}

void PPPConfig::btSearchClicked()
{
    DunSearch::fillDunList(deviceList, this, system);
}
