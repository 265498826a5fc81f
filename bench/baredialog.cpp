// The yardstick for start-up: the least a Qt dialog program does to show a
// window, started and measured the same way as the dial-up dialog.
#include "shownreporter.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Dial-up"), &dialog));
    new ShownReporter(&dialog);
    dialog.show();
    return app.exec();
}
