#include "core/connection/pppdprocess.h"

#include "core/system/systemlayout.h"

#include <QDir>
#include <QFile>

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
    const QByteArray call("call"), name = account.toUtf8();
    const QStringList pids = QDir(layout.procDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        if (!pid.front().isDigit())
            continue;
        const QList<QByteArray> arguments = head(layout.procDir + QLatin1Char('/') + pid
                                                 + QStringLiteral("/cmdline")).split('\0');
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
                return pid.toLongLong();
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
