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

// How the one atomic writer names its temporary file, beside the file it
// replaces (a rename works within one file system only).
enum class TemporaryName {
    // "<path>.XXXXXX", made by mkstemp: nobody can foresee it or plant
    // anything there, and two writers never share one.
    Unique,
    // "<path>.new": whatever is there already (left by a crash, or a link
    // planted by whoever may write the folder) is removed, never followed,
    // and the file is made anew; a crash leaves at most this one behind.
    DotNew,
};

// Why writeAtomically failed: the step that did (making the temporary file,
// writing the content out and flushing it, as on a full disk, or renaming it
// over the file) and the system's error number.
struct WriteError
{
    enum Step { Creating, Writing, Renaming } step;
    int number;
};

// Replaces path with content so that no reader ever sees a half-written file:
// a temporary file named as naming says, created for the owner alone, given
// mode explicitly (the umask plays no part), written whole, flushed to disk
// and renamed over path, whose folder is then flushed too. On any failure
// path is left as it was and the temporary file is removed.
std::optional<WriteError> writeAtomically(const QString &path, const QByteArray &content,
                                          mode_t mode, TemporaryName naming);

// A system file replaced by writeAtomically with a unique temporary name.
std::optional<FileFailure> replaceFile(const QString &path, const QByteArray &content,
                                       mode_t mode);

// Reads the whole of an existing regular file into content. A missing file
// reads as empty and is no failure; a folder, a device or a FIFO in its place,
// or a file that cannot be read, is.
std::optional<FileFailure> readFileIfPresent(const QString &path, QByteArray &content);

// Removes path; a file that is already gone is no failure.
std::optional<FileFailure> removeFileIfPresent(const QString &path);

#endif
