// Round trip of the settings store: whatever groups and entries a store
// holds, saving it and reading the file back gives the same groups and
// entries.
//
// The input describes the store, one instruction a line (UTF-8; bytes that
// are not UTF-8 become U+FFFD, as they would in a settings file):
//   [name      selects the group "name", creating it; the rest of the line is
//              the name, verbatim
//   key=value  puts value under key in the current group (split at the first
//              "=", both trimmed)
//   key        puts a null value under key
// Lines before the first group are ignored.
//
// The file format cannot carry every text, so the names made are restricted
// to what it can:
//   - no line feed anywhere (it ends the line);
//   - a key holds no "=" (the first one ends the key) and does not start with
//     "[" (that line would be read as a group header);
//   - keys and values have no white space at either end (QChar::isSpace;
//     reading trims it).
// Group names need nothing more: "[" and "]" around them protect their ends.
//
// Equality: the same group names, the same keys in each group, and the same
// value under each key, where an empty value and a null one are the same: both
// are written as "key = ", which reads back as a null value.

#include "config/config.h"
#include "fuzzsupport.h"

#include <QMap>

namespace {

using Group = QMap<QString, QString>;
using Store = QMap<QString, Group>;

// Builds the store both in the model and in the Config.
Store applyInstructions(const QString &text, Config &config)
{
    Store model;
    Group *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            const QString name = line.mid(1);
            current = &model[name];
            config.selectGroup(name);
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = (equals < 0 ? line : line.left(equals)).trimmed();
        const QString value = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
        if (key.startsWith(QLatin1Char('[')))
            continue;
        current->insert(key, value);
        config.putText(key, value);
    }
    return model;
}

// The saved form of a store: groups and keys sorted by code unit.
QByteArray fileText(const Store &model)
{
    QString text;
    for (auto group = model.cbegin(); group != model.cend(); ++group) {
        text += QLatin1Char('[') + group.key() + QLatin1String("]\n");
        for (auto entry = group->cbegin(); entry != group->cend(); ++entry)
            text += entry.key() + QLatin1String(" = ") + entry.value() + QLatin1Char('\n');
    }
    return text.toUtf8();
}

void checkScrambledValues(const Store &model)
{
    const QString path = fuzzScratchFile(QStringLiteral("scrambled.conf"));
    fuzzRemove(path);
    const QString absent = QStringLiteral("<absent>");
    QStringList values;
    {
        Config store(path, ExactPath);
        store.selectGroup(QStringLiteral("Scrambled"));
        int number = 0;
        for (const Group &group : model) {
            for (const QString &value : group) {
                const QString key = QString::number(++number);
                store.putScrambled(key, value);
                values.append(value);
                // An empty value scrambles to nothing and reads as absent.
                fuzzRequire(store.scrambledValue(key, absent) == (value.isEmpty() ? absent : value),
                            "a scrambled value reads back as put", value);
            }
        }
    }
    // The scrambled form must also survive the file.
    Config reread(path, ExactPath);
    reread.selectGroup(QStringLiteral("Scrambled"));
    for (int i = 0; i < values.size(); ++i) {
        const QString &value = values.at(i);
        fuzzRequire(reread.scrambledValue(QString::number(i + 1), absent)
                        == (value.isEmpty() ? absent : value),
                    "a scrambled value reads back from the file", value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString written = fuzzScratchFile(QStringLiteral("written.conf"));
    const QString rewritten = fuzzScratchFile(QStringLiteral("rewritten.conf"));
    fuzzRemove(written);
    fuzzRemove(rewritten);

    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    Store model;
    {
        Config store(written, ExactPath);
        model = applyInstructions(input, store);
        store.save(QString());
    }
    const QByteArray expected = fileText(model);
    fuzzRequire(fuzzReadFile(written) == expected, "the store is saved in the file format",
                QString::fromUtf8(fuzzReadFile(written)));

    Config reread(written, ExactPath);
    // Saved before any lookup: selecting a group the file lost would add it.
    reread.save(rewritten);
    fuzzRequire(fuzzReadFile(rewritten) == expected,
                "reading the saved file gives the same groups and entries",
                QString::fromUtf8(fuzzReadFile(rewritten)));

    const QString absent = QStringLiteral("<absent>");
    for (auto group = model.cbegin(); group != model.cend(); ++group) {
        reread.selectGroup(group.key());
        for (auto entry = group->cbegin(); entry != group->cend(); ++entry) {
            const QString value = reread.rawValue(entry.key(), absent);
            const bool same = entry.value().isEmpty() ? value.isNull() : value == entry.value();
            fuzzRequire(reread.containsKey(entry.key()) && same,
                        "each entry reads back with its value", entry.key() + " = " + value);
        }
    }

    checkScrambledValues(model);
    return 0;
}
