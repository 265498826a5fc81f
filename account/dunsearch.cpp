#include "account/dunsearch.h"

#include "core/system/systemlayout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressDialog>

DunSearch::DunSearch(QWidget *window, const SystemLayout &layout)
    : QObject(window)
    , window(window)
    , program(layout.sdptool)
{
}

DunSearch::~DunSearch()
{
    // Gone with its window: the tool is stopped without a report.
    disconnect(&tool, nullptr, this, nullptr);
    if (tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished(-1);
    }
    delete progress;
}

void DunSearch::start()
{
    // No shell and no files: the output comes straight from the pipe. The
    // tool's complaints are not ours to read.
    tool.setProgram(program);
    tool.setArguments({ QStringLiteral("browse") });
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.setStandardInputFile(QProcess::nullDevice());
    connect(&tool, &QProcess::readyReadStandardOutput, this,
            [this] { parser.feed(tool.readAllStandardOutput()); });
    connect(&tool, &QProcess::finished, this, &DunSearch::end);
    connect(&tool, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qWarning("DUN search: cannot run %s: %s", qPrintable(program),
                 qPrintable(tool.errorString()));
        end();
    });

    progress = new QProgressDialog(window);
    progress->setWindowTitle(QCoreApplication::translate("PPPConfig", "DUN Search"));
    progress->setLabelText(QCoreApplication::translate(
            "PPPConfig", "Searching for Bluetooth dial-up services..."));
    progress->setRange(0, 0); // a busy indicator: the tool tells no progress
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    // The Cancel button and Escape say canceled; closing the dialog otherwise
    // is a cancel too, since nothing would be left to stop the tool.
    connect(progress, &QProgressDialog::canceled, this, &DunSearch::cancel);
    connect(progress, &QDialog::finished, this, &DunSearch::cancel);

    tool.start(QIODevice::ReadOnly);
    if (!ended)
        progress->show();
}

void DunSearch::cancel()
{
    if (ended || cancelled)
        return;
    cancelled = true;
    // end() follows once the tool has gone.
    tool.kill();
}

void DunSearch::end()
{
    if (ended)
        return;
    ended = true;
    // Deleted, not hidden: its timer would show it again.
    delete progress;

    // What the tool wrote before it ended still counts. When it was stopped
    // or crashed, its output breaks off, and only the services read to their
    // end do.
    parser.feed(tool.readAllStandardOutput());
    if (cancelled || tool.error() == QProcess::FailedToStart) {
        // The user knows why, or the warning has said it.
    } else if (tool.exitStatus() == QProcess::CrashExit) {
        qWarning("DUN search: %s stopped: %s", qPrintable(program),
                 qPrintable(tool.errorString()));
    } else {
        parser.finish();
    }
    emit finished({ parser.entries(), cancelled });
    deleteLater();
}

DunSearch *DunSearch::fillDunList(QComboBox *deviceList, QWidget *window, QWidget *content,
                                  const SystemLayout &layout)
{
    auto *search = new DunSearch(window, layout);
    content->setEnabled(false);
    connect(search, &DunSearch::finished, deviceList, [=](const Result &result) {
        content->setEnabled(true);
        // A search the user stopped before it found anything tells nothing
        // new: the phone chosen before stays.
        if (result.cancelled && result.entries.isEmpty())
            return;
        deviceList->clear();
        deviceList->addItems(result.entries);
        if (!result.entries.isEmpty()) {
            deviceList->setCurrentIndex(0);
        } else if (!result.cancelled) {
            QMessageBox::information(
                    window, QCoreApplication::translate("PPPConfig", "DUN Search"),
                    QCoreApplication::translate("PPPConfig", "Can't get DUN info."));
        }
    });
    search->start();
    return search;
}
