#include "account/pppconfig.h"

#include "account/connectionpanel.h"
#include "account/dunsearch.h"
#include "account/formvalues.h"
#include "account/providerfill.h"
#include "account/resulttext.h"
#include "account/waitnotice.h"

#include "config/config.h"
#include "form/radiogroupbox.h"
#include "core/record/accountname.h"
#include "core/jobs/applyjob.h"
#include "core/jobs/deletejob.h"
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
    panel = new ConnectionPanel(*this, system, this);
    connect(connect_button, &QPushButton::clicked, this, &PPPConfig::connectClicked);
    listAccounts();
}

PPPConfig::~PPPConfig()
{
    // Stops what still runs (the program is quitting), before the runner goes.
    delete job;
}

QString PPPConfig::accountDirectory()
{
    return accountSettingsFolder();
}

QString PPPConfig::accountFilePath(const QString &name)
{
    return accountSettingsFile(name);
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
        Config store(accountSettingsName(current), UserChoices);
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
    // As the form shows them: a value the form cannot show is changed already.
    appliedValues = fieldValues(recordShownIn(*this));
    panel->showAccount(record.name, record.password);
    setBluetoothSearchEnabled(bluetooth_button->isChecked());
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
        loadedAccountStore = new Config(accountSettingsName(str), UserChoices);
        loadAccount(*loadedAccountStore);
        delete loadedAccountStore;
        loadedAccountStore = nullptr;
    }
    addAccountName(str);
    panel->showAccount(str, password->text());
}

void PPPConfig::delete_account()
{
    if (job)
        return;
    const QString name = acname->currentText();
    const auto removeFromList = [this, name] {
        removeAccountName(name);
        // The deleted account's values must not stay on show under the name
        // now current, or the next Apply would write them into that account.
        // Cleared first: loading keeps what an account file leaves out (speed).
        clearAccount();
        const QString current = acname->currentText();
        if (!current.isEmpty() && hasSettingsFile(current))
            new_account(current);
    };
    // Only an account with its own settings file owns its peer file: a name
    // typed into the list may be a hand-written peer such as "provider".
    if (!hasSettingsFile(name)) {
        removeFromList();
        return;
    }
    auto *removal = new DeleteJob(system, *runner, name, SystemJob::WithSettings, false, this);
    const QString peer = system.peerFile(name);
    const auto report = [this, removal, peer, removeFromList](const SystemResult &result) {
        QStringList why = reasonTexts(result.notWritten);
        for (const FileFailure &failure : result.failures)
            why << reasonText(failure.reason);
        const std::optional<FileFailure> &kept = removal->settingsFailure();
        if (!why.isEmpty() || kept) {
            QMessageBox::warning(this, tr("Delete"),
                                 kept ? tr("The settings file %1 was not removed: %2")
                                            .arg(kept->path, reasonText(kept->reason))
                                      : tr("The peer file %1 was not removed:").arg(peer)
                                            + QLatin1Char('\n') + why.join(QLatin1Char('\n'))
                                            + QLatin1Char('\n') + tr("The account was kept."));
            return;
        }
        removeFromList();
    };
    runJob(removal, &PPPConfig::userAllowsRemoving, report);
}

bool PPPConfig::hasSettingsFile(const QString &name)
{
    return usableAsPath(name) && QFileInfo::exists(accountFilePath(name));
}

