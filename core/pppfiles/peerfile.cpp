#include "core/pppfiles/peerfile.h"

#include "core/record/accountname.h"
#include "core/system/systemlayout.h"

#include <QFile>

#include <algorithm>
#include <sys/stat.h>

namespace {

// Characters that a modem dials or chat passes through without the shell or
// pppd giving them a meaning of their own. '*' is dialled too but is a shell
// pattern: "ATDT*99#" could become the name of a file in pppd's working folder,
// so a number holding it is quoted.
bool isDialCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || (u >= 'a' && u <= 'd'))
        return true;
    return QStringView(u"#+,WPT!@-").contains(c);
}

QString withBackslashBefore(const QString &text, QStringView special)
{
    QString result;
    result.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (special.contains(c))
            result += QLatin1Char('\\');
        result += c;
    }
    return result;
}

} // namespace

QString quoteWord(const QString &text)
{
    return QLatin1Char('"') + withBackslashBefore(text, u"\"\\") + QLatin1Char('"');
}

QString nameWord(const QString &name)
{
    const bool plain = !name.isEmpty()
        && std::none_of(name.begin(), name.end(), [](QChar c) {
               return c.isSpace() || QStringView(u"\"\\'#").contains(c);
           });
    return plain ? name : quoteWord(name);
}

QString escapeForConnect(const QString &text)
{
    const QString forShell = withBackslashBefore(text, u"\"\\$`");
    return withBackslashBefore(forShell, u"\\'");
}

QString escapeForChat(const QString &text)
{
    QString result = withBackslashBefore(text, u"\\");
    result.replace(QLatin1Char('^'), QStringLiteral("\\136"));
    if (result.startsWith(QLatin1Char('@')) || result == u"EOT" || result == u"BREAK") {
        result.replace(0, 1, QStringLiteral("\\%1").arg(int(result.at(0).unicode()), 3, 8,
                                                         QLatin1Char('0')));
    }
    return result;
}

QString dialWord(const QString &phone)
{
    const QString dial = QStringLiteral("ATDT") + phone;
    if (std::all_of(phone.begin(), phone.end(), isDialCharacter))
        return dial;
    return QLatin1Char('"') + escapeForConnect(escapeForChat(dial)) + QLatin1Char('"');
}

QString connectLine(const QString &initString, const QString &phone)
{
    return QStringLiteral("connect '/usr/sbin/chat -s -v ABORT \"NO CARRIER\" "
                          "ABORT \"NO DIALTONE\" ABORT \"BUSY\" \"\" \"")
        + escapeForConnect(escapeForChat(initString)) + QStringLiteral("\" OK ") + dialWord(phone)
        + QStringLiteral(" CONNECT'");
}

QString peerFileText(const PeerValues &values)
{
    QString text;
    const auto line = [&text](const QString &option) {
        text += option;
        text += QLatin1Char('\n');
    };

    line(values.device);
    line(values.speed);
    line(connectLine(values.initString, values.phone));
    line(values.crtscts ? QStringLiteral("crtscts") : QStringLiteral("nocrtscts"));
    line(QStringLiteral("noipdefault"));
    line(QStringLiteral("modem"));
    // Debian's /etc/ppp/options says "auth"; a provider never authenticates itself to its caller.
    line(QStringLiteral("noauth"));
    if (!values.userName.isEmpty())
        line(QStringLiteral("user ") + quoteWord(values.userName));
    if (values.dialMode == 2) {
        line(QStringLiteral("demand"));
        line(QStringLiteral("noipv6"));
    }
    if (values.idleTime != 0 && values.dialMode > 0)
        line(QStringLiteral("idle ") + QString::number(values.idleTime));
    if (values.usePeerDns)
        line(QStringLiteral("usepeerdns"));
    if (values.defaultRoute)
        line(QStringLiteral("defaultroute"));
    const qint64 delayMs = qint64(values.connectDelay) * 1000;
    if (delayMs != 0)
        line(QStringLiteral("connect-delay ") + QString::number(delayMs));
    if (!values.accountName.isEmpty())
        line(QStringLiteral("remotename ") + nameWord(values.accountName));
    return text;
}

std::optional<FileFailure> writePeerFile(const SystemLayout &layout, const PeerValues &values)
{
    const QString path = layout.peerFile(values.accountName);
    if (!isSafeAccountName(values.accountName)) {
        return FileFailure { path, { Reason::PeerNameNotPlain, {} } };
    }
    // An existing folder keeps its mode; a failure shows when the file is written.
    ::mkdir(QFile::encodeName(layout.peersDir).constData(), 0700);
    if (std::optional<FileFailure> failure = nonRegularFileAt(path))
        return failure;
    return replaceFile(path, peerFileText(values).toLocal8Bit(), 0644);
}
