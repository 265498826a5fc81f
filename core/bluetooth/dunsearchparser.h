#ifndef DUNSEARCHPARSER_H
#define DUNSEARCHPARSER_H

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <array>

// Finds the dial-up networking services in the text that "sdptool browse"
// prints, and makes one DUN entry "ADDRESS,CHANNEL" for each.
//
// The output is a run of service records. Each record stands under the latest
// "Browsing ADDRESS ..." line and ends at a blank line, at the next "Browsing"
// line or where the next record starts. A record is a dial-up service when its
// "Service Name:" starts with "dial-up" or "dialup" (any letter case) or when
// its "Service Class ID List:" holds "Dialup Networking" (0x1103). Its entry is
// the address it stands under and the number of its own "Channel:" line; a
// record without a valid address or channel makes no entry.
//
// Lines may come in any pieces: feed() takes arbitrary chunks of the output
// and keeps an unfinished last line until its end arrives, so entries() holds
// every entry whose record has ended so far. finish() ends the output. The
// work is linear in the length of the text, and whole lines are examined in
// place without copying.
class DunSearchParser
{
public:
    // Takes the next piece of output; it may end in the middle of a line.
    void feed(QByteArrayView chunk);

    // Takes one whole line, with or without its line end.
    void addLine(QByteArrayView line);

    // The output has ended: examines an unfinished last line and ends the
    // open record.
    void finish();

    // The entries of the records ended so far, in the order of the output.
    const QStringList &entries() const { return m_entries; }

    // Parses a whole output at once.
    static QStringList parse(QByteArrayView output);

    // The RFCOMM channels a service can listen on.
    static constexpr int MinChannel = 1;
    static constexpr int MaxChannel = 30;

private:
    // Where a line falls within a record; a header that comes again, or after
    // a later part, starts the next record (sdptool leaves out the blank line
    // between records on some versions, and unnamed records start with their
    // handle).
    enum Stage { NoStage, NameStage, DescriptionStage, ProviderStage, HandleStage, BodyStage };

    void examineLine(QByteArrayView line);
    void enterStage(Stage stage);
    void startRecordIfNeeded(Stage header);
    void endRecord();

    QStringList m_entries;
    QByteArray m_partialLine;

    std::array<char, 17> m_address {};
    bool m_addressValid = false;

    Stage m_stage = NoStage;
    bool m_inClassList = false;
    bool m_dialup = false;
    int m_channel = 0; // 0: the record has no channel yet
};

#endif
