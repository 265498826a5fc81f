// Reading any bytes as a settings file: no crash, no memory fault, and
// whatever the reader made of them is stable: the store saved, read again
// and saved again gives the same file both times.
//
// Then every lookup runs on every entry read, so the number, list and
// scrambled readers see arbitrary values too.

#include "config/config.h"
#include "fuzzsupport.h"

namespace {

// The groups of a saved file with their keys, in file order. In a saved
// file only group headers start with "[", and the first " = " of an entry
// line ends its key.
QList<QPair<QString, QStringList>> savedGroups(const QByteArray &saved)
{
    QList<QPair<QString, QStringList>> groups;
    for (const QString &line : QString::fromUtf8(saved).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            groups.append({ line.mid(1, line.size() - 2), QStringList() });
        else if (!groups.isEmpty() && line.contains(QLatin1String(" = ")))
            groups.last().second.append(line.left(line.indexOf(QLatin1String(" = "))));
    }
    return groups;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = fuzzScratchFile(QStringLiteral("input.conf"));
    const QString first = fuzzScratchFile(QStringLiteral("first.conf"));
    const QString second = fuzzScratchFile(QStringLiteral("second.conf"));
    for (const QString &path : { input, first, second })
        fuzzRemove(path);
    fuzzWriteFile(input, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    {
        Config store(input, ExactPath);
        store.save(first);
    }
    const QByteArray saved = fuzzReadFile(first);
    {
        Config store(first, ExactPath);
        store.save(second);
    }
    fuzzRequire(fuzzReadFile(second) == saved, "a saved file reads back as it was saved",
                QString::fromUtf8(saved) + QLatin1String("\n---\n")
                    + QString::fromUtf8(fuzzReadFile(second)));

    Config store(first, ExactPath);
    for (const auto &group : savedGroups(saved)) {
        store.selectGroup(group.first);
        for (const QString &key : group.second) {
            fuzzRequire(store.containsKey(key), "a saved key is found", key);
            store.textValue(key);
            store.numberValue(key, 7);
            store.flagValue(key, true);
            store.listValue(key, QLatin1Char(','));
            store.scrambledValue(key);
        }
    }
    return 0;
}
