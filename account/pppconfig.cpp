#include "account/pppconfig.h"

#include "account/dunsearch.h"
#include "account/formvalues.h"
#include "account/providerfill.h"
#include "account/waitnotice.h"

#include "config/config.h"
#include "form/radiogroupbox.h"
#include "core/record/accountname.h"
#include "core/protocol/applyhelper.h"
#include "core/system/systemfile.h"

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
    if (const QStringList missing = unmappedFields(*this); !missing.isEmpty())
        qFatal("The form shows no widget for the account fields %s",
               qPrintable(missing.join(QLatin1String(", "))));
    Config::setOutOfSpaceNotice(showOutOfSpaceBox);
    setUpProviderButton(*this, system);
    listAccounts();
}

PPPConfig::~PPPConfig() = default;

QString PPPConfig::accountDirectory()
{
    return Config::homeFolder() + QStringLiteral("/Choices/common/");
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
    const AccountRecord record = readAccountRecord(store);
    addAccountName(record.name);
    showRecordIn(*this, record);
    setBluetoothSearchEnabled(bluetooth_button->isChecked());
}

void PPPConfig::storeAccount(Config &store) const
{
    storeAccountRecord(store, shownRecord());
}

AccountRecord PPPConfig::shownRecord() const
{
    AccountRecord record = recordShownIn(*this);
    record.name = acname->currentText();
    return record;
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
        const QFileInfo peer(system.peerFile(name));
        // No password is asked for a peer file that is surely not there. The
        // empty name has no peer file: its path is the peers folder.
        const bool peerMayBeThere = peer.exists() || peer.isSymLink()
            || !QFileInfo(system.peersDir).isReadable();
        SystemResult result;
        if (!name.isEmpty() && peerMayBeThere) {
            result = removeSystemFiles(name, false);
            // One the user keeps stays; the account goes all the same.
            if (!result.foreignPeerFile.isEmpty())
                result = userAllowsRemoving(result.foreignPeerFile) ? removeSystemFiles(name, true)
                                                                    : SystemResult();
        }
        QStringList why = result.notWritten;
        for (const FileFailure &failure : result.failures)
            why << failure.reason;
        // The settings file goes last: an account whose peer file is still
        // there (a refusal, a password not given) can be deleted again.
        std::optional<FileFailure> kept;
        if (why.isEmpty())
            kept = removeFileIfPresent(accountFilePath(name));
        if (!why.isEmpty() || kept) {
            QMessageBox::warning(this, tr("Delete"),
                                 kept ? tr("The settings file %1 was not removed: %2")
                                            .arg(kept->path, kept->reason)
                                      : tr("The peer file %1 was not removed:").arg(peer.filePath())
                                            + QLatin1Char('\n') + why.join(QLatin1Char('\n'))
                                            + QLatin1Char('\n') + tr("The account was kept."));
            return;
        }
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

SystemResult PPPConfig::removeSystemFiles(const QString &name, bool mayRemoveForeign)
{
    return system.throughHelper ? callApplyHelper(system, deleteRequest(name, mayRemoveForeign))
                                : removePeerFile(system, name, mayRemoveForeign);
}

bool PPPConfig::hasSettingsFile(const QString &name)
{
    return usableAsPath(name) && QFileInfo::exists(accountFilePath(name));
}

void PPPConfig::clearAccount()
{
    showRecordIn(*this, AccountRecord());
    btPin->clear();
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

SystemResult PPPConfig::saveAccount(Config &store, bool mayReplacePeerFile)
{
    storeAccount(store);
    // The account file goes first: when it cannot be saved, the system files
    // are left as well, so they keep agreeing with the account file.
    QString reason;
    if (!store.save(QString(), &reason)) {
        store.discardChanges();
        SystemResult result;
        result.failures << FileFailure { store.filePath(), reason };
        return result;
    }

    const AccountRecord record = shownRecord();
    if (!system.throughHelper && !record.bluetooth)
        return applySystemFiles(system, *runner, record, mayReplacePeerFile);
    // The binding, or the administrator's password, takes a while:
    // the dialog must not look dead.
    WaitNotice notice(this, TabWidget2,
                      bluetooth_button->isChecked() ? tr("Binding the phone over Bluetooth...")
                                                    : tr("Writing the system files..."));
    if (system.throughHelper)
        return callApplyHelper(system, applyRequest(record, mayReplacePeerFile));
    return applySystemFiles(system, *runner, record, mayReplacePeerFile);
}

void PPPConfig::Apply()
{
    const QString name = acname->currentText();
    const QStringList problems =
        systemFileProblems(shownRecord()) + settingsInputProblems();
    // Refused input writes no file at all, the account file included.
    if (!problems.isEmpty()) {
        reportApplyProblems(problems, SystemResult());
        return;
    }
    const bool hadSettingsFile = hasSettingsFile(name);
    SystemResult result;
    {
        Config store(settingsPrefix + name, UserChoices);
        result = saveAccount(store, false);
        // Whose a peer file is, the writer decides: the dialog may not be
        // allowed to look into the peers folder.
        if (!result.foreignPeerFile.isEmpty()) {
            if (userAllowsReplacing(result.foreignPeerFile)) {
                result = saveAccount(store, true);
            } else if (!hadSettingsFile) {
                // The settings file just made goes too: nothing was saved.
                store.discardChanges();
                QFile::remove(store.filePath());
                QMessageBox::warning(this, tr("Apply"),
                                     tr("Nothing was saved: the peer file %1 was kept.\n"
                                        "Choose another account name.")
                                         .arg(result.foreignPeerFile));
                return;
            }
        }
    }
    // A name without a settings file (it could not be saved) is no account.
    if (hasSettingsFile(name))
        addAccountName(name);
    reportApplyProblems(problems, result);
}

bool PPPConfig::userAllowsReplacing(const QString &peerFile)
{
    return QMessageBox::question(this, tr("Apply"),
                                 tr("The peer file %1 belongs to no account of this program.\n"
                                    "Replace it?")
                                     .arg(peerFile),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool PPPConfig::userAllowsRemoving(const QString &peerFile)
{
    return QMessageBox::question(this, tr("Delete"),
                                 tr("The peer file %1 belongs to no account of this program.\n"
                                    "Remove it as well?")
                                     .arg(peerFile),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void PPPConfig::reportApplyProblems(const QStringList &problems, const SystemResult &result)
{
    if (problems.isEmpty() && result.succeeded())
        return;
    QStringList lines;
    const auto paragraph = [&lines](const QString &heading, const QStringList &body) {
        if (body.isEmpty())
            return;
        if (!lines.isEmpty())
            lines << QString();
        lines << heading;
        lines += body;
    };
    QStringList failures;
    for (const FileFailure &failure : result.failures)
        failures << tr("%1: %2").arg(failure.path, failure.reason);
    paragraph(tr("No file was written:"), problems);
    if (!result.notWritten.isEmpty()) {
        paragraph(tr("The system files were not written:"),
                  result.notWritten + QStringList(tr("The account's own settings were saved.")));
    }
    paragraph(tr("These files could not be written:"), failures);
    paragraph(tr("The Bluetooth binding did not succeed:"), result.commandProblems);
    QMessageBox::warning(this, tr("Apply"), lines.join(QLatin1Char('\n')));
}

void PPPConfig::btSearchClicked()
{
    DunSearch::fillDunList(deviceList, this, system);
}
