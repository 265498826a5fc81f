#ifndef PEERFILE_H
#define PEERFILE_H

#include "core/system/systemfile.h"

#include <QString>

struct SystemLayout;

// What the peer file of an account is made of, as the dialog holds it.
// Defaults are the dialog's own starting values.
struct PeerValues
{
    QString device;               // btdevice: first line, unchanged
    QString speed = QStringLiteral("115200");
    QString initString;           // atdial: sent by chat before dialling
    QString phone;                // dialled after "ATDT"
    bool crtscts = true;
    QString userName;             // the "user" line; empty gives none
    int dialMode = -1;            // 0 manual, 1 idle, 2 demand, -1 none chosen
    int idleTime = 120;           // seconds
    bool usePeerDns = true;
    bool defaultRoute = true;
    int connectDelay = 6;         // seconds; written in milliseconds
    QString accountName;          // names the file; the "remotename" line
};

// text in double quotes, with a backslash before each double quote and each
// backslash in it; every other character is copied as it is. pppd reads it
// back as one word holding exactly text, in the peer file and in the
// secrets files alike.
QString quoteWord(const QString &text);

// A name as one pppd word: written as it is when that is already one word
// to pppd (not empty, no white space, double quote, backslash, single quote
// or "#"), through quoteWord otherwise. Used for the remotename line and the
// two name fields of the secrets lines.
QString nameWord(const QString &name);

// text as a chat send string that makes chat send exactly text (and the
// carriage return it adds): chat itself reads "^X" as a control character,
// "\X" as its own escapes, a leading "@" as a file to send and the whole
// words EOT and BREAK as commands. Each "^" becomes "\136", each backslash
// two, a leading "@" "\100" and the first letter of EOT or BREAK its octal
// escape; every other character, and so "ATZ", stays as it is.
QString escapeForChat(const QString &text);

// The dial string chat sends: "ATDT" and the number as they are when the
// number holds only dial characters, otherwise the whole dial string as one
// double-quoted word, escaped like the init string.
QString dialWord(const QString &phone);

// text escaped for a double-quoted shell word inside pppd's single-quoted
// connect option: the shell gets a backslash before each double quote,
// backslash, "$" and backquote, and pppd a backslash before each backslash
// and single quote of that. Chat then receives exactly text.
QString escapeForConnect(const QString &text);

// The peer file's connect line, without the line feed: chat with the abort
// strings, the init string and the dial string, each escaped for chat and
// then for the shell and pppd.
QString connectLine(const QString &initString, const QString &phone);

// The whole peer file, one option per line, each line ended by a line feed.
// Demand dialling also turns IPv6 off ("noipv6"): pppd refuses demand
// dialling with IPv6 on unless fixed link-local addresses are given.
QString peerFileText(const PeerValues &values);

// Writes the account's peer file into the layout's peers folder (made with
// mode 0700 when missing) and tells why when it could not. The file is
// replaced whole (replaceFile) with mode 0644, whatever the umask: pppd runs
// its connect line as root, so nobody else may write it. An account name that
// is not one plain file name is refused without touching anything, and so is
// a peer path that holds anything but a regular file (a symbolic link, a
// FIFO, a folder): it is neither followed nor opened.
std::optional<FileFailure> writePeerFile(const SystemLayout &layout, const PeerValues &values);

#endif
