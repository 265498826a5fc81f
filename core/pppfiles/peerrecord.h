#ifndef PEERRECORD_H
#define PEERRECORD_H

#include "core/system/systemfile.h"

struct SystemLayout;

// The names of the peer files this program wrote, one a line, in the
// layout's peerRecord. A peer file of the same name may be the
// administrator's own (pon's "provider"), and the user may not be allowed to
// look into the peers folder: only the writer, which can, decides whether a
// peer file is this program's.

// Whether name is listed; an unreadable record lists nothing.
bool isRecordedPeer(const SystemLayout &layout, const QString &name);

// Lists name (written) or drops it (not written), replacing the record whole
// with mode 0644; nothing is written when the record already says so. Call it
// holding SystemFilesLock, or another writer's change may be lost.
std::optional<FileFailure> recordPeer(const SystemLayout &layout, const QString &name,
                                      bool written);

#endif
