#include "core/jobs/systemjob.h"

#include "core/protocol/applyhelper.h"

SystemJob::SystemJob(const SystemLayout &layout, CommandRunner &runner, Scope scope,
                     QObject *parent)
    : QObject(parent)
    , layout(layout)
    , runner(runner)
    , scope(scope)
{
}

void SystemJob::answer(bool allowed)
{
    if (const std::function<void(bool)> goOn = std::exchange(pendingAnswer, nullptr))
        goOn(allowed);
}

void SystemJob::runSystemStep(const QStringList &helper, const QByteArray &request,
                              const std::function<void(const StepFinished &)> &inProcess,
                              const StepFinished &done)
{
    if (!layout.throughHelper) {
        inProcess(done);
        return;
    }
    helperRunner.start(helper, request, [helper, done](const CommandRunner::Outcome &outcome) {
        done(helperAnswer(helper, outcome));
    });
}

void SystemJob::askIfForeign(const SystemResult &result, const std::function<void(bool)> &onAnswer,
                             const std::function<void()> &onNoQuestion)
{
    if (scope != WithSettings || result.foreignPeerFile.isEmpty()) {
        onNoQuestion();
        return;
    }
    pendingAnswer = onAnswer;
    emit needsPermission(result.foreignPeerFile);
}

void SystemJob::finish(const SystemResult &result)
{
    emit finished(result);
}
