#ifndef SCREENFIT_H
#define SCREENFIT_H

class QWidget;

// Shows the dialog the way the device's screen wants it: filling a screen at
// most 480 pixels wide, at its own size on a wider one. Only the width counts.
void showForScreen(QWidget &dialog);

#endif
