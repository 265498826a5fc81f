#ifndef RADIOGROUPBOX_H
#define RADIOGROUPBOX_H

#include <QGroupBox>

class QAbstractButton;
class QButtonGroup;

// A titled box of radio buttons that answers by button id: which id is
// checked (-1 for none) and which button has an id. The account settings
// store these ids, so each button is given its id explicitly.
class RadioGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroupBox(QWidget *parent = nullptr);

    // Makes button, a child of this box, one of its exclusive buttons.
    void addButton(QAbstractButton *button, int id);
    QAbstractButton *button(int id) const;
    int id(QAbstractButton *button) const;

    // The id of the checked button, -1 when none is checked.
    int checkedId() const;
    // Checks the button with this id; any id without a button, -1 included,
    // leaves every button unchecked.
    void setCheckedId(int id);

    QButtonGroup *buttonGroup() const { return group; }

private:
    QButtonGroup *group;
};

#endif
