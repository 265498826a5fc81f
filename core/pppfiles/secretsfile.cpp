#include "core/pppfiles/secretsfile.h"

#include "core/record/accountname.h"
#include "core/pppfiles/peerfile.h"
#include "core/system/systemlayout.h"

#include <QFile>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString secretsLine(const QString &user, const QString &account, const QString &password)
{
    return nameWord(user) + QLatin1Char(' ') + nameWord(account) + QLatin1Char(' ')
        + quoteWord(password);
}

namespace {

// pppd keeps no more of a word (MAXWORDLEN less its terminating NUL).
constexpr qsizetype maxWordLength = 1023;

// Where in a secrets file the entries of one client and server are.
struct SecretsScan
{
    // Each entry of the client and server: from the start of its first line
    // to after the line feed that ends it in pppd's reading, or to the end.
    QList<std::pair<qsizetype, qsizetype>> ours;
    // Where the last entry that is none of ours starts; -1 without one.
    qsizetype lastOther = -1;
};

bool isBlank(int c)   // isspace in the C locale, which pppd runs in
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Whether a byte ends a run of plain characters in a word.
bool isSpecial(uchar c)
{
    static const auto table = [] {
        std::array<bool, 256> special {};
        for (const char c : QByteArrayView(" \t\n\v\f\r\\\"'#"))
            special[uchar(c)] = true;
        return special;
    }();
    return table[c];
}

// Compares a word with a name byte by byte as it is read, as pppd compares
// it: up to a NUL, and no further than maxWordLength.
class WordComparison
{
public:
    explicit WordComparison(QByteArrayView name = {}) : name(name) {}
    void add(const char *bytes, qsizetype count)
    {
        if (!same || ended)
            return;
        qsizetype n = qMin(count, maxWordLength - compared);
        if (const void *nul = std::memchr(bytes, 0, size_t(n))) {
            n = static_cast<const char *>(nul) - bytes;
            ended = true;
        }
        same = compared + n <= name.size() && std::memcmp(name.data() + compared, bytes, size_t(n)) == 0;
        compared += n;
    }
    void add(char byte) { add(&byte, 1); }
    bool matches() const { return same && compared == name.size(); }

private:
    QByteArrayView name;
    qsizetype compared = 0;
    bool same = true;
    bool ended = false;
};

int hexDigit(int c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// Reads a secrets file as pppd's getword and scan_authfile read it and finds
// the entries whose first two words are names. Blanks separate words; '"' and
// '\'' quote (a line feed too); a backslash escapes the next character, gives
// C's escapes (\n, \t, \s for a blank, \ooo, \xhh) and before a line feed
// joins two lines; '#' outside a word comments out the rest of the line. A
// word after a line feed that none of these takes (and the file's first word)
// starts an entry; a carriage return is only a blank.
SecretsScan scanSecrets(QByteArrayView text, const QByteArrayList &names)
{
    SecretsScan scan;
    const char *const data = text.data();
    const qsizetype size = text.size();
    qsizetype i = 0;
    qsizetype lineStart = 0;   // after the latest line feed that ends an entry
    qsizetype entryStart = -1;
    int wordIndex = 0;         // of the word in its entry
    bool matching = false;     // the entry's words so far are names
    const auto next = [&]() { return i < size ? int(uchar(data[i++])) : (++i, -1); };
    const auto endEntry = [&](qsizetype end) {
        if (entryStart < 0)
            return;
        if (matching && wordIndex >= 2)
            scan.ours.append({ entryStart, end });
        else
            scan.lastOther = entryStart;
    };
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

        // Only the first two words of an entry are compared.
        const bool startsEntry = newline || entryStart < 0;
        const bool keep = startsEntry || (matching && wordIndex < 2);
        WordComparison word(keep ? QByteArrayView(names[startsEntry ? 0 : wordIndex]) : QByteArrayView());
        qsizetype length = 0;   // what pppd stores, kept or not
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
                int value = c;
                if (at >= 0 && at % 2 == 0) {
                    value = named[at + 1];
                    c = next();
                } else if (c >= '0' && c <= '7') {
                    value = 0;
                    for (int n = 0; n < 3 && c >= '0' && c <= '7'; ++n, c = next())
                        value = value * 8 + (c - '0');
                } else if (c == 'x') {
                    value = 0;
                    c = next();
                    for (int n = 0; n < 2 && c >= 0 && std::isxdigit(c); ++n, c = next())
                        value = value * 16 + hexDigit(c);
                } else {
                    c = next();
                }
                if (keep)
                    word.add(char(value));
                ++length;
                continue;
            }
            if (c == '\\') {
                escape = true;
            } else if (quoted) {
                if (c == quoted) {
                    quoted = 0;
                } else {
                    // A run of quoted characters at once.
                    const qsizetype from = i - 1;
                    while (i < size && data[i] != quoted && data[i] != '\\')
                        ++i;
                    if (keep)
                        word.add(data + from, i - from);
                    length += i - from;
                }
            } else if (c == '"' || c == '\'') {
                quoted = c;
            } else if (isBlank(c) || c == '#') {
                --i;
                break;
            } else {
                // A run of plain characters at once.
                const qsizetype from = i - 1;
                while (i < size && !isSpecial(uchar(data[i])))
                    ++i;
                if (keep)
                    word.add(data + from, i - from);
                length += i - from;
            }
            c = next();
        }
        // At the end of the file, an empty word is none.
        const bool isWord = c >= 0 || length > 0;
        if (newline || !isWord)
            endEntry(firstBreak >= 0 ? firstBreak : size);
        if (!isWord)
            return scan;
        if (startsEntry) {
            entryStart = lineStart;
            matching = true;
            wordIndex = 0;
        }
        if (keep)
            matching = matching && word.matches();
        ++wordIndex;
    }
}

} // namespace

