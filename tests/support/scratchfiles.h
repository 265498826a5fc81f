#ifndef SCRATCHFILES_H
#define SCRATCHFILES_H

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Small file helpers for tests that look at what landed in a scratch folder.

// The whole file, or "<unreadable>" when it cannot be opened.
QByteArray fileContent(const QString &path);

// Creates or truncates path with content and gives it mode; false on failure.
bool putFile(const QString &path, const QByteArray &content, mode_t mode = 0644);

#endif
