#ifndef PPPCONFIG_H
#define PPPCONFIG_H

#include "form/pppconfigbase.h"
#include "core/jobs/systemjob.h"
#include "core/system/commandrunner.h"
#include "core/pppfiles/systemapply.h"
#include "core/system/systemlayout.h"

#include <functional>
#include <memory>

class Config;
class ConnectionPanel;
class WaitNotice;

// The account editor: the dialog's behaviour behind the form. It keeps no
// account record of its own; the form's widgets are the account being edited,
// and each load opens the account's settings file for that one step. Apply
// and Delete run as jobs (ApplyJob, DeleteJob): meanwhile the form takes no
// input, a busy notice shows what is waited for, a change of language waits,
// and closing the window waits for the job's end, never stopping it halfway.
// The row below the pages dials the shown account (ConnectionPanel).
class PPPConfig : public PPPConfigBase
{
    Q_OBJECT

public:
    // system names every path outside $HOME and every command; runner runs
    // the commands (the dialog's own process runner when null).
    explicit PPPConfig(QWidget *parent = nullptr, const char *name = nullptr,
                       const SystemLayout &system = SystemLayout(),
                       CommandRunner *runner = nullptr);
    ~PPPConfig() override;

    // Puts name at the end of the account list and makes it current.
    void addAccountName(const QString &name);
    // Removes every entry equal to name from the account list.
    void removeAccountName(const QString &name);

    // Reads an open account settings store into the form.
    void loadAccount(Config &store);
    // Whether an Apply or Delete is running.
    bool isBusy() const { return job != nullptr; }

    // The account folder: <Config::homeFolder()>/Choices/common/
    static QString accountDirectory();
    // The settings file of account name inside the account folder.
    static QString accountFilePath(const QString &name);

protected:
    void reject() override;
    void changeEvent(QEvent *event) override;

private slots:
    void Apply() override;
    void btSearchClicked() override;
    void serial_selected() override;
    void irda_selected() override;
    void bt_selected() override;
    void delete_account() override;
    void new_account(const QString &str) override;
    void connectClicked();

private:
    void listAccounts();
    // Applies the form; then, when everything was written, runs applied.
    void applyThen(const std::function<void()> &applied);
    // The shown account as its settings file keeps it.
    AccountRecord savedRecord() const;
    // The account the form shows, under the name in the account list.
    AccountRecord shownRecord() const;
    void setPathButtons(bool serial, bool irda, bool bluetooth);
    void setBluetoothSearchEnabled(bool enabled);
    // Why the account file could not keep the form's values as they are, for
    // the values no system file checks: one reason per field.
    Reasons settingsInputProblems() const;
    // Shows the form as an account without settings would be shown; the
    // account list stays as it is.
    void clearAccount();
    // True when name is an account of this program: it has its own settings
    // file (being in the list proves nothing, typing a name puts it there).
    static bool hasSettingsFile(const QString &name);
    // Ask whether Apply may replace, or Delete remove, a peer file that
    // this program did not write.
    bool userAllowsReplacing(const QString &peerFile);
    bool userAllowsRemoving(const QString &peerFile);
    // Starts job with the form disabled and the notice following its
    // progress; userAllows answers its question; once it has finished, done
    // gets its result.
    void runJob(SystemJob *job, bool (PPPConfig::*userAllows)(const QString &),
                const std::function<void(const SystemResult &)> &done);
    void showProgress(SystemJob::Step step);
    // Shows refused input and what the writing of the system files did not
    // do in one box, in sentences of the user's language; nothing when there
    // is nothing to say.
    void reportApplyProblems(const Reasons &problems, const SystemResult &result);

    Config *loadedAccountStore = nullptr;
    ConnectionPanel *panel = nullptr;
    QVariantMap appliedValues;      // the form's fields as last loaded or applied
    SystemJob *job = nullptr;       // the running one, a child of the dialog
    WaitNotice *notice = nullptr;   // while a job waits
    bool closeWhenDone = false;
    bool languageChanged = false;   // while a job ran
    SystemLayout system;
    std::unique_ptr<CommandRunner> ownRunner;
    CommandRunner *runner;
};

#endif
