#include "account/dunsearch.h"
#include "core/bluetooth/dunsearchparser.h"

#include "support/testsupport.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(TESTDATA_DIR "/sdptool/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing fixture");
}

// What the list of DUN entries holds before a search.
const QStringList listBefore = { "11:22:33:44:55:66,7", "66:55:44:33:22:11,8" };

} // namespace

class TestDunSearch : public QObject
{
    Q_OBJECT
private slots:
    // However the output arrives, with either line end, the same entries, each only once its record has ended.
    void browseOutput_data()
    {
        QTest::addColumn<QStringList>("entries");   // the tag names the fixture
        QTest::newRow("several-phones.txt") << QStringList { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" };   // unnamed records after
        QTest::newRow("spellings.txt") << QStringList { "00:1A:75:10:00:01,2", "00:23:D4:10:00:02,3", "00:26:E8:10:00:03,4",
                                                        "00:1C:A4:10:00:04,5", "00:18:0F:10:00:05,6" };   // of the name, and the service class alone
        QTest::newRow("two-dun-services.txt") << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("malformed-address.txt") << QStringList { "00:1e:3a:4f:21:08,4" };
        QTest::newRow("blanks-and-tabs.txt") << QStringList { "00:1A:75:B2:90:4C,21" };
        QTest::newRow("crlf.txt") << QStringList { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" };
        QTest::newRow("no-blank-lines.txt") << QStringList { "00:1E:3A:4F:21:07,4" };
        QTest::newRow("edge-cases.txt") << QStringList { "00:11:22:33:44:55,7" };   // channels, classes and addresses that make no entry
    }
    void browseOutput()
    {
        QFETCH(QStringList, entries);
        const QByteArray output = fixture(QTest::currentDataTag());
        QCOMPARE(DunSearchParser::parse(output), entries);
        QByteArray crlf = output;
        QCOMPARE(DunSearchParser::parse(crlf.replace("\r\n", "\n").replace("\n", "\r\n")), entries);
        DunSearchParser parser;   // a byte at a time: an entry only once its record has ended
        for (qsizetype i = 0; i < output.size(); ++i) {
            parser.feed(QByteArrayView(output).sliced(i, 1));
            QCOMPARE(parser.entries(), entries.mid(0, parser.entries().size()));
        }
        parser.finish();
        QCOMPARE(parser.entries(), entries);
    }

    // No shell, a busy indicator, the form off meanwhile; nothing found is said; Cancel keeps complete entries or the list.
    void search_data()
    {
        QTest::addColumn<QString>("output");   // the fixture sdptool prints, after "cancel" if Cancel is pressed meanwhile
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("found") << "several-phones.txt" << QStringList { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" } << QStringList();
        QTest::newRow("nothing found") << "no-dun.txt" << QStringList() << QStringList("DUN Search: Can't get DUN info.");
        QTest::newRow("cancel keeps complete entries") << "cancel slow-phone.txt" << QStringList("00:1A:75:B2:90:4C,2") << QStringList();
        QTest::newRow("cancel keeps the list") << "cancel no-dun.txt" << listBefore << QStringList();
    }
    void search()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, boxes);
        Scratch scratch;
        SystemLayout layout = scratch.layout;
        layout.sdptool = scratch.dir.filePath("sdp tool;exit 1");
        QVERIFY(QFile::copy(TESTDATA_DIR "/sdptool/fake-sdptool", layout.sdptool)
                && QFile::setPermissions(layout.sdptool, QFile::ReadOwner | QFile::ExeOwner));
        const QString ready = scratch.dir.filePath("ready");
        qputenv("FAKE_SDPTOOL_OUTPUT", QFile::encodeName(TESTDATA_DIR "/sdptool/" + output.section(' ', -1)));
        qputenv("FAKE_SDPTOOL_READY", output.startsWith("cancel") ? QFile::encodeName(ready) : QByteArray());
        QWidget window;
        auto *list = new QComboBox(&window);
        list->addItems(listBefore);
        BoxCatcher catcher;
        catcher.cancelOnceExists = ready;
        QSignalSpy done(DunSearch::fillDunList(list, &window, list, layout), &DunSearch::finished);
        QVERIFY(!list->isEnabled());
        QVERIFY(done.wait(20000));
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, entries);
        QCOMPARE(catcher.boxes, boxes);
        QVERIFY(catcher.busySeen || !output.startsWith("cancel"));
        QVERIFY(list->isEnabled());
    }
};

QTEST_MAIN(TestDunSearch)
#include "tst_dunsearch.moc"
