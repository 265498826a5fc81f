#include "account/resulttext.h"

#include "core/system/systemfile.h"

#include <QCoreApplication>

#include <pwd.h>
#include <unistd.h>

namespace {

class ResultText
{
    Q_DECLARE_TR_FUNCTIONS(ResultText)

public:
    static QString controlCharacter(const QString &field);
    static QString blankAtEnds(const QString &field);
    static QString command(const Reason &reason);
    static QString refusal(const Reason &reason);
};

QString ResultText::controlCharacter(const QString &field)
{
    if (field == QLatin1String("username"))
        return tr("Username holds a control character, such as a line break.");
    if (field == QLatin1String("password"))
        return tr("Password holds a control character, such as a line break.");
    if (field == QLatin1String("phone"))
        return tr("Phone holds a control character, such as a line break.");
    if (field == QLatin1String("device"))
        return tr("Device holds a control character, such as a line break.");
    if (field == QLatin1String("atdial"))
        return tr("Init string holds a control character, such as a line break.");
    if (field == QLatin1String("speed"))
        return tr("Speed holds a control character, such as a line break.");
    if (field == QLatin1String("BTDUN"))
        return tr("BT DUN holds a control character, such as a line break.");
    if (field == QLatin1String("gateway"))
        return tr("Gateway holds a control character, such as a line break.");
    if (field == QLatin1String("dns1"))
        return tr("First DNS holds a control character, such as a line break.");
    if (field == QLatin1String("dns2"))
        return tr("Second DNS holds a control character, such as a line break.");
    return tr("A field holds a control character, such as a line break.");
}

QString ResultText::blankAtEnds(const QString &field)
{
    if (field == QLatin1String("name"))
        return tr("Name begins or ends with a blank, which the account file cannot keep.");
    if (field == QLatin1String("username"))
        return tr("Username begins or ends with a blank, which the account file cannot keep.");
    if (field == QLatin1String("password"))
        return tr("Password begins or ends with a blank, which the account file cannot keep.");
    return tr("A field begins or ends with a blank, which the account file cannot keep.");
}

// The command line first, then what happened, then what it said, if anything.
QString ResultText::command(const Reason &reason)
{
    const QString line = reason.args.value(0), said = reason.args.value(1);
    switch (reason.code) {
    case Reason::CommandNotStarted:
        //: %1 is a command line; %2 what the command wrote as its error
        return said.isEmpty() ? tr("%1: could not be started").arg(line)
                              : tr("%1: could not be started: %2").arg(line, said);
    case Reason::CommandCrashed:
        //: %1 is a command line; %2 what the command wrote as its error
        return said.isEmpty() ? tr("%1: crashed").arg(line) : tr("%1: crashed: %2").arg(line, said);
    case Reason::CommandStopped:
        //: %1 is a command line; %2 what the command wrote as its error
        return said.isEmpty() ? tr("%1: did not finish in time and was stopped").arg(line)
                              : tr("%1: did not finish in time and was stopped: %2").arg(line, said);
    default:
        //: %1 is a command line, %2 its exit status; %3 what it wrote as its error
        return said.isEmpty()
            ? tr("%1: failed with exit status %2").arg(line, reason.args.value(2))
            : tr("%1: failed with exit status %2: %3").arg(line, reason.args.value(2), said);
    }
}

QString ResultText::refusal(const Reason &reason)
{
    switch (reason.code) {
    case Reason::RequestTooLong:
        return tr("The helper refused the request: it is too long.");
    case Reason::RequestNotJson:
        //: %1 is the JSON reader's own text
        return tr("The helper refused the request: it is no JSON object (%1).").arg(reason.args.value(0));
    case Reason::RequestNamesNoAccount:
        return tr("The helper refused the request: it names no account.");
    case Reason::RequestValueUnfit:
        //: %1 is the name of a value of the request, such as "speed"
        return tr("The helper refused the request: the value \"%1\" is missing, too long or not of its kind.")
            .arg(reason.args.value(0));
    case Reason::RequestUnknownValues:
        return tr("The helper refused the request: it holds values that are not an account's.");
    case Reason::RequestForOtherHelper:
        return reason.args.value(0) == QLatin1String("delete")
            ? tr("The helper refused the request: it asks to delete an account, which this helper does not do.")
            : tr("The helper refused the request: it asks to apply an account, which this helper does not do.");
    default:
        return tr("The helper refused the request: its operation or fields are not one of an apply or a delete.");
    }
}

} // namespace

