#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// Shared by the fuzz targets: a private scratch folder and a check that turns
// a broken invariant into a crash libFuzzer records.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// One private folder per process, removed when the fuzzer exits. Memory
// backed where the system has a writable /dev/shm: the targets write files
// on every input, and a disk would make each one wait for fsync.
inline QTemporaryDir &fuzzScratch()
{
    static QTemporaryDir inMemory(QStringLiteral("/dev/shm/dialup-fuzz-XXXXXX"));
    if (inMemory.isValid())
        return inMemory;
    static QTemporaryDir onDisk(QDir::tempPath() + QStringLiteral("/dialup-fuzz-XXXXXX"));
    if (!onDisk.isValid()) {
        std::fprintf(stderr, "cannot create a scratch folder: %s\n",
                     qPrintable(onDisk.errorString()));
        std::abort();
    }
    return onDisk;
}

inline QString fuzzScratchDir()
{
    return fuzzScratch().path();
}

inline QString fuzzScratchFile(const QString &name)
{
    return fuzzScratchDir() + QLatin1Char('/') + name;
}

// Files a previous input left behind must not leak into the next one.
inline void fuzzRemove(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QLatin1String(".new"));
}

inline QByteArray fuzzReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void fuzzWriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// A broken invariant: say which and what was seen, then crash so libFuzzer
// saves the input.
inline void fuzzRequire(bool holds, const char *invariant, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", invariant, qPrintable(detail));
    // abort() skips the static destructors that would remove the folder.
    fuzzScratch().remove();
    std::abort();
}

#endif
