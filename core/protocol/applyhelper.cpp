#include "core/protocol/applyhelper.h"

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

SystemResult serveRequest(const QByteArray &request, const SystemLayout &layout,
                          CommandRunner &runner)
{
    if (request.size() > maxRequestBytes)
        return refused(QStringLiteral("it is too long"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request, &error);
    if (!document.isObject())
        return refused(QStringLiteral("it is no JSON object (%1)").arg(error.errorString()));
    const QJsonObject object = document.object();
    const QString operation = object.value(QStringLiteral("operation")).toString();
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!name.isString() || name.toString().size() > maxFieldLength)
        return refused(QStringLiteral("it names no account"));

    const QJsonValue replace = object.value(QStringLiteral("replacePeerFile"));
    if (operation == QLatin1String("delete") && replace.isBool() && object.size() == 3)
        return removePeerFile(layout, name.toString(), replace.toBool());
    if (operation != QLatin1String("apply") || !replace.isBool() || object.size() != 4)
        return refused(QStringLiteral("its operation or fields are not one of an apply or a delete"));
    QString why;
    AccountRecord record;
    record.name = name.toString();
    takeCheckedValues(object.value(QStringLiteral("values")).toObject(), record, why);
    if (!why.isEmpty())
        return refused(why);
    return applySystemFiles(layout, runner, record, replace.toBool());
}

int runApplyHelper(const SystemLayout &layout, CommandRunner &runner)
{
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    // One byte over the limit is enough to refuse the request.
    const SystemResult result = serveRequest(in.read(maxRequestBytes + 1), layout, runner);
    out.write(answerText(result));
    return result.succeeded() ? 0 : 1;
}

SystemResult callApplyHelper(const SystemLayout &layout, const QByteArray &request)
{
    // No time limit: the administrator's password is being typed meanwhile.
    ProcessRunner processes(-1);
    QByteArray answer;
    const int status = processes.run(layout.applyHelper, request, answer);
    if (std::optional<SystemResult> result = parseAnswer(answer))
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
    if (!processes.errorText().isEmpty())
        result.notWritten << processes.errorText();
    return result;
}
