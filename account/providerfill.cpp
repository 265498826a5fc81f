#include "account/providerfill.h"

#include "account/resulttext.h"
#include "form/pppconfigbase.h"
#include "form/providerchooser.h"
#include "core/providers/providerdatabase.h"
#include "core/system/systemfile.h"
#include "core/system/systemlayout.h"

#include <QCheckBox>
#include <QCollator>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace {

// The program's language follows LANG (see app/language.cpp); the
// preselected country and the names follow it too.
QLocale userLocale()
{
    const QString lang = qEnvironmentVariable("LANG");
    return lang.isEmpty() ? QLocale::system() : QLocale(lang);
}

void openChooser(PPPConfigBase &form, const SystemLayout &system)
{
    const QLocale locale = userLocale();
    const QString path = ProviderDatabase::location(system);
    ProviderDatabase database = ProviderDatabase::read(path, QLocale::languageToCode(locale.language()));
    const QHash<QString, QString> names = translatedCountryNames(system, locale);
    for (ProviderCountry &country : database.countries)
        country.name = names.value(country.code, country.name);
    QCollator collator(locale);
    const auto byName = [&collator](const auto &a, const auto &b) { return collator.compare(a.name, b.name) < 0; };
    std::sort(database.countries.begin(), database.countries.end(), byName);
    for (ProviderCountry &country : database.countries)
        std::sort(country.providers.begin(), country.providers.end(), byName);
    const QString problem =
        database.error ? fileFailureText(FileFailure { path, *database.error }) : QString();
    auto *chooser = new ProviderChooser(database.countries,
                                        QLocale::territoryToCode(locale.territory()).toLower(),
                                        problem, &form);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(chooser, &QDialog::accepted, &form,
                     [&form, chooser] { fillFromPlan(form, chooser->chosenPlan()); });
    chooser->open();
}

} // namespace

void setUpProviderButton(PPPConfigBase &form, const SystemLayout &system)
{
    form.setProviderListAvailable(!ProviderDatabase::location(system).isEmpty());
    QObject::connect(form.provider_button, &QPushButton::clicked, &form,
                     [&form, system] { openChooser(form, system); });
}

void fillFromPlan(PPPConfigBase &form, const ProviderPlan &plan)
{
    form.phone->setText(dialNumberFor(plan));
    if (!plan.cdma)
        form.atdial->setText(initStringFor(plan));
    form.username->setText(plan.username);
    form.password->setText(plan.password);
    if (!form.usepeerdns->isChecked() && !plan.nameServers.isEmpty()) {
        form.dns1->setText(plan.nameServers.value(0));
        form.dns2->setText(plan.nameServers.value(1));
    }
}
