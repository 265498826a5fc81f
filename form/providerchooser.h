#ifndef PROVIDERCHOOSER_H
#define PROVIDERCHOOSER_H

#include "core/providers/providerdatabase.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Country, provider and plan from the provider list, shown as given (names
// already in the user's language, countries in their order), with a line
// telling what OK will fill in. "Not listed" as the plan lets the user type
// the access point name instead. Narrow enough for a 360-pixel-wide screen.
class ProviderChooser : public QDialog
{
    Q_OBJECT

public:
    // problem, when not empty, says why the list is missing; only typing an
    // access point name is left then.
    ProviderChooser(const QList<ProviderCountry> &countries, const QString &countryCode,
                    const QString &problem, QWidget *parent = nullptr);

    // What OK stands for: a plan of the list, or a GSM plan with the typed
    // access point name.
    ProviderPlan chosenPlan() const;

    QComboBox *providerCountry;
    QLineEdit *providerFilter;
    QListWidget *providerName;
    QComboBox *providerPlan;
    QLineEdit *providerApn;
    QLabel *providerSummary;
    QDialogButtonBox *buttons;

private:
    void showProviders();
    void filterProviders(const QString &text);
    void showPlans();
    void showSummary();
    const Provider *currentProvider() const;

    QList<ProviderCountry> countries;
    QString problem;
};

#endif
