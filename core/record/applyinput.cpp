#include "core/record/applyinput.h"

#include "core/record/accountname.h"
#include "core/pppfiles/peerfile.h"


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

Reasons applyInputProblems(const PeerValues &values, const QString &password,
                           const QString &dunEntry)
{
    Reasons problems;
    const auto refuse = [&problems](Reason::Code code, const QStringList &args = {}) {
        problems.append(Reason { code, args });
    };
    if (values.accountName.isEmpty())
        refuse(Reason::NoAccountName);
    else if (!isSafeAccountName(values.accountName))
        refuse(Reason::UnsafeAccountName, { values.accountName });

    // The account name is not repeated here: a control character already
    // makes it unsafe above. Each field by its settings key.
    const std::pair<const char *, const QString &> fields[] = {
        { "username", values.userName }, { "password", password },
        { "phone", values.phone },       { "device", values.device },
        { "atdial", values.initString }, { "speed", values.speed },
        { "BTDUN", dunEntry },
    };
    for (const auto &[key, text] : fields) {
        if (containsControlCharacter(text))
            refuse(Reason::ControlCharacter, { QLatin1String(key) });
    }
    // A control character is reported above already. pppd reads a device
    // that does not begin with "/" as an option when it is one ("noauth",
    // "lock"); every device the form offers is a path. The empty device, as
    // on the bare form, writes an empty line, which pppd skips.
    if (!containsControlCharacter(values.device)) {
        if (!isPlainDevice(values.device))
            refuse(Reason::DeviceNotOneWord);
        else if (!values.device.isEmpty() && !values.device.startsWith(QLatin1Char('/')))
            refuse(Reason::DeviceNotFullPath);
    }
    if (!containsControlCharacter(values.speed) && !offeredSpeeds().contains(values.speed))
        refuse(Reason::SpeedNotOffered, { offeredSpeeds().join(QLatin1String(", ")) });
    // pppd reads a secret that begins with "@/" from the file it names, as root.
    if (password.startsWith(QLatin1String("@/")))
        refuse(Reason::PasswordNamesFile);
    // The form's own ranges; "none chosen" (-1) dials by hand.
    if (values.dialMode < -1 || values.dialMode > 2)
        refuse(Reason::DialModeNotOffered);
    if (values.idleTime < 0 || values.idleTime > maxIdleTime)
        refuse(Reason::IdleTimeOutOfRange, { QString::number(0), QString::number(maxIdleTime) });
    if (values.connectDelay < minConnectDelay || values.connectDelay > maxConnectDelay) {
        refuse(Reason::ConnectDelayOutOfRange,
               { QString::number(minConnectDelay), QString::number(maxConnectDelay) });
    }
    return problems;
}
