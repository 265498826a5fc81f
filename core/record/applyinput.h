#ifndef APPLYINPUT_H
#define APPLYINPUT_H

#include "core/system/reason.h"

#include <QStringList>

struct PeerValues;

// What the form offers, and so all that may reach a peer file: the connect
// delay ("Time out") and the idle time in seconds, and the speeds, slowest
// first.
constexpr int minConnectDelay = 1;
constexpr int maxConnectDelay = 180;
constexpr int maxIdleTime = 3600;
const QStringList &offeredSpeeds();

// Why "Apply" must write no system file at all for these values: one reason
// per refused field (a field by its settings key), empty when everything may
// be written. The dialog and the privileged helper both ask here, so the
// helper writes nothing the form could not have offered. Refused are an empty account name, an account name
// that is not one plain file name, and a control character (a line feed, say)
// in any field that reaches the peer file, the secrets files or rfcomm.conf,
// where it would start an option or a secret of its own. The device, written
// unquoted as pppd's first word, must be empty or one word without blanks,
// quotes, "#" or backslashes that begins with "/"; the speed one of
// offeredSpeeds(); the password must not begin with "@/", which makes pppd
// read the secret from a file; the dial mode one of the form's buttons or
// none (-1); the idle time and the connect delay within the form's ranges.
// Pass the DUN entry only when the Bluetooth path is chosen; whether it makes
// a working binding is bindBluetooth's concern.
Reasons applyInputProblems(const PeerValues &values, const QString &password,
                           const QString &dunEntry = QString());

#endif
