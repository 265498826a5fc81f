// Shows the dial-up dialog on the X server named by DISPLAY the way the
// program does, takes a picture of each of its pages and checks, as a user
// would looking at them, that no widget is drawn over another, sticks out of
// the box it belongs to or is too small for its text.
//
//   formshots OUTDIR [--maximized]
//
// Writes OUTDIR/page-0-account.png and so on; prints one line per fault and
// exits non-zero when there is any.

#include "account/pppconfig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

static QStringList faults;

static void fault(const QString &what)
{
    faults << what;
    std::fprintf(stderr, "%s\n", qPrintable(what));
}

static QString describe(const QRect &r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// The widgets the form made itself; Qt's own inner widgets (a spin box's line
// edit, a tab widget's stack) are named "qt_..." or not at all.
static QList<QWidget *> formWidgets(QWidget *page)
{
    QList<QWidget *> result;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        if (w->isVisibleTo(page))
            result << w;
    }
    return result;
}

static void checkPage(const QString &pageName, QWidget *page)
{
    const QList<QWidget *> widgets = formWidgets(page);
    for (QWidget *w : widgets) {
        QWidget *parent = w->parentWidget();
        const QRect room = qobject_cast<QGroupBox *>(parent) ? parent->contentsRect()
                                                              : parent->rect();
        if (!room.contains(w->geometry()))
            fault(QStringLiteral("%1: %2 %3 sticks out of %4 %5")
                      .arg(pageName, w->objectName(), describe(w->geometry()),
                           parent->objectName(), describe(room)));

        // Texts must show whole: labels and buttons get their full preferred
        // width, everything else at least its minimum.
        const bool text = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w);
        const QSize need(text ? w->sizeHint().width() : w->minimumSizeHint().width(),
                         w->minimumSizeHint().height());
        if (w->width() < need.width() || w->height() < need.height())
            fault(QStringLiteral("%1: %2 is %3, needs %4x%5")
                      .arg(pageName, w->objectName(), describe(w->geometry()))
                      .arg(need.width()).arg(need.height()));

        for (QWidget *other : widgets) {
            if (other <= w || other->parentWidget() != parent)
                continue;
            if (w->geometry().intersects(other->geometry()))
                fault(QStringLiteral("%1: %2 %3 overlaps %4 %5")
                          .arg(pageName, w->objectName(), describe(w->geometry()),
                               other->objectName(), describe(other->geometry())));
        }
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: formshots OUTDIR [--maximized]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    const bool maximized = args.contains("--maximized");
    QDir().mkpath(outDir);

    PPPConfig dialog;
    if (maximized)
        dialog.showMaximized();
    else
        dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog, 10000)) {
        std::fprintf(stderr, "the dialog was never shown\n");
        return 1;
    }
    // Give a window manager time to place and resize the window.
    QTest::qWait(1000);

    const QRect screen = dialog.screen()->geometry();
    if (!screen.contains(dialog.geometry()))
        fault(QStringLiteral("the dialog %1 does not fit the screen %2")
                  .arg(describe(dialog.geometry()), describe(screen)));

    QTabBar *tabs = dialog.TabWidget2->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        if (!tabs->rect().contains(tabs->tabRect(i)))
            fault(QStringLiteral("tab \"%1\" is cut off").arg(tabs->tabText(i)));

    const char *names[] = { "account", "modem", "network" };
    for (int i = 0; i < dialog.TabWidget2->count(); ++i) {
        dialog.TabWidget2->setCurrentIndex(i);
        QTest::qWait(300);
        const QString pageName = QString::fromLatin1(names[i]);
        checkPage(pageName, dialog.TabWidget2->widget(i));
        const QString file = QStringLiteral("%1/page-%2-%3.png").arg(outDir).arg(i).arg(pageName);
        QPixmap shot = dialog.screen()->grabWindow(dialog.winId());
        if (shot.isNull() || !shot.save(file))
            fault(QStringLiteral("could not save %1").arg(file));
        else
            std::printf("%s (%dx%d)\n", qPrintable(file), shot.width(), shot.height());
    }

    std::printf("%s\n", faults.isEmpty() ? "no faults" : "faults found");
    return faults.isEmpty() ? 0 : 1;
}
