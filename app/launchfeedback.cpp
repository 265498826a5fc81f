#include "app/launchfeedback.h"

#include <QGuiApplication>

#define SN_API_NOT_YET_FROZEN
#include <libsn/sn.h>
#include <X11/Xlib.h>

LaunchFeedback::LaunchFeedback()
    : id(qgetenv("DESKTOP_STARTUP_ID"))
{
}

bool LaunchFeedback::complete()
{
    if (completed || id.isEmpty() || !qGuiApp
        || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;

    SnDisplay *snDisplay = sn_display_new(display, nullptr, nullptr);
    SnLauncheeContext *context =
        sn_launchee_context_new(snDisplay, DefaultScreen(display), id.constData());
    if (context) {
        sn_launchee_context_complete(context);
        completed = true;
        sn_launchee_context_unref(context);
    }
    sn_display_unref(snDisplay);
    XFlush(display);
    return completed;
}
