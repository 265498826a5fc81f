#ifndef RFCOMMCONF_H
#define RFCOMMCONF_H

#include <QByteArray>
#include <QList>

#include <optional>

// One top-level block of rfcomm.conf: "name { statement; ... }". "#" starts a
// comment up to the line's end, double quotes a string.
struct RfcommConfBlock
{
    QByteArray name;               // the word before the brace, empty when none
    qsizetype start = 0;           // where the name (or the brace) begins
    qsizetype length = 0;          // up to and with the closing brace
    QList<QByteArray> statements;  // "key value", comments left out, blanks made single
};

// The blocks of conf in their order; nothing when conf cannot be split so
// (a brace or a string left open).
std::optional<QList<RfcommConfBlock>> rfcommConfBlocks(const QByteArray &conf);

// conf with the block of name replaced by block (the first such block; later
// ones go) or, when it has none, with block appended. Every other byte stays
// as it was. Nothing when conf cannot be split into blocks: guessing could
// cost another device its binding.
std::optional<QByteArray> rfcommConfWithBlock(const QByteArray &conf, const QByteArray &name,
                                              const QByteArray &block);

#endif