QString reasonText(const Reason &reason)
{
    const QString arg = reason.args.value(0);
    switch (reason.code) {
    case Reason::NoAccountName:
        return ResultText::tr("The account has no name.");
    case Reason::UnsafeAccountName:
        return ResultText::tr("The account name \"%1\" cannot be used as a file name: "
                              "it must not hold \"/\" or a control character, nor be \".\" or \"..\".")
            .arg(arg);
    case Reason::ControlCharacter:
        return ResultText::controlCharacter(arg);
    case Reason::BlankAtEnds:
        return ResultText::blankAtEnds(arg);
    case Reason::DeviceNotOneWord:
        return ResultText::tr("Device must be one device path or name, without blanks, quotes, "
                              "\"#\" or backslashes.");
    case Reason::DeviceNotFullPath:
        return ResultText::tr("Device must be a full path beginning with \"/\", such as /dev/ttyS0.");
    case Reason::SpeedNotOffered:
        //: Speeds are data: %1 is the list, such as "4800, 9600, 19200"
        return ResultText::tr("Speed must be one of %1.").arg(arg);
    case Reason::PasswordNamesFile:
        return ResultText::tr("Password must not begin with \"@/\": pppd would send the file it names.");
    case Reason::DialModeNotOffered:
        return ResultText::tr("Demand Dialing holds a choice the form does not offer.");
    case Reason::IdleTimeOutOfRange:
        //: %1 and %2 are the lowest and the highest number of seconds
        return ResultText::tr("Idle timeout must be from %1 to %2 seconds.").arg(arg, reason.args.value(1));
    case Reason::ConnectDelayOutOfRange:
        //: %1 and %2 are the lowest and the highest number of seconds
        return ResultText::tr("Time out must be from %1 to %2 seconds.").arg(arg, reason.args.value(1));
    case Reason::SystemError:
        return systemErrorText(arg.toInt());
    case Reason::NotRegularFile:
        return ResultText::tr("Not a regular file");
    case Reason::LockHeld:
        return ResultText::tr("Another program is changing the system files");
    case Reason::RfcommConfOpen:
        return ResultText::tr("A brace or a quote in it is left open");
    case Reason::SecretsOpen:
        return ResultText::tr("A quote or a backslash in it is left open");
    case Reason::SecretsControlCharacter:
        return ResultText::tr("A name or the password holds a control character");
    case Reason::PeerNameNotPlain:
        return ResultText::tr("The account name is not a plain file name");
    case Reason::Message:
        return arg;
    case Reason::DeviceNotInDev:
        return ResultText::tr("The device \"%1\" is not a device in /dev/").arg(arg);
    case Reason::DeviceNamesNothing:
        return ResultText::tr("The device path \"%1\" names no device").arg(arg);
    case Reason::NotRfcommDevice:
        return ResultText::tr("BlueZ binds only /dev/rfcomm0 to /dev/rfcomm255, the number without "
                              "leading zeros");
    case Reason::NoDunEntry:
        return ResultText::tr("No DUN entry is chosen: search for the phone first");
    case Reason::BadDunEntry:
        return ResultText::tr("The DUN entry \"%1\" is not an address XX:XX:XX:XX:XX:XX followed by "
                              "a comma and a channel from 1 to 30")
            .arg(arg);
    case Reason::BindingUnavailable:
        return ResultText::tr("Bluetooth binding is not available on this system: the phone was not "
                              "bound. Install BlueZ (the Debian package \"bluez\") and apply again.");
    case Reason::CommandNotStarted:
    case Reason::CommandCrashed:
    case Reason::CommandStopped:
    case Reason::CommandFailed:
        return ResultText::command(reason);
    case Reason::ForeignPeerFile:
        return ResultText::tr("The peer file %1 belongs to no account of this program.").arg(arg);
    case Reason::HelperNotStarted:
        //: %1 is the program that asks for the password, normally pkexec
        return ResultText::tr("Writing them needs the administrator's rights, which %1 asks for; it "
                              "could not be started. Install the package \"pkexec\", or run this "
                              "program as root.")
            .arg(arg);
    case Reason::PasswordNotGiven:
        return ResultText::tr("The administrator's password was not given.");
    case Reason::NotAuthorized:
        //: %1 is the helper program's path
        return ResultText::tr("The system did not allow it, or the helper %1 is not installed.").arg(arg);
    case Reason::HelperAnswerUnreadable:
        return ResultText::tr("The helper's answer could not be read.");
    case Reason::RequestTooLong:
    case Reason::RequestNotJson:
    case Reason::RequestNamesNoAccount:
    case Reason::RequestNotApplyOrDelete:
    case Reason::RequestForOtherHelper:
    case Reason::RequestValueUnfit:
    case Reason::RequestUnknownValues:
        return ResultText::refusal(reason);
    case Reason::ProvidersCannotOpen:
        return ResultText::tr("The file cannot be opened.");
    case Reason::ProvidersTooLarge:
        return ResultText::tr("The file is too large to be a list of providers.");
    case Reason::ProvidersNotAList:
        return ResultText::tr("This is no list of mobile broadband providers.");
    case Reason::ProvidersFormat:
        //: %1 is the format the provider list names
        return ResultText::tr("The list has format \"%1\"; this program reads format 2.0.").arg(arg);
    case Reason::ProvidersXmlError:
        //: %1 is a line number of the provider list, %2 the XML reader's text
        return ResultText::tr("Line %1: %2").arg(arg, reason.args.value(1));
    case Reason::NotBoundAtStart:
    case Reason::BoundEarlier:
        break;   // the start-up binding's log only
    }
    return (QStringList(reason.codeName()) + reason.args).join(QLatin1Char(' '));
}

