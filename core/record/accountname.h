#ifndef ACCOUNTNAME_H
#define ACCOUNTNAME_H

#include <QString>

// Whether an account name may become part of a path: the peer file and the
// account settings file are named after the account, so the name has to be
// one plain file name. False for a name that holds "/", for "." and "..", and
// for a name that holds a control character.
//
// The empty name also gives false: it names no file (the peer file path would
// be the peers folder itself). It is not unsafe in the way the others are,
// though, so callers that give the empty name a meaning of their own (a
// settings file "Network-PPP-.conf", a message asking for a name) check for
// it before asking here.
bool isSafeAccountName(const QString &name);

// Whether text holds a control character (line feed, carriage return, tab,
// NUL, DEL and the like). Such a character in a field would start a new line,
// and so a new option or secret, in the files pppd reads.
bool containsControlCharacter(const QString &text);

#endif
