#include "support/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <csignal>
#include <sys/stat.h>

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool putFile(const QString &path, const QByteArray &content, mode_t mode)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

int modeOf(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

FileSizeLimit::FileSizeLimit(long bytes) : savedHandler(std::signal(SIGXFSZ, SIG_IGN))
{
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
}

CommandRunner::Outcome runToEnd(CommandRunner &runner, const QStringList &commandLine, const QByteArray &input)
{
    QEventLoop loop;
    std::optional<CommandRunner::Outcome> outcome;
    runner.start(commandLine, input, [&](const CommandRunner::Outcome &end) { outcome = end; loop.quit(); });
    if (!outcome)
        loop.exec();
    return *outcome;
}

Scratch::Scratch() : home(dir.filePath("home")), root(dir.filePath("root")), layout(SystemLayout::rootedAt(root))
{
    QDir().mkpath(home + "/Choices/common");
    QDir().mkpath(root + "/etc/ppp");
    QDir().mkpath(root + "/etc/bluetooth");
    QDir().mkpath(root + "/etc/rc.d/init.d");   // the service script binds, as on the device; no rfcomm tool
    putFile(layout.bluetoothRestart[0], "", 0755);
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("LANG");
}

BoxCatcher::BoxCatcher(int answer) : answer(answer)
{
    connect(&timer, &QTimer::timeout, this, [this] {
        auto *busy = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        busySeen = busySeen || (busy && busy->maximum() == 0);
        if (busy && !cancelOnceExists.isEmpty() && QFile::exists(cancelOnceExists))
            busy->findChild<QPushButton *>()->click();
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + ": " + box->text();
            QAbstractButton *button = box->button(QMessageBox::StandardButton(this->answer));
            button ? button->click() : box->defaultButton() ? box->defaultButton()->click() : box->accept();
        }
    });
    timer.start(10);
}
