#include "core/bluetooth/rfcommconf.h"

namespace {

void endStatement(QByteArray &statement, RfcommConfBlock &block)
{
    statement = statement.simplified();
    if (!statement.isEmpty())
        block.statements.append(statement);
    statement.clear();
}

} // namespace

std::optional<QList<RfcommConfBlock>> rfcommConfBlocks(const QByteArray &conf)
{
    QList<RfcommConfBlock> blocks;
    QByteArray statement;   // of the open block, so far
    qsizetype wordStart = -1;
    qsizetype wordEnd = -1;
    int depth = 0;
    for (qsizetype i = 0; i < conf.size(); ++i) {
        const char c = conf[i];
        if (c == '#') {
            while (i + 1 < conf.size() && conf[i + 1] != '\n')
                ++i;
            statement += ' ';
        } else if (c == '"') {
            const qsizetype end = conf.indexOf('"', i + 1);
            if (end < 0)
                return std::nullopt;
            statement += conf.mid(i, end + 1 - i);
            i = end;
        } else if (c == '{') {
            if (depth++ == 0) {
                const bool named = wordStart >= 0;
                blocks.append({ named ? conf.mid(wordStart, wordEnd - wordStart) : QByteArray(),
                                named ? wordStart : i, 0, {} });
                statement.clear();
            }
            wordStart = wordEnd = -1;
        } else if (c == '}') {
            if (--depth < 0)
                return std::nullopt;
            if (depth == 0) {
                blocks.last().length = i + 1 - blocks.last().start;
                endStatement(statement, blocks.last());
            }
        } else if (c == ';') {
            wordStart = wordEnd = -1;
            if (depth == 1)
                endStatement(statement, blocks.last());
        } else if (depth > 0) {
            statement += c;
        } else if (!QByteArrayView(" \t\r\n").contains(c)) {
            if (wordEnd != i)
                wordStart = i;
            wordEnd = i + 1;
        }
    }
    if (depth != 0)
        return std::nullopt;
    return blocks;
}

std::optional<QByteArray> rfcommConfWithBlock(const QByteArray &conf, const QByteArray &name,
                                              const QByteArray &block)
{
    const std::optional<QList<RfcommConfBlock>> blocks = rfcommConfBlocks(conf);
    if (!blocks)
        return std::nullopt;
    QList<std::pair<qsizetype, qsizetype>> spans;   // start, length of each block of name
    for (const RfcommConfBlock &each : *blocks) {
        if (each.name == name)
            spans.append({ each.start, each.length });
    }

    QByteArray result = conf;
    if (spans.isEmpty()) {
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += '\n';
        return result + block;
    }
    // The block's own line feed is there already after the old block.
    for (qsizetype k = spans.size() - 1; k >= 0; --k)
        result.replace(spans[k].first, spans[k].second, k == 0 ? block.chopped(1) : QByteArray());
    return result;
}
