#include "account/pppconfig.h"
#include "app/language.h"
#include "app/launchfeedback.h"
#include "app/screenfit.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before the application object, which takes the launch id away.
    LaunchFeedback launchFeedback;
    QApplication app(argc, argv);
    // The app id by which a Wayland shell finds the desktop entry (icon, name,
    // the end of its launch splash), whatever the program file is called.
    QGuiApplication::setDesktopFileName(QStringLiteral("dialup"));
    installTranslations(app);

    PPPConfig dialog;
    launchFeedback.complete();

    // Closing the dialog ends the program (Qt quits with the last window).
    showForScreen(dialog);
    return app.exec();
}
