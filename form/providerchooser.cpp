#include "form/providerchooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W>
W *make(QWidget *parent, const char *name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// Long country and plan names must not widen the dialog past a small screen.
void keepNarrow(QComboBox *box)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
}

} // namespace

ProviderChooser::ProviderChooser(const QList<ProviderCountry> &countries, const QString &countryCode,
                                 const QString &problem, QWidget *parent)
    : QDialog(parent), countries(countries), problem(problem)
{
    setObjectName(QStringLiteral("ProviderChooser"));
    setWindowTitle(tr("Provider"));
    auto *layout = new QVBoxLayout(this);

    auto *countryLabel = new QLabel(tr("&Country:"), this);
    providerCountry = make<QComboBox>(this, "providerCountry");
    keepNarrow(providerCountry);
    countryLabel->setBuddy(providerCountry);
    for (const ProviderCountry &country : countries)
        providerCountry->addItem(country.name, country.code);
    providerCountry->setCurrentIndex(qMax(0, providerCountry->findData(countryCode)));

    auto *providerLabel = new QLabel(tr("P&rovider:"), this);
    providerFilter = make<QLineEdit>(this, "providerFilter");
    providerFilter->setPlaceholderText(tr("Type to filter"));
    providerFilter->setClearButtonEnabled(true);
    providerName = make<QListWidget>(this, "providerName");
    providerLabel->setBuddy(providerFilter);
    providerName->setAccessibleName(tr("Provider"));

    auto *planLabel = new QLabel(tr("P&lan:"), this);
    providerPlan = make<QComboBox>(this, "providerPlan");
    keepNarrow(providerPlan);
    planLabel->setBuddy(providerPlan);
    providerApn = make<QLineEdit>(this, "providerApn");
    providerApn->setPlaceholderText(tr("Access point name"));
    providerApn->setAccessibleName(providerApn->placeholderText());

    providerSummary = make<QLabel>(this, "providerSummary");
    providerSummary->setWordWrap(true);
    providerSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    for (QWidget *widget : std::initializer_list<QWidget *> {
             countryLabel, providerCountry, providerLabel, providerFilter, providerName, planLabel,
             providerPlan, providerApn, providerSummary, buttons })
        layout->addWidget(widget);
    layout->setStretchFactor(providerName, 1);

    connect(providerCountry, &QComboBox::currentIndexChanged, this, &ProviderChooser::showProviders);
    connect(providerFilter, &QLineEdit::textChanged, this, &ProviderChooser::filterProviders);
    connect(providerName, &QListWidget::currentRowChanged, this, &ProviderChooser::showPlans);
    connect(providerPlan, &QComboBox::currentIndexChanged, this, &ProviderChooser::showSummary);
    connect(providerApn, &QLineEdit::textChanged, this, &ProviderChooser::showSummary);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showProviders();
    // The country is mostly right already: typing goes to the filter.
    providerFilter->setFocus();
    resize(sizeHint().boundedTo(QSize(360, 480)));
}

const Provider *ProviderChooser::currentProvider() const
{
    const int country = providerCountry->currentIndex();
    const int provider = providerName->currentRow();
    if (country < 0 || provider < 0 || providerName->item(provider)->isHidden())
        return nullptr;
    return &countries.at(country).providers.at(provider);
}

void ProviderChooser::showProviders()
{
    const QSignalBlocker blocker(providerName);
    providerName->clear();
    const int country = providerCountry->currentIndex();
    if (country >= 0) {
        for (const Provider &provider : countries.at(country).providers)
            providerName->addItem(provider.name);
    }
    filterProviders(providerFilter->text());
}

void ProviderChooser::filterProviders(const QString &text)
{
    int first = -1;
    for (int row = 0; row < providerName->count(); ++row) {
        QListWidgetItem *item = providerName->item(row);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        if (first < 0 && !item->isHidden())
            first = row;
    }
    const int current = providerName->currentRow();
    if (current < 0 || providerName->item(current)->isHidden()) {
        const QSignalBlocker blocker(providerName);
        providerName->setCurrentRow(first);
    }
    showPlans();
}

void ProviderChooser::showPlans()
{
    const QSignalBlocker blocker(providerPlan);
    providerPlan->clear();
    if (const Provider *provider = currentProvider()) {
        for (const ProviderPlan &plan : provider->plans) {
            QString label = !plan.name.isEmpty() ? plan.name : plan.cdma ? tr("CDMA") : plan.apn;
            if (plan.type == QLatin1String("prepaid"))
                label = tr("%1 (prepaid)").arg(label);
            else if (plan.type == QLatin1String("postpaid"))
                label = tr("%1 (postpaid)").arg(label);
            providerPlan->addItem(label);
        }
    }
    providerPlan->addItem(tr("Not listed: type the access point name"));
    showSummary();
}

ProviderPlan ProviderChooser::chosenPlan() const
{
    const Provider *provider = currentProvider();
    const int plan = providerPlan->currentIndex();
    if (provider && plan >= 0 && plan < provider->plans.size())
        return provider->plans.at(plan);
    ProviderPlan typed;
    typed.apn = providerApn->text().trimmed();
    return typed;
}

void ProviderChooser::showSummary()
{
    const bool typing = providerPlan->currentIndex() == providerPlan->count() - 1;
    providerApn->setVisible(typing);
    const ProviderPlan plan = chosenPlan();
    const bool usable = plan.cdma || isUsableApn(plan.apn);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(usable);
    QStringList lines;
    if (!problem.isEmpty())
        lines << tr("Could not read the list of providers: %1").arg(problem);
    const QString user = plan.username.isEmpty() ? tr("none") : plan.username;
    if (!usable)
        lines << tr("Type the access point name your provider gives.");
    else if (plan.cdma)
        lines << tr("OK fills in: phone %1, user name %2; the init string stays.").arg(dialNumberFor(plan), user);
    else
        lines << tr("OK fills in: phone %1, init string %2, user name %3.")
                     .arg(dialNumberFor(plan), initStringFor(plan), user);
    providerSummary->setText(lines.join(QLatin1Char('\n')));
}
