#ifndef SYSTEMLAYOUT_H
#define SYSTEMLAYOUT_H

#include <QString>
#include <QStringList>

// Where the dial-up tool reads and writes outside the user's home, and which
// programs it runs. The defaults are the real system; tests re-root every path
// in a scratch folder with rootedAt(). Nothing in the program itself changes
// these values.
struct SystemLayout
{
    QString peersDir = QStringLiteral("/etc/ppp/peers");
    QString papSecrets = QStringLiteral("/etc/ppp/pap-secrets");
    QString chapSecrets = QStringLiteral("/etc/ppp/chap-secrets");
    QString rfcommConf = QStringLiteral("/etc/bluetooth/rfcomm.conf");
    QString bluetoothPin = QStringLiteral("/etc/bluetooth/pin");
    QString linkKey = QStringLiteral("/etc/bluetooth/link_key");
    // Held while the files above are read and rewritten (SystemFilesLock).
    QString lockFile = QStringLiteral("/etc/ppp/dialup.lock");
    // The names of the peer files this program wrote (peerrecord.h).
    QString peerRecord = QStringLiteral("/etc/ppp/dialup-peers");
    // How long a writer waits for another one to finish, in milliseconds.
    int lockWaitMs = 10000;

    // Service discovery tool, run as "<sdptool> browse".
    QString sdptool = QStringLiteral("/usr/bin/sdptool");

    // The Bluetooth service restart, in the order they run. Only where the
    // service script (bluetoothRestart's program) is there; elsewhere
    // BlueZ's rfcomm tool binds the device itself.
    QStringList pccardEject = { QStringLiteral("pccardctl"), QStringLiteral("eject") };
    QStringList bluetoothRestart = { QStringLiteral("/etc/rc.d/init.d/bluetooth"),
                                     QStringLiteral("restart") };
    QStringList pccardInsert = { QStringLiteral("pccardctl"), QStringLiteral("insert") };
    QString rfcommTool = QStringLiteral("/usr/bin/rfcomm");

    // Whether Apply and Delete hand the system files to the privileged
    // helper: only root may write them itself.
    bool throughHelper = !runsAsRoot();
    // The privileged helpers with what starts them: pkexec asks for the
    // administrator's password (or what polkit grants instead), then runs
    // the helper, whose request comes on standard input. Apply and Delete
    // have a program each, so that polkit can allow one and not the other.
    QStringList applyHelper = { QStringLiteral("/usr/bin/pkexec"), installedApplyHelper() };
    QStringList deleteHelper = { QStringLiteral("/usr/bin/pkexec"), installedDeleteHelper() };

    // The mobile broadband provider list (package mobile-broadband-provider-info),
    // where pkg-config said at build time; and iso-codes' country list with the
    // folder of its translations (<language>/LC_MESSAGES/iso_3166-1.mo).
    QString providerDatabase = installedProviderDatabase();
    QString countryList = QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json");
    QString localeDir = QStringLiteral("/usr/share/locale");

    // Dialling (core/connection/): the pppd the user runs (setuid root on
    // Debian, for root and group dip); where the serial ports' HDB lock files
    // lie (LCK..<device name>); where pppd puts pppN.pid; the process table
    // and the network interfaces read to find a running pppd and its bytes;
    // the folder of the log of each pppd this program starts, empty for the
    // user's runtime folder ($XDG_RUNTIME_DIR/dialup).
    QString pppd = QStringLiteral("/usr/sbin/pppd");
    QString serialLockDir = QStringLiteral("/var/lock");
    QString pppdPidDir = QStringLiteral("/var/run");
    QString procDir = QStringLiteral("/proc");
    QString netClassDir = QStringLiteral("/sys/class/net");
    QString connectionLogDir;

    static bool runsAsRoot();
    static QString installedApplyHelper();
    static QString installedDeleteHelper();
    static QString installedProviderDatabase();

    // The peer file of an account: the peers folder, "/", the account name.
    QString peerFile(const QString &accountName) const;

    // The real layout with every file path placed under root (which must
    // exist), the service script and the rfcomm tool too, since whether they
    // are there decides how Bluetooth is bound; other commands are left as
    // they are. The caller, who owns root, writes the files itself.
    static SystemLayout rootedAt(const QString &root);
};

#endif
