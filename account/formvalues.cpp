#include "account/formvalues.h"

#include "form/radiogroupbox.h"

#include <QAbstractSlider>
#include <QHash>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QWidget *findWidget(const QWidget &form, const AccountField &field)
{
    const char *name = fieldWidgets().value(QLatin1String(field.key));
    return name ? form.findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

QWidget *widgetOf(const QWidget &form, const AccountField &field)
{
    QWidget *widget = findWidget(form, field);
    if (!widget)
        qFatal("The form has no widget for the account field \"%s\"", field.key);
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

const QHash<QString, const char *> &fieldWidgets()
{
    static const QHash<QString, const char *> widgets = {
        { QStringLiteral("username"), "username" },
        { QStringLiteral("password"), "password" },
        { QStringLiteral("phone"), "phone" },
        { QStringLiteral("Serial"), "serial_button" },
        { QStringLiteral("IrDA"), "irda_button" },
        { QStringLiteral("Bluetooth"), "bluetooth_button" },
        { QStringLiteral("device"), "btdevice" },
        { QStringLiteral("atdial"), "atdial" },
        { QStringLiteral("speed"), "speed" },
        { QStringLiteral("crtscts"), "crtscts" },
        { QStringLiteral("connectdelay"), "connectdelay" },
        { QStringLiteral("BTDUN"), "deviceList" },
        { QStringLiteral("dialmode"), "dialmode" },
        { QStringLiteral("idletime"), "idletime" },
        { QStringLiteral("defaultroute"), "defaultroute" },
        { QStringLiteral("gateway"), "gateway" },
        { QStringLiteral("usepeerdns"), "usepeerdns" },
        { QStringLiteral("dns1"), "dns1" },
        { QStringLiteral("dns2"), "dns2" },
    };
    return widgets;
}

QStringList unmappedFields(const QWidget &form)
{
    QStringList missing;
    for (const AccountField &field : accountFields()) {
        if (!findWidget(form, field))
            missing << QLatin1String(field.key);
    }
    return missing;
}

AccountRecord recordShownIn(const QWidget &form)
{
    AccountRecord record;
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
            value = slider->value();
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            value = spin->value();
        else if (auto *group = qobject_cast<RadioGroupBox *>(widget))
            value = group->checkedId();
        // The widgets show the member itself, not the file's scale.
        if (field.kind == AccountField::Number)
            record.*field.number = value.toInt();
        else
            field.setIn(record, value);
    }
    return record;
}

void showRecordIn(QWidget &form, const AccountRecord &record)
{
    const AccountRecord initial;
    for (const AccountField &field : accountFields()) {
        QWidget *widget = widgetOf(form, field);
        const QVariant value = field.kind == AccountField::Number ? QVariant(record.*field.number)
                                                                   : field.valueIn(record);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setText(value.toString());
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            // Like every other value, a missing speed shows its default, not
            // the one of the account shown before, which Apply would save.
            const QString fallback = field.valueIn(initial).toString();
            selectOrAppend(box, value.toString().isEmpty() ? fallback : value.toString());
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
            slider->setValue(value.toInt());
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->setValue(value.toInt());
        } else if (auto *group = qobject_cast<RadioGroupBox *>(widget)) {
            if (QAbstractButton *mode = group->button(value.toInt()))
                mode->setChecked(true);
        }
    }
}
