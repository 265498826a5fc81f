#ifndef ACCOUNTFILES_H
#define ACCOUNTFILES_H

#include "core/system/systemfile.h"

struct PeerValues;
struct SystemLayout;

// Writes the account's peer file and, when that worked, records it as this
// program's (recordPeer) and writes its lines in both secrets files, all
// under one SystemFilesLock: two writers at once can then neither lose each
// other's secrets lines nor leave the PAP and CHAP files disagreeing. Gives every file that was not brought up to date; when the
// lock cannot be had, that alone, and nothing is written.
FileFailures writeAccountFiles(const SystemLayout &layout, const PeerValues &values,
                               const QString &password);

#endif
