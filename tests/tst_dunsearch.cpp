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

} // namespace

class TestDunSearch : public QObject
{
    Q_OBJECT
private slots:
    // However the output arrives, with either line end, the same entries, each only once its record has ended.
    void browseOutput()
    {
        const QList<QPair<QString, QStringList>> rows = {
            { "several-phones.txt", { "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" } },   // unnamed records after
            { "spellings.txt", { "00:1A:75:10:00:01,2", "00:23:D4:10:00:02,3", "00:26:E8:10:00:03,4", "00:1C:A4:10:00:04,5",
                                 "00:18:0F:10:00:05,6" } },   // of the name, and the service class alone
            { "two-dun-services.txt", { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" } },
            { "malformed-address.txt", { "00:1e:3a:4f:21:08,4" } }, { "blanks-and-tabs.txt", { "00:1A:75:B2:90:4C,21" } },
            { "crlf.txt", { "00:12:D1:AA:BB:CC,1", "00:12:D1:AA:BB:CC,12" } }, { "no-blank-lines.txt", { "00:1E:3A:4F:21:07,4" } },
            { "edge-cases.txt", { "00:11:22:33:44:55,7" } } };   // channels, classes and addresses that make no entry
        for (const auto &[file, entries] : rows) {
            const QByteArray output = fixture(file);
            QCOMPARE(DunSearchParser::parse(output), entries);
            QByteArray crlf = output;
            QCOMPARE(DunSearchParser::parse(crlf.replace("\r\n", "\n").replace("\n", "\r\n")), entries);
            DunSearchParser parser;   // a byte at a time: an entry only once its record has ended
            for (qsizetype i = 0; i < output.size(); ++i) {
                parser.feed(QByteArrayView(output).sliced(i, 1));
                QVERIFY(entries.mid(0, parser.entries().size()) == parser.entries());
            }
            parser.finish();
            QCOMPARE(parser.entries(), entries);
    }
    }

    // No shell, a busy indicator, the form off meanwhile; nothing found is said; Cancel keeps complete entries or the list.
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
            QVERIFY(QFile::copy(TESTDATA_DIR "/sdptool/fake-sdptool", layout.sdptool)
                    && QFile::setPermissions(layout.sdptool, QFile::ReadOwner | QFile::ExeOwner));
            const QString ready = scratch.dir.filePath("ready");
            qputenv("FAKE_SDPTOOL_OUTPUT", QFile::encodeName(TESTDATA_DIR "/sdptool/" + output.section(' ', -1)));
            qputenv("FAKE_SDPTOOL_READY", output.startsWith("cancel") ? QFile::encodeName(ready) : QByteArray());
            QWidget window;
            auto *list = new QComboBox(&window);
            list->addItems(before);
            BoxCatcher catcher;
            catcher.cancelOnceExists = ready;
            QSignalSpy done(DunSearch::fillDunList(list, &window, list, layout), &DunSearch::finished);
            QVERIFY(!list->isEnabled() && done.wait(20000));
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QCOMPARE(items, entries);
            QVERIFY(catcher.boxes == boxes && (catcher.busySeen || !output.startsWith("cancel")) && list->isEnabled());
        }
    }
};

QTEST_MAIN(TestDunSearch)
#include "tst_dunsearch.moc"
