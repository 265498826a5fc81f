#include "syswriters/secretsfile.h"

#include "syswriters/accountname.h"
#include "syswriters/peerfile.h"
#include "syswriters/systemlayout.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Lines end at a line feed, a carriage return or both together; the endings
// are not part of the lines.
QByteArrayList splitLines(const QByteArray &content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines.append(content.mid(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return lines;
}

// A secrets file reached through a symbolic link is updated where it lives,
// so that the link survives.
QString fileBehindLinks(const QString &path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

} // namespace

QString secretsLinePrefix(const QString &user, const QString &account)
{
    return nameWord(user) + QLatin1Char(' ') + nameWord(account) + QLatin1Char(' ');
}

QString secretsLine(const QString &user, const QString &account, const QString &password)
{
    return secretsLinePrefix(user, account) + quoteWord(password);
}

std::optional<FileFailure> updateSecretsFile(const QString &path, const QString &user,
                                             const QString &account, const QString &password)
{
    if (containsControlCharacter(user) || containsControlCharacter(account)
        || containsControlCharacter(password)) {
        return FileFailure { path, QCoreApplication::translate(
                                       "PPPConfig", "A name or the password holds a control character") };
    }

    const QString target = fileBehindLinks(path);
    QByteArray content;
    if (std::optional<FileFailure> failure = readFileIfPresent(target, content)) {
        failure->path = path;
        return failure;
    }

    // Other lines are kept as bytes, so that text in another encoding
    // survives the rewrite untouched.
    const QByteArray prefix = secretsLinePrefix(user, account).toLocal8Bit();
    const QByteArray newLine = secretsLine(user, account, password).toLocal8Bit();
    QByteArrayList kept;
    for (const QByteArray &line : splitLines(content)) {
        if (line == newLine)
            return std::nullopt;
        if (!line.startsWith(prefix))
            kept.append(line);
    }
    if (!password.isEmpty())
        kept.append(newLine);

    std::optional<FileFailure> failure = replaceFile(target, kept.join('\n') + '\n', 0600);
    if (failure)
        failure->path = path;
    return failure;
}

FileFailures updateSecrets(const SystemLayout &layout, const QString &user,
                           const QString &account, const QString &password)
{
    FileFailures failures;
    for (const QString &path : { layout.papSecrets, layout.chapSecrets }) {
        if (std::optional<FileFailure> failure = updateSecretsFile(path, user, account, password))
            failures.append(*failure);
    }
    return failures;
}
