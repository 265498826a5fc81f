#ifndef RFCOMMBINDING_H
#define RFCOMMBINDING_H

#include "core/system/systemfile.h"

#include <QString>
#include <QStringList>

#include <functional>

class CommandRunner;
struct SystemLayout;

// The RFCOMM device name of a device path: what follows "/dev/", so
// "rfcomm0" for "/dev/rfcomm0".
QString rfcommDeviceName(const QString &devicePath);

// Why the device path and DUN entry cannot make a working binding, or none
// when they can. The device path has to be "/dev/rfcomm" and a
// number from 0 to 255 without leading zeros, the only names BlueZ's rfcomm
// takes for the device they read as; the DUN entry an address
// XX:XX:XX:XX:XX:XX (hex digits), a comma and a channel from 1 to 30.
std::optional<Reason> bindingProblem(const QString &devicePath, const QString &dunEntry);

// The rfcomm.conf block binding the device to the entry's address and
// channel; by itself, the whole file of a system with no other binding.
QString rfcommConfText(const QString &devicePath, const QString &dunEntry);

// Puts the device's block (rfcommConfText) into rfcomm.conf in place of the
// device's earlier block, or after the others when it has none; every other
// device's block, comment and blank stays byte for byte. The file is read
// and replaced under the SystemFilesLock, like the secrets files (links
// followed, replaceFile), with mode 0644. A file whose blocks cannot be told
// apart, because a brace or a quote is left open, is left as it was.
std::optional<FileFailure> writeRfcommConf(const SystemLayout &layout, const QString &devicePath,
                                           const QString &dunEntry);

// How this system binds a Bluetooth serial device: through the Bluetooth
// service script (bluetoothRestart's program, rfcomm.conf read by the
// service), with BlueZ's rfcomm tool, or not at all. The script wins where
// both are there.
enum class BindingMethod { ServiceScript, RfcommTool, None };
BindingMethod bindingMethod(const SystemLayout &layout);

// What binding did not do: the files and bindings that failed, and each
// command that did not succeed (commandProblem).
struct BindingResult
{
    FileFailures failures;
    Reasons commandProblems;
};
using BindingFinished = std::function<void(const BindingResult &)>;

// Binds the device to the entry's address and channel with the rfcomm tool:
// "rfcomm release <name>", then "rfcomm bind <name> <address> <channel>".
// A failure when the device is not one bindingProblem accepts, or when the
// bind wrote a message though it exited with 0 (what the tool does).
void bindWithRfcommTool(const SystemLayout &layout, CommandRunner &runner,
                        const QString &devicePath, const QString &dunEntry,
                        const BindingFinished &finished);

// Binds the Bluetooth serial device to the phone. First writeRfcommConf: the
// record of the binding. Then, by bindingMethod: with the service script,
// removes the stored PIN and link key, then ejects the PC cards, restarts the
// Bluetooth service and inserts the cards, each command after the one before
// has ended, whatever it answered; with the rfcomm tool, bindWithRfcommTool;
// with neither, nothing more. When the device path or DUN entry cannot make a
// binding, or rfcomm.conf cannot be written, nothing else happens: restarting
// the service then would only bring back the old binding without its
// pairing. A PIN or link key that cannot be removed is a failure. finished
// comes once the last command has ended.
void bindBluetooth(const SystemLayout &layout, CommandRunner &runner, const QString &devicePath,
                   const QString &dunEntry, const BindingFinished &finished);

// A binding recorded in rfcomm.conf, in bindBluetooth's terms.
struct RecordedBinding
{
    QString devicePath;   // "/dev/" and the block's name
    QString dunEntry;     // the block's device address, a comma and its channel
};

// A block of rfcomm.conf not bound at start, by its name (none when the
// blocks cannot be told apart), and why.
struct SkippedBinding
{
    QString name;
    Reason why;
};

// What rfcomm.conf (conf) asks to bind at start: each block with "bind yes;"
// that bindingProblem finds nothing wrong with, the first one of a device
// name only. Every other block is in skipped.
struct RecordedBindings
{
    QList<RecordedBinding> bindings;
    QList<SkippedBinding> skipped;
};
RecordedBindings recordedBindings(const QByteArray &conf);

#endif
