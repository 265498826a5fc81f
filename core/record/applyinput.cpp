#include "core/record/applyinput.h"

#include "core/record/accountname.h"
#include "core/pppfiles/peerfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

// One word to pppd that it cannot take for more than a device: no blank,
// quote, comment or escape.
bool isPlainDevice(const QString &device)
{
    return std::none_of(device.begin(), device.end(), [](QChar c) {
        return c.isSpace() || QStringView(u"\"'#\\").contains(c);
    });
}

} // namespace

const QStringList &offeredSpeeds()
{
    static const QStringList speeds = { QStringLiteral("4800"),   QStringLiteral("9600"),
                                        QStringLiteral("19200"),  QStringLiteral("38400"),
                                        QStringLiteral("57600"),  QStringLiteral("115200"),
                                        QStringLiteral("230400"), QStringLiteral("460800"),
                                        QStringLiteral("921600") };
    return speeds;
}

QStringList applyInputProblems(const PeerValues &values, const QString &password,
                               const QString &dunEntry)
{
    QStringList problems;
    if (values.accountName.isEmpty()) {
        problems.append(QCoreApplication::translate("PPPConfig", "The account has no name."));
    } else if (!isSafeAccountName(values.accountName)) {
        problems.append(QCoreApplication::translate(
            "PPPConfig", "The account name \"%1\" cannot be used as a file name: "
                         "it must not hold \"/\" or a control character, nor be \".\" or \"..\".")
                            .arg(values.accountName));
    }

    // The account name is not repeated here: a control character already
    // makes it unsafe above.
    const std::pair<const char *, const QString &> fields[] = {
        { QT_TRANSLATE_NOOP("PPPConfig", "Username"), values.userName },
        { QT_TRANSLATE_NOOP("PPPConfig", "Password"), password },
        { QT_TRANSLATE_NOOP("PPPConfig", "Phone"), values.phone },
        { QT_TRANSLATE_NOOP("PPPConfig", "Device"), values.device },
        { QT_TRANSLATE_NOOP("PPPConfig", "Init string"), values.initString },
        { QT_TRANSLATE_NOOP("PPPConfig", "Speed"), values.speed },
        { QT_TRANSLATE_NOOP("PPPConfig", "BT DUN"), dunEntry },
    };
    for (const auto &[label, text] : fields) {
        if (containsControlCharacter(text)) {
            problems.append(QCoreApplication::translate(
                                "PPPConfig", "%1 holds a control character, such as a line break.")
                                .arg(QCoreApplication::translate("PPPConfig", label)));
        }
    }
    // A control character is reported above already. pppd reads a device
    // that does not begin with "/" as an option when it is one ("noauth",
    // "lock"); every device the form offers is a path. The empty device, as
    // on the bare form, writes an empty line, which pppd skips.
    if (!containsControlCharacter(values.device)) {
        if (!isPlainDevice(values.device)) {
            problems.append(QCoreApplication::translate(
                "PPPConfig", "Device must be one device path or name, without blanks, quotes, "
                             "\"#\" or backslashes."));
        } else if (!values.device.isEmpty() && !values.device.startsWith(QLatin1Char('/'))) {
            problems.append(QCoreApplication::translate(
                "PPPConfig", "Device must be a full path beginning with \"/\", such as /dev/ttyS0."));
        }
    }
    if (!containsControlCharacter(values.speed) && !offeredSpeeds().contains(values.speed)) {
        problems.append(QCoreApplication::translate("PPPConfig", "Speed must be one of %1.")
                            .arg(offeredSpeeds().join(QLatin1String(", "))));
    }
    // pppd reads a secret that begins with "@/" from the file it names, as root.
    if (password.startsWith(QLatin1String("@/"))) {
        problems.append(QCoreApplication::translate(
            "PPPConfig", "Password must not begin with \"@/\": pppd would send the file it names."));
    }
    // The form's own ranges; "none chosen" (-1) dials by hand.
    if (values.dialMode < -1 || values.dialMode > 2) {
        problems.append(QCoreApplication::translate(
            "PPPConfig", "Demand Dialing holds a choice the form does not offer."));
    }
    if (values.idleTime < 0 || values.idleTime > maxIdleTime) {
        problems.append(QCoreApplication::translate("PPPConfig",
                                                    "Idle timeout must be from %1 to %2 seconds.")
                            .arg(0).arg(maxIdleTime));
    }
    if (values.connectDelay < minConnectDelay || values.connectDelay > maxConnectDelay) {
        problems.append(QCoreApplication::translate("PPPConfig",
                                                    "Time out must be from %1 to %2 seconds.")
                            .arg(minConnectDelay).arg(maxConnectDelay));
    }
    return problems;
}
