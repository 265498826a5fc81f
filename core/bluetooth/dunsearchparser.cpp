#include "core/bluetooth/dunsearchparser.h"

#include <algorithm>

namespace {

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// XX:XX:XX:XX:XX:XX with hex digits.
bool isDeviceAddress(QByteArrayView text)
{
    if (text.size() != 17)
        return false;
    for (qsizetype i = 0; i < 17; ++i) {
        if (i % 3 == 2 ? text[i] != ':' : !isHexDigit(text[i]))
            return false;
    }
    return true;
}

// The text after a "Key:" prefix, without the blanks around it.
QByteArrayView valueAfter(QByteArrayView line, QByteArrayView key)
{
    return line.sliced(key.size()).trimmed();
}

// The channel number, or 0 when the text is not a usable RFCOMM channel.
int channelNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 2)
        return 0;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    if (number < DunSearchParser::MinChannel || number > DunSearchParser::MaxChannel)
        return 0;
    return number;
}

// One item of a class list: "Dialup Networking" (0x1103).
bool isDialupClass(QByteArrayView item)
{
    if (!item.startsWith('"'))
        return false;
    const qsizetype close = item.indexOf('"', 1);
    if (close < 0)
        return false;
    const QByteArrayView name = item.sliced(1, close - 1);
    if (name.size() == 17 && startsWithNoCase(name, "dialup networking"))
        return true;
    return startsWithNoCase(item.sliced(close + 1).trimmed(), "(0x1103)");
}

} // namespace

void DunSearchParser::feed(QByteArrayView chunk)
{
    qsizetype start = 0;
    if (!m_partialLine.isEmpty()) {
        const qsizetype end = chunk.indexOf('\n');
        if (end < 0) {
            m_partialLine.append(chunk);
            return;
        }
        m_partialLine.append(chunk.first(end));
        examineLine(m_partialLine);
        m_partialLine.resize(0);
        start = end + 1;
    }
    for (;;) {
        const qsizetype end = chunk.indexOf('\n', start);
        if (end < 0)
            break;
        examineLine(chunk.sliced(start, end - start));
        start = end + 1;
    }
    if (start < chunk.size())
        m_partialLine.append(chunk.sliced(start));
}

void DunSearchParser::addLine(QByteArrayView line)
{
    examineLine(line);
}

void DunSearchParser::finish()
{
    if (!m_partialLine.isEmpty()) {
        examineLine(m_partialLine);
        m_partialLine.resize(0);
    }
    endRecord();
}

QStringList DunSearchParser::parse(QByteArrayView output)
{
    DunSearchParser parser;
    parser.feed(output);
    parser.finish();
    return parser.m_entries;
}

void DunSearchParser::examineLine(QByteArrayView rawLine)
{
    // Blanks, tabs and a carriage return around the line carry no meaning.
    const QByteArrayView line = rawLine.trimmed();

    if (line.isEmpty()) {
        endRecord();
        return;
    }

    if (line.startsWith("Browsing") && (line.size() == 8 || line[8] == ' ' || line[8] == '\t')) {
        endRecord();
        // "Browsing 00:11:22:33:44:55 ...": the address is the first word.
        const QByteArrayView rest = line.sliced(8).trimmed();
        qsizetype wordEnd = 0;
        while (wordEnd < rest.size() && rest[wordEnd] != ' ' && rest[wordEnd] != '\t')
            ++wordEnd;
        const QByteArrayView address = rest.first(wordEnd);
        m_addressValid = isDeviceAddress(address);
        if (m_addressValid)
            std::copy(address.begin(), address.end(), m_address.begin());
        return;
    }

    if (m_inClassList && (line.startsWith('"') || line.startsWith("UUID"))) {
        if (isDialupClass(line))
            m_dialup = true;
        return;
    }
    m_inClassList = false;

    if (line.startsWith("Service Name:")) {
        startRecordIfNeeded(NameStage);
        const QByteArrayView name = valueAfter(line, "Service Name:");
        if (startsWithNoCase(name, "dial-up") || startsWithNoCase(name, "dialup"))
            m_dialup = true;
    } else if (line.startsWith("Service Description:")) {
        startRecordIfNeeded(DescriptionStage);
    } else if (line.startsWith("Service Provider:")) {
        startRecordIfNeeded(ProviderStage);
    } else if (line.startsWith("Service RecHandle:")) {
        startRecordIfNeeded(HandleStage);
    } else if (line.startsWith("Service Class ID List:")) {
        enterStage(BodyStage);
        m_inClassList = true;
    } else if (line.startsWith("Channel:")) {
        enterStage(BodyStage);
        // A record has one RFCOMM channel; a second one would be of an
        // additional protocol list, not the one to dial.
        if (m_channel == 0)
            m_channel = channelNumber(valueAfter(line, "Channel:"));
    } else {
        enterStage(BodyStage);
    }
}

void DunSearchParser::enterStage(Stage stage)
{
    m_stage = std::max(m_stage, stage);
}

void DunSearchParser::startRecordIfNeeded(Stage header)
{
    if (m_stage >= header)
        endRecord();
    m_stage = header;
}

void DunSearchParser::endRecord()
{
    if (m_dialup && m_addressValid && m_channel != 0) {
        QString entry = QString::fromLatin1(m_address.data(), qsizetype(m_address.size()));
        entry += QLatin1Char(',');
        entry += QString::number(m_channel);
        m_entries.append(entry);
    }
    m_stage = NoStage;
    m_inClassList = false;
    m_dialup = false;
    m_channel = 0;
}
