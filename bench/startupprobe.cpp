// The dial-up program's start-up, step for step as app/main.cpp takes it,
// with a reporter that tells the benchmark driver when the window is shown.
#include "shownreporter.h"

#include "account/pppconfig.h"
#include "app/launchfeedback.h"
#include "app/screenfit.h"

#include <QApplication>

int main(int argc, char **argv)
{
    LaunchFeedback launchFeedback;
    QApplication app(argc, argv);

    PPPConfig dialog;
    launchFeedback.complete();

    new ShownReporter(&dialog);
    showForScreen(dialog);
    return app.exec();
}
