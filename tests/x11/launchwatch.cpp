// A launcher in the manner of a desktop's: starts the program with a launch id in a scratch HOME and watches the X
// display. Succeeds when the launch is reported complete before the first window is mapped, the window is (or is not)
// asked to be maximized, and the program ends with status 0 once the window is asked to close.   launchwatch
// maximized|normal PROGRAM
#define SN_API_NOT_YET_FROZEN
#include <libsn/sn.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

static std::string launchId;
static Window shown = None;
static bool completedBeforeMap = false;

static void onMonitorEvent(SnMonitorEvent *event, void *)
{
    completedBeforeMap = completedBeforeMap || (sn_monitor_event_get_type(event) == SN_MONITOR_EVENT_COMPLETED && !shown
        && launchId == sn_startup_sequence_get_id(sn_monitor_event_get_startup_sequence(event)));
}

int main(int argc, char **argv)
{
    Display *display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    char home[] = "/tmp/launchwatch-XXXXXX";
    if (!display || !mkdtemp(home))
        return 2;
    const int screen = DefaultScreen(display);
    SnDisplay *snDisplay = sn_display_new(display, nullptr, nullptr);
    sn_monitor_context_new(snDisplay, screen, onMonitorEvent, nullptr, nullptr);
    XSelectInput(display, RootWindow(display, screen), PropertyChangeMask | SubstructureNotifyMask);
    SnLauncherContext *launch = sn_launcher_context_new(snDisplay, screen);
    sn_launcher_context_initiate(launch, "launchwatch", argv[2], CurrentTime);
    launchId = sn_launcher_context_get_startup_id(launch);
    XSync(display, False);
    const pid_t child = fork();
    if (child == 0) {
        setenv("HOME", home, 1);
        sn_launcher_context_setup_child_process(launch);
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = -1;
    bool maximized = false;
    for (int ticks = 0; ticks < 600 && waitpid(child, &status, WNOHANG) != child; ++ticks) {
        for (XEvent event; XPending(display);) {
            XNextEvent(display, &event);
            sn_display_process_event(snDisplay, &event);
            if (event.type != MapNotify || event.xmap.override_redirect || shown)
                continue;
            shown = event.xmap.window;
            Atom type, *states = nullptr;
            int format;
            unsigned long count = 0, after;
            XGetWindowProperty(display, shown, XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                               &type, &format, &count, &after, reinterpret_cast<unsigned char **>(&states));
            for (unsigned long i = 0; i < count; ++i)
                maximized = maximized || states[i] == XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
            XFree(states);
            XEvent close = {};
            close.xclient = { ClientMessage, 0, False, display, shown, XInternAtom(display, "WM_PROTOCOLS", False), 32, {} };
            close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
            XSendEvent(display, shown, False, NoEventMask, &close);
            XFlush(display);
        }
        pollfd fd = { ConnectionNumber(display), POLLIN, 0 };
        poll(&fd, 1, 50);
    }
    if (status == -1)
        kill(child, SIGKILL);
    std::system((std::string("rm -rf ") + home).c_str());
    std::printf("window %s, launch completed %s, %s, exit status %d\n", shown ? "shown" : "never shown", completedBeforeMap
                ? "before it was shown" : "late or never", maximized ? "maximized" : "normal", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return shown && completedBeforeMap && maximized == !std::strcmp(argv[1], "maximized") && WIFEXITED(status) && !WEXITSTATUS(status) ? 0 : 1;
}