QStringList reasonTexts(const Reasons &reasons)
{
    QStringList texts;
    for (const Reason &reason : reasons)
        texts << reasonText(reason);
    return texts;
}

QString fileFailureText(const FileFailure &failure)
{
    //: %1 is a file, %2 why it could not be written, read or removed
    return ResultText::tr("%1: %2").arg(failure.path, reasonText(failure.reason));
}

QString connectionReasonText(const ConnectionReason &reason)
{
    using R = ConnectionReason;
    const QString arg = reason.arguments.value(0), second = reason.arguments.value(1);
    switch (reason.code) {
    case R::NoReason:
        break;
    case R::Disconnected:
        return ResultText::tr("The connection was ended on request.");
    case R::KilledAfterTimeout:
        return ResultText::tr("pppd did not end within %1 seconds of being asked to and was stopped by force.").arg(arg);
    case R::EndedByPeer:
        return ResultText::tr("The other end closed the connection.");
    case R::EndedUnknown:
        return ResultText::tr("pppd has ended; its log does not say why.");
    case R::PppdMissing:
        //: %1 is the program's path
        return ResultText::tr("The program %1 is not installed: install the package \"ppp\".").arg(arg);
    case R::StartFailed:
        //: %1 is the program's path, %2 the system's reason
        return ResultText::tr("The program %1 could not be started: %2").arg(arg, second);
    case R::NotInGroup: {
        const passwd *user = ::getpwuid(::getuid());
        const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("<user>");
        //: %1 is a group (dip), %2 the user's login name; the command is typed as it stands
        return ResultText::tr("Only root and the members of the group %1 may dial: an administrator adds you with "
                              "the command \"adduser %2 %1\", and you log in again.")
            .arg(arg, name);
    }
    case R::LogUnwritable:
        return ResultText::tr("The connection log %1 could not be created, so nothing was dialled.").arg(arg);
    case R::NotPermitted:
        return ResultText::tr("pppd (process %1) runs for another user and cannot be stopped from here.").arg(arg);
    case R::NoPeerFile:
        return ResultText::tr("The account \"%1\" has no peer file: press Apply to write it, then Connect.").arg(arg);
    case R::Fatal:
        return ResultText::tr("pppd stopped on a fatal error; the log tells which.");
    case R::OptionError:
        return ResultText::tr("pppd refused an option of the peer file or of /etc/ppp/options; the log tells which.");
    case R::NotAllowed:
        return ResultText::tr("pppd refused to run for you: it must be setuid root, and the peer file's options "
                              "must be ones it grants you.");
    case R::NoKernelSupport:
        return ResultText::tr("The kernel offers no PPP: load its module ppp_generic.");
    case R::StoppedBySignal:
        return arg.isEmpty() ? ResultText::tr("Another program stopped pppd.")
                             : ResultText::tr("Another program stopped pppd (signal %1).").arg(arg);
    case R::PortLocked:
        return ResultText::tr("The port %1 is in use by another program.").arg(arg);
    case R::PortInUse:
        //: %1 is a device name, %2 a program's name, %3 its process id
        return ResultText::tr("The port %1 is in use by %2 (process %3): end that program, then connect again.")
            .arg(arg, second, reason.arguments.value(2));
    case R::PortOpenFailed:
        return ResultText::tr("The port %1 could not be opened: check that the modem is plugged in and the "
                              "device is right.").arg(arg);
    case R::ModemManagerHolds:
        return ResultText::tr("ModemManager holds the modem on %1. To keep it away from that device, give the "
                              "device the udev property ID_MM_DEVICE_IGNORE=1 in a rule under /etc/udev/rules.d, "
                              "or stop ModemManager.").arg(arg);
    case R::ConnectScriptFailed:
        return ResultText::tr("The dialogue with the modem failed; the log shows where.");
    case R::Busy:
        return ResultText::tr("The line was busy.");
    case R::NoCarrier:
        return ResultText::tr("The modem found no carrier: no modem answered the call.");
    case R::NoDialtone:
        return ResultText::tr("The modem heard no dial tone: check the phone line.");
    case R::ModemError:
        return ResultText::tr("The modem answered ERROR: check the init string and the phone number.");
    case R::NoAnswer:
        return ResultText::tr("The modem did not answer in time.");
    case R::ModemAbort:
        return ResultText::tr("The modem answered %1, so dialling was given up.").arg(arg);
    case R::NegotiationFailed:
        return ResultText::tr("The link could not be negotiated with the other end.");
    case R::PeerRefusedAuth:
        return ResultText::tr("The other end refused to authenticate itself.");
    case R::Idle:
        return ResultText::tr("The connection was idle for the idle timeout and was ended.");
    case R::ConnectTimeLimit:
        return ResultText::tr("The connection reached its time limit and was ended.");
    case R::NoEchoReplies:
        return ResultText::tr("The other end stopped answering and the connection was ended.");
    case R::ModemHangup:
        return ResultText::tr("The modem hung up.");
    case R::LoopedBack:
        return ResultText::tr("The line is looped back: the modem hears itself.");
    case R::InitScriptFailed:
        return ResultText::tr("The modem's init script failed.");
    case R::AuthenticationFailed:
        //: %1 is PAP or CHAP
        return arg.isEmpty() ? ResultText::tr("Authentication failed: check the username and the password.")
                             : ResultText::tr("Authentication (%1) failed: check the username and the password.").arg(arg);
    case R::OtherExit:
        return ResultText::tr("pppd ended with exit status %1.").arg(arg);
    case R::Crashed:
        return ResultText::tr("pppd crashed.");
    }
    return QString();
}
