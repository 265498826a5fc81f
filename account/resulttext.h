#ifndef RESULTTEXT_H
#define RESULTTEXT_H

#include "core/connection/connectionreason.h"
#include "core/system/reason.h"

#include <QStringList>

struct FileFailure;

// The window's sentences for the library's reasons, in the user's language:
// one whole sentence per code (and per field where a field is named), its
// arguments put in; an errno value worded as the system words it.
QString reasonText(const Reason &reason);
QStringList reasonTexts(const Reasons &reasons);
// Why a connection attempt ended, as one sentence.
QString connectionReasonText(const ConnectionReason &reason);
// "<path>: <reason>".
QString fileFailureText(const FileFailure &failure);

#endif
