#ifndef APPLYINPUT_H
#define APPLYINPUT_H

#include <QStringList>

struct PeerValues;

// Why "Apply" must write no system file at all for these values: one reason
// per refused field, empty when everything may be written. Refused are an
// empty account name, an account name that is not one plain file name, and a
// control character (a line feed, say) in any field that reaches the peer
// file, the secrets files or rfcomm.conf, where it would start an option or a
// secret of its own. The device and the speed, written unquoted as pppd's
// first two words, are refused unless the device is one word without blanks,
// quotes, "#" or backslashes and the speed a whole number. Pass the DUN entry
// only when the Bluetooth path is chosen; whether it makes a working binding
// is bindBluetooth's concern.
QStringList applyInputProblems(const PeerValues &values, const QString &password,
                               const QString &dunEntry = QString());

#endif
