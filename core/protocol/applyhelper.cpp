#include "core/protocol/applyhelper.h"

#include "core/jobs/applyjob.h"
#include "core/jobs/deletejob.h"
#include "core/system/commandrunner.h"
#include "core/system/systemlayout.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// pkexec's own exit statuses.
constexpr int pkexecDismissed = 126;
constexpr int pkexecNotAuthorized = 127;

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

SystemResult refused(const QString &why)
{
    SystemResult result;
    result.notWritten << QStringLiteral("The helper refused the request: ") + why;
    return result;
}

bool isWholeNumber(const QJsonValue &value)
{
    const double number = value.toDouble();
    return value.isDouble() && std::trunc(number) == number
        && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
}

// The request's values, checked against the table, put into record; why
// not, in why.
void takeCheckedValues(const QJsonObject &given, AccountRecord &record, QString &why)
{
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        const QJsonValue value = given.value(key);
        const bool fits = field.kind == AccountField::Text
            ? value.isString() && value.toString().size() <= maxFieldLength
            : field.kind == AccountField::Flag ? value.isBool() : isWholeNumber(value);
        if (!fits) {
            why = QStringLiteral("the value \"%1\" is missing, too long or not of its kind").arg(key);
            return;
        }
        field.setIn(record, field.kind == AccountField::Number ? QVariant(value.toInt())
                                                               : value.toVariant());
    }
    if (given.size() != accountFields().size())
        why = QStringLiteral("it holds values that are not an account's");
}

QStringList textsOf(const QJsonValue &value)
{
    QStringList texts;
    for (const QJsonValue &text : value.toArray())
        texts << text.toString();
    return texts;
}

QByteArray answerText(const SystemResult &result)
{
    QJsonArray failures;
    for (const FileFailure &failure : result.failures)
        failures.append(QJsonObject { { QStringLiteral("path"), failure.path },
                                      { QStringLiteral("reason"), failure.reason } });
    return compact({ { QStringLiteral("notWritten"), QJsonArray::fromStringList(result.notWritten) },
                     { QStringLiteral("failures"), failures },
                     { QStringLiteral("commandProblems"), QJsonArray::fromStringList(result.commandProblems) },
                     { QStringLiteral("foreignPeerFile"), result.foreignPeerFile } });
}

std::optional<SystemResult> parseAnswer(const QByteArray &text)
{
    const QJsonObject answer = QJsonDocument::fromJson(text).object();
    if (!answer.value(QStringLiteral("notWritten")).isArray()
        || !answer.value(QStringLiteral("failures")).isArray()
        || !answer.value(QStringLiteral("commandProblems")).isArray())
        return std::nullopt;
    SystemResult result;
    result.notWritten = textsOf(answer.value(QStringLiteral("notWritten")));
    result.commandProblems = textsOf(answer.value(QStringLiteral("commandProblems")));
    result.foreignPeerFile = answer.value(QStringLiteral("foreignPeerFile")).toString();
    for (const QJsonValue &failure : answer.value(QStringLiteral("failures")).toArray())
        result.failures << FileFailure { failure[QStringLiteral("path")].toString(),
                                         failure[QStringLiteral("reason")].toString() };
    return result;
}

} // namespace

QByteArray applyRequest(const AccountRecord &record, bool replacePeerFile)
{
    return compact({ { QStringLiteral("operation"), QStringLiteral("apply") },
                     { QStringLiteral("name"), record.name },
                     { QStringLiteral("replacePeerFile"), replacePeerFile },
                     { QStringLiteral("values"), QJsonObject::fromVariantMap(fieldValues(record)) } });
}

QByteArray deleteRequest(const QString &name, bool replacePeerFile)
{
    return compact({ { QStringLiteral("operation"), QStringLiteral("delete") },
                     { QStringLiteral("name"), name },
                     { QStringLiteral("replacePeerFile"), replacePeerFile } });
}

std::unique_ptr<SystemJob> requestedJob(const QByteArray &request, const SystemLayout &layout,
                                        CommandRunner &runner, SystemResult &refusal)
{
    // The helper writes itself: it never hands the request on.
    SystemLayout writer = layout;
    writer.throughHelper = false;
    if (request.size() > maxRequestBytes) {
        refusal = refused(QStringLiteral("it is too long"));
        return nullptr;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request, &error);
    if (!document.isObject()) {
        refusal = refused(QStringLiteral("it is no JSON object (%1)").arg(error.errorString()));
        return nullptr;
    }
    const QJsonObject object = document.object();
    const QString operation = object.value(QStringLiteral("operation")).toString();
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!name.isString() || name.toString().size() > maxFieldLength) {
        refusal = refused(QStringLiteral("it names no account"));
        return nullptr;
    }

    const QJsonValue replace = object.value(QStringLiteral("replacePeerFile"));
    if (operation == QLatin1String("delete") && replace.isBool() && object.size() == 3) {
        return std::make_unique<DeleteJob>(writer, runner, name.toString(),
                                           SystemJob::SystemFilesOnly, replace.toBool());
    }
    if (operation != QLatin1String("apply") || !replace.isBool() || object.size() != 4) {
        refusal = refused(QStringLiteral("its operation or fields are not one of an apply or a delete"));
        return nullptr;
    }
    QString why;
    AccountRecord record;
    record.name = name.toString();
    takeCheckedValues(object.value(QStringLiteral("values")).toObject(), record, why);
    if (!why.isEmpty()) {
        refusal = refused(why);
        return nullptr;
    }
    return std::make_unique<ApplyJob>(writer, runner, record, SystemJob::SystemFilesOnly,
                                      replace.toBool());
}

int runApplyHelper(const SystemLayout &layout, CommandRunner &runner)
{
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    int status = -1;
    const auto answer = [&out, &status](const SystemResult &result) {
        out.write(answerText(result));
        out.flush();
        status = result.succeeded() ? 0 : 1;
        QCoreApplication::exit(status);
    };
    // One byte over the limit is enough to refuse the request.
    SystemResult refusal;
    const std::unique_ptr<SystemJob> job =
        requestedJob(in.read(maxRequestBytes + 1), layout, runner, refusal);
    if (!job) {
        answer(refusal);
        return status;
    }
    QObject::connect(job.get(), &SystemJob::finished, answer);
    job->start();
    // A job that had nothing to wait for has answered already.
    return status >= 0 ? status : QCoreApplication::exec();
}

SystemResult helperAnswer(const SystemLayout &layout, const CommandRunner::Outcome &outcome)
{
    const int status = outcome.status;
    if (std::optional<SystemResult> result = parseAnswer(outcome.output))
        return *result;

    SystemResult result;
    if (status == CommandRunner::NotStarted) {
        result.notWritten << QCoreApplication::translate(
            "PPPConfig", "Writing them needs the administrator's rights, which %1 asks for; it "
                         "could not be started. Install the package \"pkexec\", or run this "
                         "program as root.")
                                 .arg(layout.applyHelper.value(0));
    } else if (status == pkexecDismissed) {
        result.notWritten << QCoreApplication::translate(
            "PPPConfig", "The administrator's password was not given.");
    } else if (status == pkexecNotAuthorized) {
        result.notWritten << QCoreApplication::translate(
            "PPPConfig", "The system did not allow it, or the helper %1 is not installed.")
                                 .arg(layout.applyHelper.value(1));
    } else {
        result.notWritten << commandProblem(layout.applyHelper, status);
    }
    // pkexec says why it refused ("No authentication agent found").
    if (!outcome.errorText.isEmpty())
        result.notWritten << outcome.errorText;
    return result;
}
