#include "account/dunsearch.h"

#include "core/bluetooth/dunsearchparser.h"
#include "core/system/systemlayout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>

DunSearch::Result DunSearch::search(QWidget *parent, const SystemLayout &layout)
{
    Result result;
    DunSearchParser parser;

    // No shell and no files: the output comes straight from the pipe. The
    // tool's complaints are not ours to read.
    QProcess tool;
    tool.setProgram(layout.sdptool);
    tool.setArguments({ QStringLiteral("browse") });
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.setStandardInputFile(QProcess::nullDevice());
    QObject::connect(&tool, &QProcess::readyReadStandardOutput, &tool,
                     [&] { parser.feed(tool.readAllStandardOutput()); });

    tool.start(QIODevice::ReadOnly);
    if (!tool.waitForStarted(-1)) {
        qWarning("DUN search: cannot run %s: %s", qPrintable(layout.sdptool),
                 qPrintable(tool.errorString()));
        return result;
    }

    // Shown at once, so that the window takes no input from the moment the
    // search starts.
    QProgressDialog progress(parent);
    progress.setWindowTitle(QCoreApplication::translate("PPPConfig", "DUN Search"));
    progress.setLabelText(QCoreApplication::translate(
            "PPPConfig", "Searching for Bluetooth dial-up services..."));
    progress.setRange(0, 0); // a busy indicator: the tool tells no progress
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    QEventLoop loop;
    QObject::connect(&tool, &QProcess::finished, &loop, &QEventLoop::quit);
    // The Cancel button and Escape say canceled; closing the dialog otherwise
    // is a cancel too, since nothing would be left to stop the tool.
    const auto cancel = [&] {
        result.cancelled = true;
        loop.quit();
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, cancel);
    QObject::connect(&progress, &QDialog::finished, &loop, cancel);
    progress.show();
    if (tool.state() != QProcess::NotRunning)
        loop.exec();
    progress.hide();

    if (tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished(-1);
    }
    // What the tool wrote before it ended still counts. When it was stopped
    // or crashed, its output breaks off, and only the services read to their
    // end do.
    parser.feed(tool.readAllStandardOutput());
    if (result.cancelled) {
        // The user knows why.
    } else if (tool.exitStatus() == QProcess::CrashExit) {
        qWarning("DUN search: %s stopped: %s", qPrintable(layout.sdptool),
                 qPrintable(tool.errorString()));
    } else {
        parser.finish();
    }
    result.entries = parser.entries();
    return result;
}

void DunSearch::fillDunList(QComboBox *deviceList, QWidget *parent, const SystemLayout &layout)
{
    const Result result = search(parent, layout);
    // A search the user stopped before it found anything tells nothing new:
    // the phone chosen before stays.
    if (result.cancelled && result.entries.isEmpty())
        return;
    deviceList->clear();
    deviceList->addItems(result.entries);
    if (!result.entries.isEmpty()) {
        deviceList->setCurrentIndex(0);
    } else if (!result.cancelled) {
        QMessageBox::information(parent, QCoreApplication::translate("PPPConfig", "DUN Search"),
                                 QCoreApplication::translate("PPPConfig", "Can't get DUN info."));
    }
}
