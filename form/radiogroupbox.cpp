#include "form/radiogroupbox.h"

#include <QAbstractButton>
#include <QButtonGroup>

RadioGroupBox::RadioGroupBox(QWidget *parent)
    : QGroupBox(parent), group(new QButtonGroup(this))
{
    group->setExclusive(true);
}

void RadioGroupBox::addButton(QAbstractButton *button, int id)
{
    group->addButton(button, id);
}

QAbstractButton *RadioGroupBox::button(int id) const
{
    return group->button(id);
}

int RadioGroupBox::id(QAbstractButton *button) const
{
    return group->id(button);
}

int RadioGroupBox::checkedId() const
{
    return group->checkedId();
}

void RadioGroupBox::setCheckedId(int id)
{
    if (QAbstractButton *wanted = group->button(id)) {
        wanted->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked button, so lift the
    // rule for a moment to reach "none checked".
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}
