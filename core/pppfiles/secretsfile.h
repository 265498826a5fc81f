#ifndef SECRETSFILE_H
#define SECRETSFILE_H

#include "core/system/systemfile.h"

#include <QString>

struct SystemLayout;

// The account's secrets line: the user name and the account name, each as
// nameWord writes it, and the password through quoteWord, a blank between.
QString secretsLine(const QString &user, const QString &account, const QString &password);

// Puts the account's line in place of its earlier entries in one secrets file
// and keeps every other byte, in order. The earlier entries are all those pppd
// would read as the user's secrets for the account, however they are written
// (tabs, quotes, escapes, lines joined, an address column): its own word rules
// decide, so a line feed alone ends a line and a carriage return is a blank.
// Each goes with the lines it spans. The new line is added at the end; with an
// empty password the account's entries go and none comes. A file whose only
// entry of the account is the exact line is left as it is, apart from its
// mode, which becomes 0600; one whose end leaves a quote or a backslash open,
// so that pppd would read the new line as part of another, is left as it was.
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
