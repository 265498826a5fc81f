#include "core/system/systemlayout.h"

#include <unistd.h>

bool SystemLayout::runsAsRoot()
{
    return ::geteuid() == 0;
}

QString SystemLayout::installedApplyHelper()
{
    return QStringLiteral(DIALUP_APPLY_HELPER);
}

QString SystemLayout::installedDeleteHelper()
{
    return QStringLiteral(DIALUP_DELETE_HELPER);
}

QString SystemLayout::installedProviderDatabase()
{
    return QStringLiteral(DIALUP_PROVIDER_DATABASE);
}

QString SystemLayout::peerFile(const QString &accountName) const
{
    return peersDir + QLatin1Char('/') + accountName;
}

SystemLayout SystemLayout::rootedAt(const QString &root)
{
    SystemLayout layout;
    for (QString *path : { &layout.peersDir, &layout.papSecrets, &layout.chapSecrets,
                           &layout.rfcommConf, &layout.bluetoothPin, &layout.linkKey,
                           &layout.lockFile, &layout.peerRecord, &layout.bluetoothRestart[0], &layout.rfcommTool,
                           &layout.providerDatabase, &layout.countryList, &layout.localeDir,
                           &layout.serialLockDir, &layout.pppdPidDir, &layout.procDir, &layout.netClassDir })
        *path = root + *path;
    layout.connectionLogDir = root + QStringLiteral("/run/user/dialup");
    // The scratch files are the caller's own.
    layout.throughHelper = false;
    return layout;
}
