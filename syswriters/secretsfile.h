#ifndef SECRETSFILE_H
#define SECRETSFILE_H

#include "syswriters/systemfile.h"

#include <QString>

struct SystemLayout;

// The beginning shared by every line of the account in a secrets file: the
// user name, a blank, the account name, a blank (each name as nameWord
// writes it).
QString secretsLinePrefix(const QString &user, const QString &account);

// The account's secrets line: the prefix, then the password through quoteWord.
QString secretsLine(const QString &user, const QString &account, const QString &password);

// Puts the account's line in place of its earlier lines in one secrets file
// and keeps every other line, in order and byte for byte. With an empty
// password the account's lines go and none comes. A file that already holds
// the exact line is left as it is, apart from its mode, which becomes 0600.
// The secrets file holds the secrets of every account, so it is never lost on
// the way: a file that exists but cannot be read is not rewritten, and the
// new content reaches it through a temporary file with mode 0600 renamed over
// it. Gives the failure when the file was not brought up to date.
std::optional<FileFailure> updateSecretsFile(const QString &path, const QString &user,
                                             const QString &account, const QString &password);

// updateSecretsFile on the PAP secrets file, then on the CHAP secrets file;
// the second runs whatever became of the first.
FileFailures updateSecrets(const SystemLayout &layout, const QString &user,
                           const QString &account, const QString &password);

#endif
