#ifndef SCRATCHDATA_H
#define SCRATCHDATA_H

#include <QByteArray>
#include <QString>

// The data the benchmarks run on, written into scratch folders.

// Writes content to path; a benchmark cannot go on without it, so a failure
// ends the run with an error.
void writeFile(const QString &path, const QByteArray &content);

// Writes count account settings files into home's Choices/common, each as
// the dialog saves one: "Info" with the name, "Properties" with every key.
// The accounts are named "Account 0001" and so on.
void writeAccounts(const QString &home, int count);

// One account's settings file text.
QByteArray accountSettings(const QString &name, const QString &password);

// A secrets file of lineCount lines, each an account of some other user,
// with "<user> <account> <secret>" lines placed at the middle.
QByteArray secretsFileText(int lineCount, const QByteArray &line);

// What "sdptool browse" prints for phoneCount phones in range, each offering
// five services of which one is dial-up networking.
QByteArray searchOutput(int phoneCount);

#endif
