// The secrets update on any file and any names. The secrets file holds the
// secrets of every account, so whatever it holds:
//   - every line of other accounts stays, byte for byte and in order
//     (blank lines, comments and text in other encodings included);
//   - afterwards the account has exactly its new line, as the last line, or
//     with an empty password no line at all; unless the file already held
//     the new line, in which case it is left exactly as it was;
//   - a failed update leaves the file exactly as it was;
//   - a rewritten file has mode 0600 and ends with a line feed;
//   - running the same update again changes nothing.
//
// The input is the user name, the account name and the password, each ended
// by a line feed (UTF-8), followed by the file's bytes. Names holding other
// control characters (a tab, a carriage return) are refused by the update,
// which the invariants cover too.

#include "syswriters/accountname.h"
#include "syswriters/secretsfile.h"
#include "fuzzsupport.h"

#include <QByteArrayList>

#include <sys/stat.h>

namespace {

// Lines end at a line feed, a carriage return, or both together.
QByteArrayList linesOf(const QByteArray &content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\n' && content[i] != '\r')
            continue;
        lines.append(content.mid(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return lines;
}

QByteArrayList linesOfAccount(const QByteArrayList &lines, const QByteArray &prefix, bool ofAccount)
{
    QByteArrayList chosen;
    for (const QByteArray &line : lines) {
        if (line.startsWith(prefix) == ofAccount)
            chosen.append(line);
    }
    return chosen;
}

int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// The next field of the input, up to its line feed.
QString takeField(QByteArray &input)
{
    const qsizetype end = input.indexOf('\n');
    const QByteArray field = end < 0 ? input : input.left(end);
    input.remove(0, end < 0 ? input.size() : end + 1);
    return QString::fromUtf8(field);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString user = takeField(input);
    const QString account = takeField(input);
    const QString password = takeField(input);
    const QByteArray before = input;

    const QString path = fuzzScratchFile(QStringLiteral("secrets"));
    fuzzRemove(path);
    fuzzWriteFile(path, before);
    ::chmod(QFile::encodeName(path).constData(), 0644);

    const std::optional<FileFailure> failure = updateSecretsFile(path, user, account, password);
    const QByteArray after = fuzzReadFile(path);
    if (failure) {
        fuzzRequire(after == before, "a failed update leaves the file as it was");
        // Only names the files cannot carry are refused; the scratch file is
        // always writable.
        fuzzRequire(containsControlCharacter(user) || containsControlCharacter(account)
                        || containsControlCharacter(password),
                    "an update of a writable file succeeds", failure->reason);
        return 0;
    }

    const QByteArray prefix = secretsLinePrefix(user, account).toUtf8();
    const QByteArray newLine = secretsLine(user, account, password).toUtf8();
    const QByteArrayList oldLines = linesOf(before);
    const QByteArrayList newLines = linesOf(after);

    if (oldLines.contains(newLine)) {
        fuzzRequire(after == before, "a file holding the new line is left as it was");
        return 0;
    }

    fuzzRequire(modeOf(path) == 0600, "a rewritten secrets file has mode 0600");
    fuzzRequire(after.endsWith('\n'), "a rewritten secrets file ends with a line feed");

    // A file left with no line at all is written as a single line feed.
    const QByteArrayList othersBefore = linesOfAccount(oldLines, prefix, false);
    const QByteArrayList othersAfter = linesOfAccount(newLines, prefix, false);
    fuzzRequire(othersAfter == othersBefore
                    || (othersBefore.isEmpty() && password.isEmpty() && after == "\n"),
                "the lines of other accounts stay, in order",
                QString::fromUtf8(before) + QLatin1String("\n---\n") + QString::fromUtf8(after));

    const QByteArrayList accountLines = linesOfAccount(newLines, prefix, true);
    if (password.isEmpty()) {
        fuzzRequire(accountLines.isEmpty(), "an empty password leaves no line of the account");
    } else {
        fuzzRequire(accountLines == QByteArrayList { newLine } && newLines.last() == newLine,
                    "the account's new line is its only line and the last one",
                    QString::fromUtf8(after));
    }

    fuzzRequire(!updateSecretsFile(path, user, account, password) && fuzzReadFile(path) == after,
                "the same update again changes nothing");
    return 0;
}
