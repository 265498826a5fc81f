#include "account/formvalues.h"

#include "form/radiogroupbox.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QWidget *widgetOf(const QWidget &form, const AccountField &field)
{
    QWidget *widget = form.findChild<QWidget *>(QLatin1String(field.widget));
    Q_ASSERT_X(widget, "account fields", field.widget);
    return widget;
}

// Makes text the current entry of box, adding it only when no equal entry is
// there yet; an empty text leaves no entry current.
void selectOrAppend(QComboBox *box, const QString &text)
{
    if (text.isEmpty()) {
        box->setCurrentIndex(-1);
        return;
    }
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

} // namespace

AccountValues valuesShownIn(const QWidget &form)
{
    AccountValues values;
    for (const AccountField &field : accountFields()) {
        QWidget *widget = widgetOf(form, field);
        QVariant value;
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            value = edit->text();
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            value = box->currentText();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            value = button->isChecked();
        else if (auto *slider = qobject_cast<QAbstractSlider *>(widget))
            value = slider->value() * field.scale;
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            value = spin->value() * field.scale;
        else if (auto *group = qobject_cast<RadioGroupBox *>(widget))
            value = group->checkedId();
        values.insert(QLatin1String(field.key), value);
    }
    return values;
}

void showValuesIn(QWidget &form, const AccountValues &values)
{
    for (const AccountField &field : accountFields()) {
        QWidget *widget = widgetOf(form, field);
        const QVariant value = values.value(QLatin1String(field.key), field.fallback);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setText(value.toString());
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            // Like every other value, a missing speed shows its default, not
            // the one of the account shown before, which Apply would save.
            selectOrAppend(box, value.toString().isEmpty() ? field.fallback.toString() : value.toString());
        } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
            // An exclusive button is unchecked only through its group.
            auto *group = qobject_cast<RadioGroupBox *>(radio->parentWidget());
            if (value.toBool())
                group->setCheckedId(group->id(radio));
            else if (radio->isChecked())
                group->setCheckedId(-1);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            button->setChecked(value.toBool());
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) {
            // The slider keeps the value within its own range.
            slider->setValue(value.toInt() / field.scale);
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->setValue(value.toInt() / field.scale);
        } else if (auto *group = qobject_cast<RadioGroupBox *>(widget)) {
            if (QAbstractButton *mode = group->button(value.toInt()))
                mode->setChecked(true);
        }
    }
}
