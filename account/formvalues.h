#ifndef FORMVALUES_H
#define FORMVALUES_H

#include "core/record/accountfields.h"

#include <QStringList>

class QWidget;

// The form's widget of each account field, by the field's settings key.
const QHash<QString, const char *> &fieldWidgets();

// The keys of accountFields() that fieldWidgets() does not map to a widget
// the form has. The dialog refuses to start unless this is empty, in every
// build: a value without its widget would be lost at each Apply.
QStringList unmappedFields(const QWidget &form);

// The account the form shows, each member read from its widget: a line
// edit's or combo box's text, a check box or radio button as a flag, a
// slider's or spin box's value, a radio group's checked id. The name is not
// among them.
AccountRecord recordShownIn(const QWidget &form);

// Shows the record in the form's widgets, the name apart. A combo box shows
// the record's initial value for an empty text when there is one (a speed)
// and no entry otherwise, adding the text to its list when the list lacks it.
// A radio button whose flag is off is unchecked only if it was the checked
// one.
void showRecordIn(QWidget &form, const AccountRecord &record);

#endif
