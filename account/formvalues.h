#ifndef FORMVALUES_H
#define FORMVALUES_H

#include "core/record/accountfields.h"

class QWidget;

// The account values the form shows, each read from the widget that
// accountFields() names for it: a line edit's or combo box's text, a check
// box or radio button as a flag, a slider's or spin box's value (times the
// field's scale), a radio group's checked id.
AccountValues valuesShownIn(const QWidget &form);

// Shows values in the form's widgets. A combo box shows the field's fallback
// for an empty text when there is one (a speed) and no entry otherwise,
// adding the text to its list when the list lacks it. A radio button whose
// flag is off is unchecked only if it was the checked one.
void showValuesIn(QWidget &form, const AccountValues &values);

#endif
