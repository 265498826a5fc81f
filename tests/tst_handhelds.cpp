#include "app/language.h"
#include "form/pppconfigbase.h"

#include <QTest>
#include <QtWidgets>

// As at start: the translation that LANG names, in place of any before.
static void startIn(const char *lang)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    qputenv("LANG", lang);
    installTranslations(*qApp);
}

class TestHandhelds : public QObject
{
    Q_OBJECT

private slots:
    void accessibilityWalk_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("title");
        QTest::newRow("en") << QByteArray("C") << "Dial-up";
        QTest::newRow("de") << QByteArray("de_DE.UTF-8") << "Einwahl";
        QTest::newRow("fr") << QByteArray("fr_FR.UTF-8") << "Accès commuté";
        QTest::newRow("es") << QByteArray("es_ES.UTF-8") << "Acceso telefónico";
    }
    // A name for every field; mnemonics and clicks reach fields; unique per page.
    void accessibilityWalk()
    {
        QFETCH(QByteArray, lang);
        startIn(lang);
        PPPConfigBase form;
        QTEST(form.windowTitle(), "title");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (int page = 0; page < form.TabWidget2->count(); ++page) {
            form.TabWidget2->setCurrentIndex(page);
            QSet<int> mnemonics;
            for (QWidget *w : form.TabWidget2->currentWidget()->findChildren<QWidget *>()) {
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()
                         || !a->text(QAccessible::Name).isEmpty()
                         || !a->relations(QAccessible::Labelled).isEmpty(), qPrintable(w->objectName()));
                const int key = QKeySequence::mnemonic(w->property("text").toString())[0].toCombined();
                QVERIFY2(!key || !mnemonics.contains(key), qPrintable(w->objectName()));
                mnemonics.insert(key);
                if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy() && label->isEnabled()) {
                    QTest::mouseClick(label, Qt::LeftButton);
                    QCOMPARE(QApplication::focusWidget(), label->buddy());
                }
            }
        }
    }

    // A new language keeps the speed (listed, or an extra one) and addresses.
    void languageChangeKeepsValues()
    {
        for (const QString rate : { "9600", "2400" }) {
            startIn("C");
            PPPConfigBase form;
            form.speed->addItem("2400");
            form.speed->setCurrentText(rate);
            for (QLineEdit *e : { form.gateway, form.dns1, form.dns2 })
                e->setText(e->objectName());
            startIn("de_DE.UTF-8");
            QCoreApplication::sendPostedEvents();
            QCOMPARE(form.TabWidget2->tabText(0), QString("Konto"));
            QCOMPARE(form.speed->currentText(), rate);
            QCOMPARE(form.gateway->text() + form.dns1->text() + form.dns2->text(), QString("gatewaydns1dns2"));
        }
    }
};

QTEST_MAIN(TestHandhelds)
#include "tst_handhelds.moc"