void PPPConfig::clearAccount()
{
    showRecordIn(*this, AccountRecord());
    appliedValues.clear();
    panel->showAccount(acname->currentText(), QString());
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

Reasons PPPConfig::settingsInputProblems() const
{
    // The account file keeps a value on one line and reads it back without
    // the blanks at its ends: such values would come back changed after a
    // restart. The fields that reach a system file too are applyInputProblems'.
    // Each field by its settings key.
    Reasons problems;
    const std::pair<const char *, QString> trimmed[] = {
        { "name", acname->currentText() },
        { "username", username->text() },
        { "password", password->text() },
    };
    for (const auto &[key, text] : trimmed) {
        if (text != text.trimmed())
            problems << Reason { Reason::BlankAtEnds, { QLatin1String(key) } };
    }
    const std::pair<const char *, QString> settingsOnly[] = {
        { "gateway", gateway->text() },
        { "dns1", dns1->text() },
        { "dns2", dns2->text() },
        { "BTDUN", bluetooth_button->isChecked() ? QString() : deviceList->currentText() },
    };
    for (const auto &[key, text] : settingsOnly) {
        if (containsControlCharacter(text))
            problems << Reason { Reason::ControlCharacter, { QLatin1String(key) } };
    }
    return problems;
}

void PPPConfig::Apply()
{
    applyThen([] { });
}

void PPPConfig::applyThen(const std::function<void()> &applied)
{
    if (job)
        return;
    const AccountRecord record = shownRecord();
    const Reasons problems = systemFileProblems(record) + settingsInputProblems();
    // Refused input writes no file at all, the account file included.
    if (!problems.isEmpty()) {
        reportApplyProblems(problems, SystemResult());
        return;
    }
    auto *apply = new ApplyJob(system, *runner, record, SystemJob::WithSettings, false, this);
    const QString name = record.name;
    const QVariantMap values = fieldValues(record);
    const auto report = [this, apply, name, values, applied](const SystemResult &result) {
        if (apply->savedNothing()) {
            QMessageBox::warning(this, tr("Apply"),
                                 tr("Nothing was saved: the peer file %1 was kept.\n"
                                    "Choose another account name.")
                                     .arg(result.foreignPeerFile));
            return;
        }
        // A name without a settings file (it could not be saved) is no account.
        if (hasSettingsFile(name)) {
            addAccountName(name);
            appliedValues = values;
        }
        reportApplyProblems(Reasons(), result);
        if (result.succeeded() && hasSettingsFile(name))
            applied();
    };
    runJob(apply, &PPPConfig::userAllowsReplacing, report);
}

AccountRecord PPPConfig::savedRecord() const
{
    Config store(accountSettingsName(acname->currentText()), UserChoices);
    return readAccountRecord(store);
}

void PPPConfig::connectClicked()
{
    if (panel->isActive())
        return panel->disconnectAccount();
    if (job)
        return;
    const QString name = acname->currentText();
    // First: outside the group, Debian's /etc/ppp/peers hides every peer file.
    if (const QString group = ConnectionReason::missingGroup(system.pppd); !group.isEmpty())
        return panel->refuse({ ConnectionReason::NotInGroup, { group } });
    if (!hasSettingsFile(name) || !QFileInfo::exists(system.peerFile(name)))
        return panel->refuse({ ConnectionReason::NoPeerFile, { name } });
    if (fieldValues(shownRecord()) == appliedValues)
        return panel->connectAccount(savedRecord().password);
    QMessageBox question(QMessageBox::Question, tr("Connect"),
                         tr("The form holds changes that are not applied yet."),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    question.button(QMessageBox::Yes)->setText(tr("Apply and connect"));
    question.button(QMessageBox::No)->setText(tr("Connect with the saved settings"));
    question.setDefaultButton(QMessageBox::Yes);
    switch (question.exec()) {
    case QMessageBox::Yes:
        return applyThen([this] { panel->connectAccount(savedRecord().password); });
    case QMessageBox::No:
        return panel->connectAccount(savedRecord().password);
    default:
        return;
    }
}

void PPPConfig::runJob(SystemJob *started, bool (PPPConfig::*userAllows)(const QString &),
                       const std::function<void(const SystemResult &)> &done)
{
    job = started;
    TabWidget2->setEnabled(false);
    connect(job, &SystemJob::progress, this, &PPPConfig::showProgress);
    connect(job, &SystemJob::needsPermission, this, [this, userAllows](const QString &peerFile) {
        if (notice)
            notice->hide();
        job->answer((this->*userAllows)(peerFile));
    });
    connect(job, &SystemJob::finished, this, [this, done](const SystemResult &result) {
        job->deleteLater();
        job = nullptr;
        delete notice;
        notice = nullptr;
        TabWidget2->setEnabled(true);
        if (std::exchange(languageChanged, false)) {
            QEvent change(QEvent::LanguageChange);
            changeEvent(&change);
        }
        done(result);
        if (std::exchange(closeWhenDone, false))
            close();
    });
    job->start();
}

void PPPConfig::showProgress(SystemJob::Step step)
{
    if (!notice)
        notice = new WaitNotice(this);
    // The binding, or the administrator's password, takes a while: the
    // dialog must not look dead.
    QString text = step == SystemJob::BindingBluetooth ? tr("Binding the phone over Bluetooth...")
                                                       : tr("Writing the system files...");
    if (closeWhenDone)
        text += QLatin1Char('\n') + tr("The window closes when this has ended.");
    notice->showText(text);
}

void PPPConfig::reject()
{
    // Closing waits for the running job: stopping it halfway could leave
    // the PC card ejected or Bluetooth stopped.
    if (job) {
        if (!std::exchange(closeWhenDone, true) && notice)
            notice->setLabelText(notice->labelText() + QLatin1Char('\n')
                                 + tr("The window closes when this has ended."));
        return;
    }
    PPPConfigBase::reject();
}

void PPPConfig::changeEvent(QEvent *event)
{
    // The form takes the new language once the job has ended.
    if (event->type() == QEvent::LanguageChange && job) {
        languageChanged = true;
        return;
    }
    PPPConfigBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        panel->render();
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

void PPPConfig::reportApplyProblems(const Reasons &problems, const SystemResult &result)
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
        failures << fileFailureText(failure);
    paragraph(tr("No file was written:"), reasonTexts(problems));
    if (!result.notWritten.isEmpty()) {
        paragraph(tr("The system files were not written:"),
                  reasonTexts(result.notWritten) << tr("The account's own settings were saved."));
    }
    paragraph(tr("These files could not be written:"), failures);
    paragraph(tr("The Bluetooth binding did not succeed:"), reasonTexts(result.commandProblems));
    QMessageBox::warning(this, tr("Apply"), lines.join(QLatin1Char('\n')));
}

void PPPConfig::btSearchClicked()
{
    DunSearch::fillDunList(deviceList, this, TabWidget2, system);
}
