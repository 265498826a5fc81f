#ifndef REASON_H
#define REASON_H

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Why something was not done, as a code and the arguments its sentence needs
// (a path, a field's settings key, an errno value, a command line, an exit
// status). The library says no sentence itself: the privileged helper has no
// translations, so the window turns reasons into sentences in the user's
// language (account/resulttext.h). The codes' names travel in the helper's
// answer, so a code keeps its name once used.
struct Reason
{
    Q_GADGET

public:
    enum Code {
        // Input refused before anything is written (applyInputProblems).
        NoAccountName,
        UnsafeAccountName,       // name
        ControlCharacter,        // field key ("name", "username", "gateway"...)
        BlankAtEnds,             // field key
        DeviceNotOneWord,
        DeviceNotFullPath,
        SpeedNotOffered,         // the offered speeds, joined by ", "
        PasswordNamesFile,
        DialModeNotOffered,
        IdleTimeOutOfRange,      // lowest, highest
        ConnectDelayOutOfRange,  // lowest, highest
        // A file that could not be written, read or removed.
        SystemError,             // errno
        NotRegularFile,
        LockHeld,
        RfcommConfOpen,          // a brace or a quote left open
        SecretsOpen,             // a quote or a backslash left open
        SecretsControlCharacter,
        PeerNameNotPlain,
        Message,                 // a text of another program or of the window's own
        // The Bluetooth binding.
        DeviceNotInDev,          // device path
        DeviceNamesNothing,      // device path
        NotRfcommDevice,
        NoDunEntry,
        BadDunEntry,             // DUN entry
        BindingUnavailable,
        NotBoundAtStart,
        BoundEarlier,
        // A command that did not succeed: command line, its standard error.
        CommandNotStarted,
        CommandCrashed,
        CommandStopped,
        CommandFailed,           // command line, standard error, exit status
        // Apply and Delete outside $HOME.
        ForeignPeerFile,         // path
        HelperNotStarted,        // the program that asks for the rights
        PasswordNotGiven,
        NotAuthorized,           // the helper
        HelperAnswerUnreadable,
        // The helper's refusal of a whole request.
        RequestTooLong,
        RequestNotJson,          // the parser's text
        RequestNamesNoAccount,
        RequestNotApplyOrDelete,
        RequestForOtherHelper,   // the operation asked for, "apply" or "delete"
        RequestValueUnfit,       // key
        RequestUnknownValues,
        // The list of mobile broadband providers.
        ProvidersCannotOpen,
        ProvidersTooLarge,
        ProvidersNotAList,
        ProvidersFormat,         // the list's format
        ProvidersXmlError,       // line, the XML reader's text
    };
    Q_ENUM(Code)

    Code code = Message;
    QStringList args;

    bool operator==(const Reason &other) const
    {
        return code == other.code && args == other.args;
    }

    // The code's name as the helper's answer carries it, and back (false for
    // a name that is no code).
    QString codeName() const;
    static bool codeFromName(const QString &name, Code &code);
};

using Reasons = QList<Reason>;

#endif
