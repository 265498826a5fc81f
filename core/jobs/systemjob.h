#ifndef SYSTEMJOB_H
#define SYSTEMJOB_H

#include "core/pppfiles/systemapply.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QObject>

#include <functional>
#include <optional>

// One change of the system files that runs to its end once started, in the
// event loop of the thread that starts it: in this process when it may write
// them (layout.throughHelper is false), through the privileged helper
// otherwise. It never waits inside a call: what it waits for (the
// administrator's password, the Bluetooth restart) ends in a signal.
class SystemJob : public QObject
{
    Q_OBJECT

public:
    // What the job is doing, for a window to show.
    enum Step { WritingFiles, BindingBluetooth };
    Q_ENUM(Step)

    // Whether the job looks after the account's settings file as well (the
    // dialog's job), and asks before touching a peer file this program did
    // not write; or the system files only, a foreign peer file being kept
    // and reported (the helper's job).
    enum Scope { SystemFilesOnly, WithSettings };

    // runner runs the binding's commands in this process.
    SystemJob(const SystemLayout &layout, CommandRunner &runner, Scope scope,
              QObject *parent = nullptr);

    // Starts the job; finished may come before this returns.
    virtual void start() = 0;
    // The answer to needsPermission: whether the peer file may be replaced
    // or removed. The job goes on from there.
    void answer(bool allowed);

signals:
    void progress(SystemJob::Step step);
    // A WithSettings job found a peer file this program did not write and
    // waits for answer().
    void needsPermission(const QString &peerFile);
    // Once, at the end: what was not done.
    void finished(const SystemResult &result);

protected:
    using StepFinished = std::function<void(const SystemResult &)>;
    // The system side, in this process or through helper (the layout's
    // applyHelper or deleteHelper); request is the helper's request for it.
    void runSystemStep(const QStringList &helper, const QByteArray &request,
                       const std::function<void(const StepFinished &)> &inProcess,
                       const StepFinished &done);
    // Asks, when result names a foreign peer file and the scope allows,
    // then calls onAnswer; otherwise goes straight to onNoQuestion.
    void askIfForeign(const SystemResult &result, const std::function<void(bool)> &onAnswer,
                      const std::function<void()> &onNoQuestion);
    void finish(const SystemResult &result);

    SystemLayout layout;
    CommandRunner &runner;
    Scope scope;

private:
    // No time limit: the administrator's password is being typed meanwhile.
    ProcessRunner helperRunner { -1 };
    std::function<void(bool)> pendingAnswer;
};

#endif
