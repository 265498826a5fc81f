#include "account/pppconfig.h"
#include "app/launchfeedback.h"
#include "app/screenfit.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before the application object, which takes the launch id away.
    LaunchFeedback launchFeedback;
    QApplication app(argc, argv);

    PPPConfig dialog;
    launchFeedback.complete();

    // Closing the dialog ends the program (Qt quits with the last window).
    showForScreen(dialog);
    return app.exec();
}
