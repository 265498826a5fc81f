// The search output parser on any bytes. Besides running clean:
//   - the entries do not depend on how the output arrives: whole, in pieces
//     of varying size, one byte at a time, or line by line;
//   - entries only ever grow: what a piece has completed stays;
//   - every entry is "XX:XX:XX:XX:XX:XX,N" with hex digits and a channel from
//     1 to 30, since the binding reads the channel at index 18;
//   - every entry's address is in the output, and there are no more entries
//     than "Channel:" lines, since each record takes its own.

#include "syswriters/dunsearchparser.h"
#include "fuzzsupport.h"

#include <QRegularExpression>

namespace {

// Feeds the output in pieces whose sizes (1 to 8 bytes) come from the output
// itself, checking after each piece that earlier entries stay as they were.
QStringList parseInPieces(QByteArrayView output)
{
    DunSearchParser parser;
    QStringList before;
    qsizetype start = 0;
    while (start < output.size()) {
        const qsizetype length = qMin<qsizetype>(output.size() - start,
                                                 (uchar(output[start]) % 8) + 1);
        parser.feed(output.sliced(start, length));
        start += length;
        fuzzRequire(parser.entries().mid(0, before.size()) == before,
                    "a piece keeps the entries before it", parser.entries().join(u' '));
        before = parser.entries();
    }
    parser.finish();
    return parser.entries();
}

QStringList parseByteByByte(QByteArrayView output)
{
    DunSearchParser parser;
    for (qsizetype i = 0; i < output.size(); ++i)
        parser.feed(output.sliced(i, 1));
    parser.finish();
    return parser.entries();
}

QStringList parseLineByLine(const QByteArray &output)
{
    DunSearchParser parser;
    for (const QByteArray &line : output.split('\n'))
        parser.addLine(line);
    parser.finish();
    return parser.entries();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray output(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = DunSearchParser::parse(output);
    const QString shown = entries.join(u' ');

    fuzzRequire(parseInPieces(output) == entries, "pieces of any size give the same entries",
                shown);
    fuzzRequire(parseByteByByte(output) == entries, "single bytes give the same entries", shown);
    fuzzRequire(parseLineByLine(output) == entries, "whole lines give the same entries", shown);

    static const QRegularExpression entryForm(
        QStringLiteral("^[0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5},([1-9]|[12][0-9]|30)$"));
    for (const QString &entry : entries) {
        fuzzRequire(entryForm.match(entry).hasMatch(), "an entry is an address and a channel",
                    entry);
        fuzzRequire(output.contains(entry.left(17).toLatin1()),
                    "an entry's address comes from the output", entry);
    }
    fuzzRequire(entries.size() <= output.count("Channel:"),
                "each entry has a channel line of its own", shown);
    return 0;
}
