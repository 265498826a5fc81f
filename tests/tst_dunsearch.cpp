#include "syswriters/dunsearch.h"
#include "syswriters/dunsearchparser.h"

#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>


#include <QFile>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(TESTDATA_DIR "/sdptool/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing fixture");
}

} // namespace

class TestDunSearch : public QObject
{
    Q_OBJECT
private slots:
    void browseOutput_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("several phones, dial-up not first, unnamed records after")
            << fixture("several-phones.txt") << QStringList { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" };
        QTest::newRow("spellings of the name, and the service class alone")
            << fixture("spellings.txt") << QStringList { "00:1A:75:10:00:01,2", "00:23:D4:10:00:02,3",
                                                         "00:26:E8:10:00:03,4", "00:1C:A4:10:00:04,5",
                                                         "00:18:0F:10:00:05,6" };
        QTest::newRow("two dial-up services on one phone")
            << fixture("two-dun-services.txt") << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("malformed addresses") << fixture("malformed-address.txt") << QStringList { "00:1e:3a:4f:21:08,4" };
        QTest::newRow("blanks and tabs") << fixture("blanks-and-tabs.txt") << QStringList { "00:1A:75:B2:90:4C,21" };
        QTest::newRow("CRLF line ends") << fixture("crlf.txt") << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("no blank lines between records") << fixture("no-blank-lines.txt") << QStringList { "00:1E:3A:4F:21:07,4" };
        const QByteArray browsing = "Browsing 00:11:22:33:44:55 ...\n";
        QTest::newRow("no final line end")
            << browsing + "Service Name: Dial-up Networking\n    Channel: 7" << QStringList { "00:11:22:33:44:55,7" };
        QTest::newRow("before any Browsing line")
            << QByteArray("Service Name: Dial-up Networking\n    Channel: 1\n\n") << QStringList {};
        QTest::newRow("bad address forgets the earlier one")
            << browsing + "Browsing phone ...\nService Name: Dialup\n  Channel: 1\n" << QStringList {};
        QTest::newRow("channel out of range or no number")
            << browsing + "Service Name: Dialup\n  Channel: 31\n\nService Name: Dialup\n  Channel: 0\n\n"
                          "Service Name: Dialup\n  Channel: 1x\n" << QStringList {};
        QTest::newRow("dial-up in another list is not the class")
            << browsing + "Service Name: Fax\nProfile Descriptor List:\n  \"Dialup Networking\" (0x1103)\n  Channel: 2\n"
            << QStringList {};
        QTest::newRow("class list ends at the next heading")
            << browsing + "Service Name: Fax\nService Class ID List:\n  \"Fax\" (0x1111)\n"
                          "Protocol Descriptor List:\n  \"Dialup Networking\" (0x1103)\n  Channel: 2\n" << QStringList {};
        QTest::newRow("bare UUID in the class list")
            << browsing + "Service Name: Fax\nService Class ID List:\n  UUID 128: 1103\n  Channel: 2\n" << QStringList {};
    }

    // However the output arrives, and with either line end, the entries are
    // the same; a record's entry exists only once the record has ended.
    void browseOutput()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, entries);
        QCOMPARE(DunSearchParser::parse(output), entries);
        QByteArray crlf = output;
        QCOMPARE(DunSearchParser::parse(crlf.replace("\r\n", "\n").replace("\n", "\r\n")), entries);
        for (qsizetype chunk : { 1, 7, 4096 }) {
            DunSearchParser parser;
            for (qsizetype i = 0; i < output.size(); i += chunk)
                parser.feed(QByteArrayView(output).sliced(i, qMin(chunk, output.size() - i)));
            const QStringList beforeTheEnd = parser.entries();
            parser.finish();
            QCOMPARE(parser.entries(), entries);
            QVERIFY(beforeTheEnd.size() >= entries.size() - 1 && entries.mid(0, beforeTheEnd.size()) == beforeTheEnd);
        }
    }

    // The tool runs without a shell behind a busy indicator; nothing found
    // is said; Cancel stops it and keeps the entries read to their end, or
    // the list as it was when none was.
    void search()
    {
        const QStringList before = { "11:22:33:44:55:66,7", "66:55:44:33:22:11,8" };
        const QList<std::tuple<QString, QStringList, QStringList>> rows = {
            { "several-phones.txt", { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" }, {} },
            { "no-dun.txt", {}, { "DUN Search: Can't get DUN info." } },
            { "cancel slow-phone.txt", { "00:1A:75:B2:90:4C,2" }, {} }, { "cancel no-dun.txt", before, {} } };
        for (const auto &[output, entries, boxes] : rows) {
            Scratch scratch;
            SystemLayout layout = scratch.layout;
            layout.sdptool = scratch.dir.filePath("sdp tool;exit 1");
            QVERIFY(QFile::copy(TESTDATA_DIR "/sdptool/fake-sdptool", layout.sdptool));
            QFile::setPermissions(layout.sdptool, QFile::ReadOwner | QFile::ExeOwner);
            const QString ready = scratch.dir.filePath("ready");
            qputenv("FAKE_SDPTOOL_OUTPUT", QFile::encodeName(TESTDATA_DIR "/sdptool/" + output.section(' ', -1)));
            qputenv("FAKE_SDPTOOL_READY", output.startsWith("cancel") ? QFile::encodeName(ready) : QByteArray());
            QWidget window;
            auto *list = new QComboBox(&window);
            list->addItems(before);
            QTimer user;
            connect(&user, &QTimer::timeout, [&] {
                auto *busy = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
                if (busy && busy->maximum() == 0 && QFile::exists(ready))
                    busy->findChild<QPushButton *>()->click();
            });
            user.start(20);
            BoxCatcher catcher;
            DunSearch::fillDunList(list, &window, layout);
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, entries);
            QCOMPARE(catcher.boxes, boxes);
        }
    }
};

QTEST_MAIN(TestDunSearch)
#include "tst_dunsearch.moc"
