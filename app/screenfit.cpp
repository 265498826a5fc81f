#include "app/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void showForScreen(QWidget &dialog)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() <= 480)
        dialog.showMaximized();
    else
        dialog.show();
}
