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

// The answer's shape: codes with arguments since version 2.
constexpr int answerVersion = 2;

SystemResult refused(Reason::Code code, const QStringList &args = {})
{
    SystemResult result;
    result.notWritten << Reason { code, args };
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
void takeCheckedValues(const QJsonObject &given, AccountRecord &record, std::optional<Reason> &why)
{
    for (const AccountField &field : accountFields()) {
        const QString key = QLatin1String(field.key);
        const QJsonValue value = given.value(key);
        const bool fits = field.kind == AccountField::Text
            ? value.isString() && value.toString().size() <= maxFieldLength
            : field.kind == AccountField::Flag ? value.isBool() : isWholeNumber(value);
        if (!fits) {
            why = Reason { Reason::RequestValueUnfit, { key } };
            return;
        }
        field.setIn(record, field.kind == AccountField::Number ? QVariant(value.toInt())
                                                               : value.toVariant());
    }
    if (given.size() != accountFields().size())
        why = Reason { Reason::RequestUnknownValues, {} };
}

QJsonObject reasonObject(const Reason &reason)
{
    return { { QStringLiteral("code"), reason.codeName() },
             { QStringLiteral("args"), QJsonArray::fromStringList(reason.args) } };
}

QJsonArray reasonArray(const Reasons &reasons)
{
    QJsonArray array;
    for (const Reason &reason : reasons)
        array.append(reasonObject(reason));
    return array;
}

// A reason of the answer; none when its code is unknown or its arguments are
// no texts.
std::optional<Reason> readReason(const QJsonValue &value)
{
    Reason reason;
    if (!Reason::codeFromName(value[QStringLiteral("code")].toString(), reason.code)
        || !value[QStringLiteral("args")].isArray())
        return std::nullopt;
    for (const QJsonValue &arg : value[QStringLiteral("args")].toArray()) {
        if (!arg.isString())
            return std::nullopt;
        reason.args << arg.toString();
    }
    return reason;
}

bool readReasons(const QJsonValue &value, Reasons &reasons)
{
    if (!value.isArray())
        return false;
    for (const QJsonValue &item : value.toArray()) {
        const std::optional<Reason> reason = readReason(item);
        if (!reason)
            return false;
        reasons << *reason;
    }
    return true;
}

QByteArray answerText(const SystemResult &result)
{
    QJsonArray failures;
    for (const FileFailure &failure : result.failures) {
        QJsonObject object = reasonObject(failure.reason);
        object.insert(QStringLiteral("path"), failure.path);
        failures.append(object);
    }
    return compact({ { QStringLiteral("version"), answerVersion },
                     { QStringLiteral("notWritten"), reasonArray(result.notWritten) },
                     { QStringLiteral("failures"), failures },
                     { QStringLiteral("commandProblems"), reasonArray(result.commandProblems) },
                     { QStringLiteral("foreignPeerFile"), result.foreignPeerFile } });
}

std::optional<SystemResult> parseAnswer(const QByteArray &text)
{
    const QJsonObject answer = QJsonDocument::fromJson(text).object();
    SystemResult result;
    if (answer.value(QStringLiteral("version")).toInt() != answerVersion
        || !readReasons(answer.value(QStringLiteral("notWritten")), result.notWritten)
        || !readReasons(answer.value(QStringLiteral("commandProblems")), result.commandProblems)
        || !answer.value(QStringLiteral("failures")).isArray())
        return std::nullopt;
    result.foreignPeerFile = answer.value(QStringLiteral("foreignPeerFile")).toString();
    for (const QJsonValue &failure : answer.value(QStringLiteral("failures")).toArray()) {
        const std::optional<Reason> reason = readReason(failure);
        if (!reason)
            return std::nullopt;
        result.failures << FileFailure { failure[QStringLiteral("path")].toString(), *reason };
    }
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
                                        CommandRunner &runner, HelperOperation served,
                                        SystemResult &refusal)
{
    // The helper writes itself: it never hands the request on.
    SystemLayout writer = layout;
    writer.throughHelper = false;
    if (request.size() > maxRequestBytes) {
        refusal = refused(Reason::RequestTooLong);
        return nullptr;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request, &error);
    if (!document.isObject()) {
        refusal = refused(Reason::RequestNotJson, { error.errorString() });
        return nullptr;
    }
    const QJsonObject object = document.object();
    const QString operation = object.value(QStringLiteral("operation")).toString();
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!name.isString() || name.toString().size() > maxFieldLength) {
        refusal = refused(Reason::RequestNamesNoAccount);
        return nullptr;
    }
    const QLatin1String servedName(served == HelperOperation::Apply ? "apply" : "delete");
    if ((operation == QLatin1String("apply") || operation == QLatin1String("delete"))
        && operation != servedName) {
        refusal = refused(Reason::RequestForOtherHelper, { operation });
        return nullptr;
    }

    const QJsonValue replace = object.value(QStringLiteral("replacePeerFile"));
    if (operation == QLatin1String("delete") && replace.isBool() && object.size() == 3) {
        return std::make_unique<DeleteJob>(writer, runner, name.toString(),
                                           SystemJob::SystemFilesOnly, replace.toBool());
    }
    if (operation != QLatin1String("apply") || !replace.isBool() || object.size() != 4) {
        refusal = refused(Reason::RequestNotApplyOrDelete);
        return nullptr;
    }
    std::optional<Reason> why;
    AccountRecord record;
    record.name = name.toString();
    takeCheckedValues(object.value(QStringLiteral("values")).toObject(), record, why);
    if (why) {
        refusal = refused(why->code, why->args);
        return nullptr;
    }
    return std::make_unique<ApplyJob>(writer, runner, record, SystemJob::SystemFilesOnly,
                                      replace.toBool());
}

int runApplyHelper(const SystemLayout &layout, CommandRunner &runner, HelperOperation served)
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
        requestedJob(in.read(maxRequestBytes + 1), layout, runner, served, refusal);
    if (!job) {
        answer(refusal);
        return status;
    }
    QObject::connect(job.get(), &SystemJob::finished, answer);
    job->start();
    // A job that had nothing to wait for has answered already.
    return status >= 0 ? status : QCoreApplication::exec();
}

SystemResult helperAnswer(const QStringList &helper, const CommandRunner::Outcome &outcome)
{
    const int status = outcome.status;
    if (std::optional<SystemResult> result = parseAnswer(outcome.output))
        return *result;

    SystemResult result;
    if (status == CommandRunner::NotStarted)
        result.notWritten << Reason { Reason::HelperNotStarted, { helper.value(0) } };
    else if (status == pkexecDismissed)
        result.notWritten << Reason { Reason::PasswordNotGiven, {} };
    else if (status == pkexecNotAuthorized)
        result.notWritten << Reason { Reason::NotAuthorized, { helper.value(1) } };
    else
        result.notWritten << commandProblem(helper, status)
                                 .value_or(Reason { Reason::HelperAnswerUnreadable, {} });
    // pkexec says why it refused ("No authentication agent found").
    if (!outcome.errorText.isEmpty())
        result.notWritten << Reason { Reason::Message, { outcome.errorText } };
    return result;
}
