#include "syswriters/applyinput.h"

#include "syswriters/accountname.h"
#include "syswriters/peerfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

// One word to pppd that it cannot take for more than a device: no blank,
// quote, comment or escape. The empty device writes an empty line, which
// pppd skips.
bool isPlainDevice(const QString &device)
{
    return std::none_of(device.begin(), device.end(), [](QChar c) {
        return c.isSpace() || QStringView(u"\"'#\\").contains(c);
    });
}

// Decimal digits without a leading zero, which pppd would read as octal.
bool isWholeNumber(const QString &speed)
{
    return !speed.isEmpty() && speed.front() != QLatin1Char('0')
        && std::all_of(speed.begin(), speed.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

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
    // A control character is reported above already.
    if (!containsControlCharacter(values.device) && !isPlainDevice(values.device)) {
        problems.append(QCoreApplication::translate(
            "PPPConfig", "Device must be one device path or name, without blanks, quotes, "
                         "\"#\" or backslashes."));
    }
    if (!containsControlCharacter(values.speed) && !isWholeNumber(values.speed)) {
        problems.append(QCoreApplication::translate("PPPConfig",
                                                    "Speed must be a whole number, such as 115200."));
    }
    return problems;
}
