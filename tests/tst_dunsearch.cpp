#include "syswriters/dunsearch.h"
#include "syswriters/systemlayout.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// Puts the context in front of every text, to show which one a text used.
class ContextTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(text);
    }
};

} // namespace

// Runs the search against a stand-in tool that prints a prepared output, and
// plays the user's part on the progress dialog and the message box.
class TestDunSearch : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        m_layout = SystemLayout::rootedAt(m_dir.path());
        // A name a shell would split, to show that none is involved; copied so
        // that it is executable whatever the checkout did to its mode.
        m_layout.sdptool = m_dir.filePath("sdp tool;exit 1");
        QFile::remove(m_layout.sdptool);
        QVERIFY(QFile::copy(TESTDATA_DIR "/sdptool/fake-sdptool", m_layout.sdptool));
        QVERIFY(QFile::setPermissions(m_layout.sdptool, QFile::ReadOwner | QFile::ExeOwner));
        m_readyFile = m_dir.filePath("ready");
        QFile::remove(m_readyFile);
        qunsetenv("FAKE_SDPTOOL_READY");

        m_window.reset(new QWidget);
        m_window->show();
        m_deviceList = new QComboBox(m_window.get());
        m_deviceList->addItems({ "11:22:33:44:55:66,7", "66:55:44:33:22:11,8" });
        m_deviceList->setCurrentIndex(1);

        m_boxes.clear();
        m_progressSeen = false;
        connect(&m_user, &QTimer::timeout, this, &TestDunSearch::actAsUser);
        m_user.start(20);
    }

    void cleanup()
    {
        m_user.stop();
        m_user.disconnect();
        m_window.reset();
    }

    void listsTheEntriesInPlaceOfEarlierOnes()
    {
        setOutputFile(TESTDATA_DIR "/sdptool/several-phones.txt");
        DunSearch::fillDunList(m_deviceList, m_window.get(), m_layout);
        QCOMPARE(items(), QStringList({ "00:1E:3A:4F:21:07,1", "00:1A:75:B2:90:4C,2" }));
        QCOMPARE(m_deviceList->currentIndex(), 0);
        QVERIFY(m_boxes.isEmpty());
    }

    void nothingFoundClearsTheListAndSaysSo()
    {
        ContextTranslator translator;
        QCoreApplication::installTranslator(&translator);
        setOutputFile(TESTDATA_DIR "/sdptool/no-dun.txt");
        DunSearch::fillDunList(m_deviceList, m_window.get(), m_layout);
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(m_deviceList->count(), 0);
        QCOMPARE(m_boxes, QStringList { "PPPConfig|DUN Search: PPPConfig|Can't get DUN info." });
    }

    void missingToolWarnsAndSaysSo()
    {
        m_layout.sdptool = m_dir.filePath("no-such-sdptool");
        setOutputFile(TESTDATA_DIR "/sdptool/several-phones.txt");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("DUN search: cannot run .*no-such-sdptool: .+"));
        DunSearch::fillDunList(m_deviceList, m_window.get(), m_layout);
        QCOMPARE(m_deviceList->count(), 0);
        QCOMPARE(m_boxes, QStringList { "DUN Search: Can't get DUN info." });
    }

    void cancelStopsTheToolAndKeepsCompleteEntries_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("one record complete, one still coming")
                << TESTDATA_DIR "/sdptool/slow-phone.txt"
                << QStringList { "00:1A:75:B2:90:4C,2" };
        // The user stopped it, so there is nothing to tell; the list stays.
        QTest::newRow("nothing complete") << TESTDATA_DIR "/sdptool/no-dun.txt"
                                          << QStringList { "11:22:33:44:55:66,7", "66:55:44:33:22:11,8" };
    }

    void cancelStopsTheToolAndKeepsCompleteEntries()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, entries);
        setOutputFile(output);
        qputenv("FAKE_SDPTOOL_READY", QFile::encodeName(m_readyFile));

        QElapsedTimer clock;
        clock.start();
        DunSearch::fillDunList(m_deviceList, m_window.get(), m_layout);
        QVERIFY2(clock.elapsed() < 30000, "the tool was not stopped");

        QVERIFY(m_progressSeen);
        QCOMPARE(items(), entries);
        QVERIFY(m_boxes.isEmpty());
    }

private:
    void setOutputFile(const QString &path) { qputenv("FAKE_SDPTOOL_OUTPUT", QFile::encodeName(path)); }

    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < m_deviceList->count(); ++i)
            list << m_deviceList->itemText(i);
        return list;
    }

    void actAsUser()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_boxes << box->windowTitle() + ": " + box->text();
            box->accept();
            QCOMPARE(box->parentWidget(), m_window.get());
        } else if (auto *progress = qobject_cast<QProgressDialog *>(modal)) {
            // A busy indicator over the window while the tool runs.
            m_progressSeen = true;
            QCOMPARE(progress->parentWidget(), m_window.get());
            QCOMPARE(progress->maximum(), 0);
            QVERIFY(progress->isVisible());
            if (QFile::exists(m_readyFile)) {
                auto *cancel = progress->findChild<QPushButton *>();
                QVERIFY(cancel);
                cancel->click();
            }
        }
    }

    QTemporaryDir m_dir;
    SystemLayout m_layout;
    QString m_readyFile;
    std::unique_ptr<QWidget> m_window;
    QComboBox *m_deviceList = nullptr;
    QTimer m_user;
    QStringList m_boxes;
    bool m_progressSeen = false;
};

QTEST_MAIN(TestDunSearch)
#include "tst_dunsearch.moc"
