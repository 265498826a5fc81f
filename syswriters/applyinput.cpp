#include "syswriters/applyinput.h"

#include "syswriters/accountname.h"
#include "syswriters/peerfile.h"

#include <QCoreApplication>

#include <utility>

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
    return problems;
}
