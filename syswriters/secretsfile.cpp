#include "syswriters/secretsfile.h"

#include "syswriters/accountname.h"
#include "syswriters/peerfile.h"
#include "syswriters/systemlayout.h"

#include <QCoreApplication>
#include <QFile>

#include <cctype>
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

namespace {

// pppd keeps no more of a word (MAXWORDLEN less its terminating NUL).
constexpr qsizetype maxWordLength = 1023;

// One entry of a secrets file as pppd reads it: the bytes from the start of
// its first line to the line feed that ends it, and its first words (client,
// server), as pppd compares them.
struct SecretsEntry
{
    qsizetype start = 0;
    qsizetype end = -1;
    QByteArrayList words;
};

bool isBlank(int c)   // isspace in the C locale, which pppd runs in
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int hexDigit(int c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// A secrets file split as pppd's getword and scan_authfile split it. Blanks
// separate words; '"' and '\'' quote (a line feed too); a backslash escapes the
// next character, gives C's escapes (\n, \t, \s for a blank, \ooo, \xhh) and
// before a line feed joins two lines; '#' outside a word comments out the rest
// of the line. A word after a line feed that none of these takes (and the
// file's first word) starts an entry; a carriage return is only a blank.
QList<SecretsEntry> readSecrets(const QByteArray &text)
{
    QList<SecretsEntry> result;
    const qsizetype size = text.size();
    qsizetype i = 0;
    qsizetype lineStart = 0;   // after the latest line feed that ends an entry
    const auto next = [&]() { return i < size ? int(uchar(text[i++])) : (++i, -1); };
    for (;;) {
        bool escape = false, comment = false, newline = false;
        qsizetype firstBreak = -1;
        int c;
        for (;;) {
            c = next();
            if (c < 0)
                break;
            if (c == '\n') {
                if (escape) {
                    escape = false;
                } else {
                    comment = false;
                    lineStart = i;
                    if (!newline)
                        firstBreak = i;
                    newline = true;
                }
                continue;
            }
            if (comment)
                continue;
            if (escape)
                break;
            if (c == '\\')
                escape = true;
            else if (c == '#')
                comment = true;
            else if (!isBlank(c))
                break;
        }

        QByteArray word;
        int quoted = 0;
        while (c >= 0) {
            if (escape) {
                escape = false;
                if (c == '\n') {
                    c = next();
                    continue;
                }
                static const QByteArrayView named("a\ab\bf\fn\nr\rs t\t");
                const qsizetype at = named.indexOf(char(c));
                if (at >= 0 && at % 2 == 0) {
                    word += named[at + 1];
                    c = next();
                } else if (c >= '0' && c <= '7') {
                    int value = 0;
                    for (int n = 0; n < 3 && c >= '0' && c <= '7'; ++n, c = next())
                        value = value * 8 + (c - '0');
                    word += char(value);
                } else if (c == 'x') {
                    int value = 0;
                    c = next();
                    for (int n = 0; n < 2 && c >= 0 && std::isxdigit(c); ++n, c = next())
                        value = value * 16 + hexDigit(c);
                    word += char(value);
                } else {
                    word += char(c);
                    c = next();
                }
                continue;
            }
            if (c == '\\') {
                escape = true;
            } else if (quoted) {
                if (c == quoted)
                    quoted = 0;
                else
                    word += char(c);
            } else if (c == '"' || c == '\'') {
                quoted = c;
            } else if (isBlank(c) || c == '#') {
                --i;
                break;
            } else {
                word += char(c);
            }
            c = next();
        }
        // At the end of the file, an empty word is none.
        const bool isWord = c >= 0 || !word.isEmpty();
        if ((newline || !isWord) && !result.isEmpty())
            result.last().end = firstBreak >= 0 ? firstBreak : size;
        if (!isWord)
            return result;
        if (newline || result.isEmpty())
            result.append({ lineStart, -1, {} });
        // A NUL ends the word pppd compares.
        if (const qsizetype nul = word.indexOf('\0'); nul >= 0)
            word.truncate(nul);
        if (result.last().words.size() < 2)
            result.last().words.append(word.left(maxWordLength));
    }
}

} // namespace

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

    // The account's entries are every one pppd would take for this client and
    // server, however it is written; everything else stays byte for byte.
    const QByteArrayList names = { user.toLocal8Bit().left(maxWordLength),
                                   account.toLocal8Bit().left(maxWordLength) };
    const QByteArray newLine = secretsLine(user, account, password).toLocal8Bit();
    QList<SecretsEntry> ours;
    for (const SecretsEntry &entry : readSecrets(content)) {
        if (entry.words == names)
            ours.append(entry);
    }
    if (ours.size() == 1 && !password.isEmpty()) {
        const QByteArrayView line(content.constData() + ours[0].start, ours[0].end - ours[0].start);
        if (line == newLine + '\n' || (ours[0].end == content.size() && line == newLine)) {
            // Left as it is, but never readable by others.
            if (::chmod(QFile::encodeName(target).constData(), 0600) != 0)
                return FileFailure { path, systemErrorText(errno) };
            return std::nullopt;
        }
    }

    // A secrets file may hold many thousands of lines: the kept ones are
    // moved down over the dropped ones in place, not copied into a second
    // buffer.
    char *const text = content.data();
    qsizetype kept = 0;
    qsizetype from = 0;
    for (const SecretsEntry &entry : std::as_const(ours) + QList<SecretsEntry> { { content.size(), content.size(), {} } }) {
        if (kept != from)
            std::memmove(text + kept, text + from, size_t(entry.start - from));
        kept += entry.start - from;
        from = entry.end;
    }
    content.truncate(kept);
    if (!password.isEmpty()) {
        if (!content.isEmpty() && !content.endsWith('\n'))
            content.append('\n');
        const qsizetype added = content.size();
        content.append(newLine).append('\n');
        // After a quote or a backslash left open, pppd would read the line as
        // part of the one before.
        const QList<SecretsEntry> entries = readSecrets(content);
        if (entries.isEmpty() || entries.last().start != added || entries.last().words != names) {
            return FileFailure { path, QCoreApplication::translate(
                                           "PPPConfig", "A quote or a backslash in it is left open") };
        }
    }
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