std::optional<FileFailure> updateSecretsFile(const QString &path, const QString &user,
                                             const QString &account, const QString &password)
{
    if (containsControlCharacter(user) || containsControlCharacter(account)
        || containsControlCharacter(password)) {
        return FileFailure { path, { Reason::SecretsControlCharacter, {} } };
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
    const SecretsScan scan = scanSecrets(content, names);
    if (scan.ours.size() == 1 && !password.isEmpty()) {
        const auto [start, end] = scan.ours[0];
        const QByteArrayView line(content.constData() + start, end - start);
        if (line == newLine + '\n' || (end == content.size() && line == newLine)) {
            // Left as it is, but never readable by others.
            if (::chmod(QFile::encodeName(target).constData(), 0600) != 0)
                return systemFailure(path, errno);
            return std::nullopt;
        }
    }

    // A secrets file may hold many thousands of lines: the kept ones are
    // moved down over the dropped ones in place, not copied into a second
    // buffer. pppd starts afresh after the line feed that ends an entry, so
    // what is left reads as before, and the last such place is where a
    // reading of the end may begin.
    char *const text = content.data();
    qsizetype kept = 0;
    qsizetype from = 0;
    qsizetype fresh = 0;
    for (const auto &[start, end] : scan.ours) {
        if (kept != from)
            std::memmove(text + kept, text + from, size_t(start - from));
        kept += start - from;
        from = end;
        fresh = kept;
    }
    if (scan.lastOther >= from)
        fresh = kept + (scan.lastOther - from);
    if (kept != from)
        std::memmove(text + kept, text + from, size_t(content.size() - from));
    content.truncate(kept + content.size() - from);
    if (!password.isEmpty()) {
        if (!content.isEmpty() && !content.endsWith('\n'))
            content.append('\n');
        // pppd must read the line as an entry of its own: after a backslash
        // that joins the last line to the next, one more line feed ends it;
        // after a quote or a backslash left open, nothing does.
        const qsizetype keptSize = content.size();
        for (const QByteArrayView separator : { "", "\n" }) {
            content.truncate(keptSize);
            content.append(separator).append(newLine).append('\n');
            const qsizetype added = keptSize + separator.size() - fresh;
            const SecretsScan tail = scanSecrets(QByteArrayView(content).sliced(fresh), names);
            if (!tail.ours.isEmpty() && tail.ours.last().first == added && tail.lastOther < added)
                break;
            if (!separator.isEmpty()) {
                return FileFailure { path, { Reason::SecretsOpen, {} } };
            }
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
