#include "syswriters/dunsearchparser.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(TESTDATA_DIR "/sdptool/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

QStringList parseInChunks(const QByteArray &output, qsizetype chunkSize)
{
    DunSearchParser parser;
    for (qsizetype i = 0; i < output.size(); i += chunkSize)
        parser.feed(QByteArrayView(output).sliced(i, qMin(chunkSize, output.size() - i)));
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

class TestDunSearchParser : public QObject
{
    Q_OBJECT
private slots:
    void browseOutput_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("several phones, dial-up not first, unnamed records after")
                << "several-phones.txt"
                << QStringList { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" };
        QTest::newRow("spellings of the name, and the service class alone")
                << "spellings.txt"
                << QStringList { "00:1A:75:10:00:01,2", "00:23:D4:10:00:02,3",
                                 "00:26:E8:10:00:03,4", "00:1C:A4:10:00:04,5",
                                 "00:18:0F:10:00:05,6" };
        QTest::newRow("two dial-up services on one phone")
                << "two-dun-services.txt"
                << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("no dial-up service") << "no-dun.txt" << QStringList {};
        QTest::newRow("malformed addresses make no entry")
                << "malformed-address.txt" << QStringList { "00:1e:3a:4f:21:08,4" };
        QTest::newRow("blanks and tabs") << "blanks-and-tabs.txt"
                                         << QStringList { "00:1A:75:B2:90:4C,21" };
        QTest::newRow("CRLF line ends")
                << "crlf.txt"
                << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("records without blank lines between them")
                << "no-blank-lines.txt" << QStringList { "00:1E:3A:4F:21:07,4" };
    }

    // However the output arrives, and with either line end, the entries are
    // the same.
    void browseOutput()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, entries);
        const QByteArray output = fixture(file);

        QCOMPARE(DunSearchParser::parse(output), entries);
        QCOMPARE(parseLineByLine(output), entries);
        for (qsizetype chunkSize : { 1, 2, 7, 63, 4096 })
            QCOMPARE(parseInChunks(output, chunkSize), entries);

        QByteArray crlf = output;
        crlf.replace("\r\n", "\n").replace("\n", "\r\n");
        QCOMPARE(DunSearchParser::parse(crlf), entries);
    }

    void smallOutputs_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("entries");

        const QByteArray browsing = "Browsing 00:11:22:33:44:55 ...\n";
        QTest::newRow("no output") << QByteArray() << QStringList {};
        QTest::newRow("no final line end")
                << browsing + "Service Name: Dial-up Networking\n    Channel: 7"
                << QStringList { "00:11:22:33:44:55,7" };
        QTest::newRow("before any Browsing line")
                << QByteArray("Service Name: Dial-up Networking\n    Channel: 1\n\n")
                << QStringList {};
        QTest::newRow("bad address forgets the earlier one")
                << browsing + "Browsing phone ...\nService Name: Dialup\n  Channel: 1\n"
                << QStringList {};
        QTest::newRow("channel out of range")
                << browsing + "Service Name: Dialup\n  Channel: 31\n\n"
                              "Service Name: Dialup\n  Channel: 0\n"
                << QStringList {};
        QTest::newRow("channel not a number")
                << browsing + "Service Name: Dialup\n  Channel: 1x\n\n"
                              "Service Name: Dialup\n  Channel:\n"
                << QStringList {};
        QTest::newRow("dial-up in another list is not the class")
                << browsing + "Service Name: Fax\nProfile Descriptor List:\n"
                              "  \"Dialup Networking\" (0x1103)\n  Channel: 2\n"
                << QStringList {};
        QTest::newRow("class list ends at the next heading")
                << browsing + "Service Name: Fax\nService Class ID List:\n  \"Fax\" (0x1111)\n"
                              "Protocol Descriptor List:\n  \"Dialup Networking\" (0x1103)\n"
                              "  Channel: 2\n"
                << QStringList {};
    }

    void smallOutputs()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, entries);
        QCOMPARE(DunSearchParser::parse(output), entries);
    }

    // What a cancelled search keeps: the records that have ended, never a
    // piece of a line.
    void entriesCompleteAsTheOutputArrives()
    {
        DunSearchParser parser;
        parser.feed("Browsing 00:11:22:33:44:55 ...\nService Name: Dial-up Networking\n"
                    "    Channel: 1");
        QVERIFY(parser.entries().isEmpty());
        parser.feed("2\n");
        QVERIFY(parser.entries().isEmpty());
        parser.feed("\nService Name: Dial-up Networking\n    Channel: 3\n");
        QCOMPARE(parser.entries(), QStringList { "00:11:22:33:44:55,12" });
        parser.finish();
        QCOMPARE(parser.entries(),
                 QStringList({ "00:11:22:33:44:55,12", "00:11:22:33:44:55,3" }));
    }
};

QTEST_GUILESS_MAIN(TestDunSearchParser)
#include "tst_dunsearchparser.moc"
