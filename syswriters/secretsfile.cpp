#include "syswriters/secretsfile.h"

#include "syswriters/accountname.h"
#include "syswriters/peerfile.h"
#include "syswriters/systemlayout.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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
    // survives the rewrite untouched. Lines end at a line feed, a carriage
    // return or both together. A secrets file may hold many thousands of
    // lines: the kept ones are moved down over the dropped ones in place,
    // each now ended by a line feed, rather than copied into a second buffer.
    const QByteArray prefix = secretsLinePrefix(user, account).toLocal8Bit();
    const QByteArray newLine = secretsLine(user, account, password).toLocal8Bit();
    char *const text = content.data();
    const qsizetype size = content.size();
    qsizetype kept = 0;
    qsizetype start = 0;
    bool lastLineUnended = false;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line(text + start, end - start);
        if (line == QByteArrayView(newLine)) {
            // Left as it is, but never readable by others.
            if (::chmod(QFile::encodeName(target).constData(), 0600) != 0)
                return FileFailure { path, systemErrorText(errno) };
            return std::nullopt;
        }
        // Where the next line starts, read before a kept line's line feed
        // may cover this line's ending.
        qsizetype next = end + 1;
        if (end + 1 < size && text[end] == '\r' && text[end + 1] == '\n')
            ++next;
        if (!line.startsWith(prefix)) {
            if (kept != start)
                std::memmove(text + kept, text + start, size_t(line.size()));
            kept += line.size();
            if (end < size)
                text[kept++] = '\n';
            else
                lastLineUnended = true;
        }
        start = next;
    }
    content.truncate(kept);
    if (lastLineUnended)
        content.append('\n');
    if (!password.isEmpty())
        content.append(newLine).append('\n');
    if (content.isEmpty())
        content = "\n";   // no line left: the file is one empty line

    std::optional<FileFailure> failure = replaceFile(target, content, 0600);
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
