#include "core/pppfiles/peerrecord.h"

#include "core/system/systemlayout.h"

namespace {

QByteArrayList recordedNames(const SystemLayout &layout, std::optional<FileFailure> &failure)
{
    QByteArray text;
    failure = readFileIfPresent(layout.peerRecord, text);
    return text.split('\n');
}

} // namespace

bool isRecordedPeer(const SystemLayout &layout, const QString &name)
{
    std::optional<FileFailure> failure;
    return recordedNames(layout, failure).contains(name.toUtf8());
}

std::optional<FileFailure> recordPeer(const SystemLayout &layout, const QString &name,
                                      bool written)
{
    std::optional<FileFailure> failure;
    QByteArrayList names = recordedNames(layout, failure);
    // A record that cannot be read must not be replaced by one name alone.
    if (failure)
        return failure;
    names.removeAll(QByteArray());
    const QByteArray entry = name.toUtf8();
    if (names.contains(entry) == written)
        return std::nullopt;
    if (written)
        names.append(entry);
    else
        names.removeAll(entry);
    QByteArray text;
    for (const QByteArray &listed : std::as_const(names))
        text += listed + '\n';
    return replaceFile(layout.peerRecord, text, 0644);
}
