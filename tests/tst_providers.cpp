#include "account/pppconfig.h"
#include "account/resulttext.h"
#include "form/providerchooser.h"
#include "core/providers/providerdatabase.h"

#include "support/testsupport.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

namespace {

const QString fixtures = TESTDATA_DIR "/providers";

// Countries, providers and plans as "code=name{provider(apn|type|name|user|password|servers;...)...}".
QString rendered(const ProviderDatabase &database)
{
    QString text = database.error ? "error " : QString();
    for (const ProviderCountry &country : database.countries) {
        text += country.code + "=" + country.name + "{";
        for (const Provider &provider : country.providers) {
            QStringList plans;
            for (const ProviderPlan &p : provider.plans)
                plans << QStringList { p.cdma ? "CDMA" : p.apn, p.type, p.name, p.username, p.password, p.nameServers.join(',') }.join('|');
            text += provider.name + "(" + plans.join(';') + ")";
        }
        text += "}";
    }
    return text;
}

// A scratch machine whose provider list and iso-codes are the fixtures.
struct ProviderScratch : Scratch
{
    ProviderScratch()
    {
        qunsetenv("XDG_DATA_HOME");
        for (const QString &path : { layout.providerDatabase, layout.countryList, layout.localeDir + "/de/LC_MESSAGES/x" })
            QDir().mkpath(QFileInfo(path).path());
        QFile::copy(fixtures + "/serviceproviders.xml", layout.providerDatabase);
        QFile::copy(fixtures + "/iso_3166-1.json", layout.countryList);
        QFile::copy(fixtures + "/locale/de/LC_MESSAGES/iso_3166-1.mo", layout.localeDir + "/de/LC_MESSAGES/iso_3166-1.mo");
    }
};

} // namespace

