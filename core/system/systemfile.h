#ifndef SYSTEMFILE_H
#define SYSTEMFILE_H

#include "core/system/reason.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <sys/types.h>

// A system file that "Apply" could not write (or chose not to), and why:
// mostly Reason::SystemError with the errno value, which the window words as
// the system does ("Permission denied").
struct FileFailure
{
    QString path;
    Reason reason;
};
using FileFailures = QList<FileFailure>;

// The system's text for an errno value, as strerror gives it.
QString systemErrorText(int errnum);
// The failure of path for an errno value.
FileFailure systemFailure(const QString &path, int errnum);

// The failure for a path that holds something other than a regular file (a
// symbolic link, a FIFO, a folder, a device), looked at with lstat, so that
// it is neither followed nor opened. A missing path is no failure.
std::optional<FileFailure> nonRegularFileAt(const QString &path);

// The file a symbolic link at path leads to, or path itself when it is no
// link or leads nowhere: a shared system file reached through a link is
// updated where it lives, so that the link survives.
QString fileBehindLinks(const QString &path);

// Replaces path with content so that no reader ever sees a half-written file:
// a temporary file in the same folder, created with mode, written, flushed to
// disk and renamed over path, whose folder is then flushed too. The mode is
// set explicitly, so the umask plays no part. On any failure path is left as
// it was and the temporary file is removed.
std::optional<FileFailure> replaceFile(const QString &path, const QByteArray &content,
                                       mode_t mode);

// Reads the whole of an existing regular file into content. A missing file
// reads as empty and is no failure; a folder, a device or a FIFO in its place,
// or a file that cannot be read, is.
std::optional<FileFailure> readFileIfPresent(const QString &path, QByteArray &content);

// Removes path; a file that is already gone is no failure.
std::optional<FileFailure> removeFileIfPresent(const QString &path);

#endif
