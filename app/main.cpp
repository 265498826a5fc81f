#include "account/pppconfig.h"
#include "app/launchfeedback.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    // Before the application object, which takes the launch id away.
    LaunchFeedback launchFeedback;
    QApplication app(argc, argv);

    PPPConfig dialog;
    launchFeedback.complete();

    // Closing the dialog ends the program (Qt quits with the last window).
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() <= 480)
        dialog.showMaximized();
    else
        dialog.show();
    return app.exec();
}