class TestProviders : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        const QByteArray list = fileContent(fixtures + "/serviceproviders.xml");
        const QString english = "de=Germany{Funk(surf.funk|postpaid|Surf|||10.0.0.1,10.0.0.2;card.funk|prepaid||||)"
                                "Login Mobil(web.login|||web|p\"w'$ #|)}"
                                "us=United States{Twin(twin.gsm|||||;CDMA|||twinuser|twinpass|)Bare CDMA(CDMA|||||)}";
        QTest::newRow("internet only, unusable values left out") << list << "en" << english;
        QString german = english;
        QTest::newRow("names in the user's language") << list << "de" << german.replace("Funk(", "Funk DE(").replace("Surf|", "Surfen|");
        QTest::newRow("other format") << QByteArray(list).replace("format=\"2.0\"", "format=\"1.0\"") << "en" << "error ";
        QTest::newRow("truncated") << list.left(list.indexOf("<country code=\"us\">") + 40) << "en" << "error ";
        QTest::newRow("malformed") << QByteArray(list).replace("</gsm>", "</gms>") << "en" << "error ";
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01\x80garbage", 14) << "en" << "error ";
        QTest::newRow("another document") << QByteArray("<html><body/></html>") << "en" << "error ";
        QTest::newRow("entity expansion") << QByteArray("<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;"
            "&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;"
            "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><serviceproviders format=\"2.0\"><country code=\"de\"><name>&d;&d;&d;&d;</name>"
            "<provider><name>P</name><gsm><apn value=\"a\"/></gsm></provider></country></serviceproviders>") << "en" << "error ";
    }

    void parse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, language);
        QTEST(rendered(ProviderDatabase::parse(xml, language)), "expected");
    }

    // The user's own copy first, then the system's; what is no plain file of a sane size is refused at once.
    void readingTheFile()
    {
        ProviderScratch scratch;
        QCOMPARE(ProviderDatabase::location(scratch.layout), scratch.layout.providerDatabase);
        const QString own = scratch.home + "/.local/share/mobile-broadband-provider-info/serviceproviders.xml";
        QDir().mkpath(QFileInfo(own).path());
        QVERIFY(putFile(own, "<serviceproviders format=\"2.0\"/>"));
        QCOMPARE(ProviderDatabase::location(scratch.layout), own);
        QCOMPARE(rendered(ProviderDatabase::read(own, "en")), QString());

        QFile huge(own);
        QVERIFY(huge.open(QIODevice::ReadWrite) && huge.resize(17 << 20));
        QCOMPARE(reasonText(*ProviderDatabase::read(own, "en").error), QString("The file is too large to be a list of providers."));
        QVERIFY(QFile::remove(own) && ::mkfifo(QFile::encodeName(own).constData(), 0600) == 0);
        QCOMPARE(reasonText(*ProviderDatabase::read(own, "en").error), QString("The file cannot be opened."));
        QVERIFY(QFile::remove(own) && QFile::remove(scratch.layout.providerDatabase));
        QCOMPARE(ProviderDatabase::location(scratch.layout), QString());
    }

    void countryNames()
    {
        ProviderScratch scratch;
        const auto names = translatedCountryNames(scratch.layout, QLocale("de_AT"));
        QCOMPARE(names.value("de") + "," + names.value("kr") + "," + QString::number(names.size()), QString("Deutschland,Südkorea,3"));
        QVERIFY(translatedCountryNames(scratch.layout, QLocale("fr_FR")).isEmpty());
    }

    // Country from LANG with its iso-codes name; filter, plan, OK: the form is filled and only Apply writes it.
    void chooserFillsTheForm()
    {
        ProviderScratch scratch;
        qputenv("LANG", "de_DE.UTF-8");
        RecordingRunner runner;
        PPPConfig dialog(nullptr, nullptr, scratch.layout, &runner);
        dialog.acname->setEditText("Mobile");
        dialog.usepeerdns->setChecked(false);
        dialog.atdial->setText("ATZ");
        dialog.show();
        const auto choose = [&](const QString &country, const QString &filter, int plan, const QString &typed = {}) {
            dialog.provider_button->click();
            QPointer<ProviderChooser> chooser = dialog.findChild<ProviderChooser *>("ProviderChooser");
            if (!country.isEmpty())
                chooser->providerCountry->setCurrentIndex(chooser->providerCountry->findData(country));
            chooser->providerFilter->setText(filter);
            chooser->providerPlan->setCurrentIndex(qMax(0, plan));
            chooser->providerApn->setText(typed);
            const QString seen = chooser->providerCountry->currentText() + "|" + chooser->providerPlan->currentText() + "|"
                + chooser->providerSummary->text();
            chooser->buttons->button(plan < 0 ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return chooser ? "not closed" : seen;
        };
        const auto shown = [&] { return QStringList { dialog.acname->currentText(), dialog.phone->text(), dialog.atdial->text(),
                                                      dialog.username->text(), dialog.password->text(), dialog.dns1->text(), dialog.dns2->text() }.join(' '); };
        QCOMPARE(choose({}, {}, -1), QString("Deutschland|Surfen (postpaid)|OK fills in: phone *99#, init string "
                                                "AT+CGDCONT=1,\"IP\",\"surf.funk\", user name none."));
        QCOMPARE(shown(), QString("Mobile  ATZ    "));
        choose({}, "login", 0);
        QCOMPARE(shown(), QString("Mobile *99# AT+CGDCONT=1,\"IP\",\"web.login\" web p\"w'$ #  "));
        choose({}, {}, 0);
        QCOMPARE(shown(), QString("Mobile *99# AT+CGDCONT=1,\"IP\",\"surf.funk\"   10.0.0.1 10.0.0.2"));
        QVERIFY(!QFile::exists(scratch.accountFile("Mobile")) && !QFile::exists(scratch.layout.peerFile("Mobile")));
        dialog.apply_button->click();
        QVERIFY(fileContent(scratch.layout.peerFile("Mobile")).contains("\"AT+CGDCONT=1,\\\\\"IP\\\\\",\\\\\"surf.funk\\\\\"\" OK \"ATDT*99#\""));

        choose("us", "twin", 1);
        QCOMPARE(shown(), QString("Mobile #777 AT+CGDCONT=1,\"IP\",\"surf.funk\" twinuser twinpass 10.0.0.1 10.0.0.2"));
        dialog.usepeerdns->setChecked(true);   // the peer's name servers then: the plan's are not taken
        dialog.dns1->clear();
        choose({}, "nothing like it", 0, " my.apn ");
        QCOMPARE(shown(), QString("Mobile *99# AT+CGDCONT=1,\"IP\",\"my.apn\"    10.0.0.2"));
        choose({}, "funk", 0);
        QCOMPARE(shown(), QString("Mobile *99# AT+CGDCONT=1,\"IP\",\"surf.funk\"    10.0.0.2"));
    }

    // Without the list the button says which package brings it; a broken list is reported, typing the APN still works.
    void missingOrBrokenList()
    {
        ProviderScratch scratch;
        QVERIFY(putFile(scratch.layout.providerDatabase, "<serviceproviders format=\"2.0\"><country"));
        PPPConfig broken(nullptr, nullptr, scratch.layout);
        broken.provider_button->click();
        auto *chooser = broken.findChild<ProviderChooser *>("ProviderChooser");
        QVERIFY2(chooser->providerSummary->text().startsWith("Could not read the list of providers: " + scratch.layout.providerDatabase),
                 qPrintable(chooser->providerSummary->text()));
        QVERIFY(!chooser->buttons->button(QDialogButtonBox::Ok)->isEnabled());
        chooser->providerApn->setText("a\"b");
        QVERIFY(!chooser->buttons->button(QDialogButtonBox::Ok)->isEnabled());
        chooser->providerApn->setText("internet");
        QVERIFY(chooser->buttons->button(QDialogButtonBox::Ok)->isEnabled());

        QVERIFY(QFile::remove(scratch.layout.providerDatabase));
        PPPConfig missing(nullptr, nullptr, scratch.layout);
        QVERIFY(!missing.provider_button->isEnabled() && missing.provider_button->toolTip().contains("mobile-broadband-provider-info"));
    }

    // The list Debian installs: read whole, its size and the time it took reported.
    void installedList()
    {
        const QString path = SystemLayout().providerDatabase;
        if (!QFile::exists(path))
            QSKIP(qPrintable(path + " is missing: scripts/install-deps test installs mobile-broadband-provider-info"));
        QElapsedTimer timer;
        timer.start();
        const ProviderDatabase database = ProviderDatabase::read(path, "de");
        const qint64 elapsed = timer.elapsed();
        int providers = 0, plans = 0;
        for (const ProviderCountry &country : database.countries) {
            providers += country.providers.size();
            for (const Provider &provider : country.providers)
                plans += provider.plans.size();
        }
        qInfo("%s: %lld countries, %d providers, %d plans in %lld ms", qPrintable(path),
              qint64(database.countries.size()), providers, plans, elapsed);
        QVERIFY2(!database.error, qPrintable(reasonText(database.error.value_or(Reason()))));
        QVERIFY(database.countries.size() > 100 && providers > 500 && plans > 600);
        ProviderChooser chooser(database.countries, "de", {});
        QVERIFY2(chooser.minimumSizeHint().width() <= 360, "fits a 360-pixel-wide screen");
    }
};

QTEST_MAIN(TestProviders)
#include "tst_providers.moc"
