#ifndef APPLYHELPER_H
#define APPLYHELPER_H

#include "core/pppfiles/systemapply.h"
#include "core/system/commandrunner.h"

#include <QByteArray>

#include <memory>

class SystemJob;
struct SystemLayout;

// The privileged helper writes the system files for a dialog that runs as an
// ordinary user. It gets one request on standard input, a JSON object:
//   {"operation": "apply", "name": "<account>", "replacePeerFile": true|false,
//    "values": {<every accountFields() key>: text, whole number or true|false}}
//   {"operation": "delete", "name": "<account>", "replacePeerFile": true|false}
// where replacePeerFile says that the user allowed replacing or removing a
// peer file this program did not write, and answers on standard output with a
// JSON object holding the SystemResult, each reason as its code's name and
// its arguments (Reason), never a sentence: the helper has no translations,
// the dialog words them in its user's language:
//   {"version": 2, "notWritten": [reason], "failures": [{"path": text, <reason>}],
//    "commandProblems": [reason], "foreignPeerFile": text}
// where reason is {"code": name, "args": [text]}. An answer of another
// version, or with a code this side does not know, is no answer.
// It never reads the user's home: the account's values come in the request.

// Each helper program does one operation, so that polkit, which tells its
// actions apart by the program pkexec runs, can grant one without the other.
enum class HelperOperation { Apply, Delete };

// Requests and texts longer than these are refused whole.
constexpr int maxRequestBytes = 64 * 1024;
constexpr int maxFieldLength = 1024;

QByteArray applyRequest(const AccountRecord &record, bool replacePeerFile);
QByteArray deleteRequest(const QString &name, bool replacePeerFile);

// The helper's side: reads request whole and checks it (the operation, which
// must be the one served, the name, every value present with its kind and length, nothing unknown). The
// job it asks for, an ApplyJob or DeleteJob of the system files only that
// writes in this process, not yet started; none when the request cannot be
// read or breaks a rule, and then refusal says why (notWritten).
std::unique_ptr<SystemJob> requestedJob(const QByteArray &request, const SystemLayout &layout,
                                        CommandRunner &runner, HelperOperation served,
                                        SystemResult &refusal);

// The helper program: the requestedJob of standard input run to its end in
// the application's event loop, the answer on standard output. Returns the
// exit status: 0 when everything was done, 1 otherwise.
int runApplyHelper(const SystemLayout &layout, CommandRunner &runner, HelperOperation served);

// The dialog's side: what helper (the layout's applyHelper or deleteHelper)
// answered with its outcome. When no answer came, because pkexec could not start, the
// password was not given or the user may not do this, notWritten says so in
// plain words.
SystemResult helperAnswer(const QStringList &helper, const CommandRunner::Outcome &outcome);

#endif
