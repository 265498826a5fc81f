// The dial-up program's start-up, step for step as app/main.cpp takes it,
// with a reporter that tells the benchmark driver when the window is shown.
#include "shownreporter.h"

#include "account/pppconfig.h"
#include "app/launchfeedback.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    LaunchFeedback launchFeedback;
    QApplication app(argc, argv);

    PPPConfig dialog;
    launchFeedback.complete();

    new ShownReporter(&dialog);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() <= 480)
        dialog.showMaximized();
    else
        dialog.show();
    return app.exec();
}
