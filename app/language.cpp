#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

void installTranslations(QCoreApplication &app)
{
    const QByteArray lang = qgetenv("LANG");
    if (lang.isEmpty())
        return;
    // "de_DE.UTF-8" looks for dialup_de_DE.qm, then dialup_de.qm.
    const QLocale locale(QString::fromLocal8Bit(lang));
    const QString ours = QCoreApplication::applicationDirPath()
        + QStringLiteral("/" DIALUP_TRANSLATIONS_FROM_PROGRAM);
    const QString qts = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const auto &[name, dir] : { std::pair(QStringLiteral("dialup"), ours),
                                     std::pair(QStringLiteral("qtbase"), qts) }) {
        auto *translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), dir))
            app.installTranslator(translator);
        else
            delete translator;
    }
}
