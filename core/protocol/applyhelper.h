#ifndef APPLYHELPER_H
#define APPLYHELPER_H

#include "core/pppfiles/systemapply.h"

#include <QByteArray>

class CommandRunner;
struct SystemLayout;

// The privileged helper writes the system files for a dialog that runs as an
// ordinary user. It gets one request on standard input, a JSON object:
//   {"operation": "apply", "name": "<account>", "replacePeerFile": true|false,
//    "values": {<every accountFields() key>: text, whole number or true|false}}
//   {"operation": "delete", "name": "<account>", "replacePeerFile": true|false}
// where replacePeerFile says that the user allowed replacing or removing a
// peer file this program did not write, and answers on standard output with a
// JSON object holding the SystemResult:
//   {"notWritten": [text], "failures": [{"path": text, "reason": text}],
//    "commandProblems": [text], "foreignPeerFile": text}
// It never reads the user's home: the account's values come in the request.

// Requests and texts longer than these are refused whole.
constexpr int maxRequestBytes = 64 * 1024;
constexpr int maxFieldLength = 1024;

QByteArray applyRequest(const AccountRecord &record, bool replacePeerFile);
QByteArray deleteRequest(const QString &name, bool replacePeerFile);

// The helper's side: reads request whole and checks it (the operation, the
// name, every value present with its kind and length, nothing unknown), then
// performs it with applySystemFiles or removePeerFile. A request that cannot
// be read or breaks a rule changes nothing; notWritten says why.
SystemResult serveRequest(const QByteArray &request, const SystemLayout &layout,
                          CommandRunner &runner);

// The helper program: serveRequest on standard input, the answer on standard
// output. Exits with 0 when everything was done, 1 otherwise.
int runApplyHelper(const SystemLayout &layout, CommandRunner &runner);

// The dialog's side: runs layout.applyHelper with request and reads its
// answer. When none comes, because pkexec could not start, the password was
// not given or the user may not do this, notWritten says so in plain words.
SystemResult callApplyHelper(const SystemLayout &layout, const QByteArray &request);

#endif
