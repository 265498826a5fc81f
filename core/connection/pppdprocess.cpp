#include "core/connection/pppdprocess.h"

#include "core/system/systemlayout.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray head(const QString &path, qint64 size = 4096)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

qint64 number(const QString &path)
{
    bool ok = false;
    const qint64 value = head(path, 64).trimmed().toLongLong(&ok);
    return ok ? value : -1;
}

} // namespace

qint64 PppdProcess::find(const SystemLayout &layout, const QString &account)
{
    // Plain system calls: the scan runs while the window is built, and Qt's
    // directory listing and file objects cost more than the reading itself.
    DIR *const processes = ::opendir(QFile::encodeName(layout.procDir).constData());
    if (!processes)
        return 0;
    const auto closeList = qScopeGuard([processes] { ::closedir(processes); });
    const QByteArray call("call"), name = account.toUtf8();
    char buffer[4096];
    while (const dirent *entry = ::readdir(processes)) {
        if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0])))
            continue;
        const int fd = ::openat(::dirfd(processes), (QByteArray(entry->d_name) + "/cmdline").constData(),
                                O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        const ssize_t size = ::read(fd, buffer, sizeof buffer);
        ::close(fd);
        if (size <= 0)
            continue;
        const QList<QByteArray> arguments = QByteArray::fromRawData(buffer, size).split('\0');
        // pppd itself, or a script run by its interpreter (a stand-in).
        qsizetype at = -1;
        for (qsizetype i = 0; i < qMin<qsizetype>(arguments.size(), 2) && at < 0; ++i) {
            if (arguments.at(i) == "pppd" || arguments.at(i).endsWith("/pppd"))
                at = i;
        }
        if (at < 0)
            continue;
        for (++at; at + 1 < arguments.size(); ++at) {
            if (arguments.at(at) == call && arguments.at(at + 1) == name)
                return QByteArray(entry->d_name).toLongLong();
        }
    }
    return 0;
}

QString PppdProcess::interfaceOf(const SystemLayout &layout, qint64 pid)
{
    const QDir folder(layout.pppdPidDir);
    for (const QString &file : folder.entryList({ QStringLiteral("ppp[0-9]*.pid") }, QDir::Files)) {
        if (number(folder.filePath(file)) == pid)
            return file.chopped(4);
    }
    return QString();
}

PppdProcess::Counters PppdProcess::counters(const SystemLayout &layout, const QString &interface)
{
    const QString statistics = layout.netClassDir + QLatin1Char('/') + interface + QStringLiteral("/statistics/");
    return interface.isEmpty() ? Counters()
                               : Counters{ number(statistics + QStringLiteral("rx_bytes")),
                                           number(statistics + QStringLiteral("tx_bytes")) };
}
