// A launcher in the manner of a desktop's: starts the program with a launch
// id (freedesktop start-up notification) in a scratch HOME and watches the
// X display. Succeeds when the launch is reported complete before the first
// window is mapped, the window is (or is not) asked to be maximized, and the
// program ends with status 0 once the window is asked to close.
//
//   launchwatch maximized|normal PROGRAM
#define SN_API_NOT_YET_FROZEN
#include <libsn/sn.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Watch
{
    std::string launchId;
    bool completedBeforeMap = false;
    Window shown = None;
};

void onMonitorEvent(SnMonitorEvent *event, void *data)
{
    auto *watch = static_cast<Watch *>(data);
    if (sn_monitor_event_get_type(event) == SN_MONITOR_EVENT_COMPLETED && watch->shown == None
        && watch->launchId == sn_startup_sequence_get_id(sn_monitor_event_get_startup_sequence(event)))
        watch->completedBeforeMap = true;
}

bool askedToMaximize(Display *display, Window window)
{
    Atom type, *atoms = nullptr;
    int format;
    unsigned long count = 0, after;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                       &type, &format, &count, &after, reinterpret_cast<unsigned char **>(&atoms));
    bool found = false;
    for (unsigned long i = 0; i < count; ++i)
        found = found || atoms[i] == XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
    XFree(atoms);
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    Display *display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: launchwatch maximized|normal PROGRAM, on an X display\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    Watch watch;
    SnDisplay *snDisplay = sn_display_new(display, nullptr, nullptr);
    sn_monitor_context_new(snDisplay, screen, onMonitorEvent, &watch, nullptr);
    // Start-up messages come as property changes on the root window, new
    // top-level windows as substructure events.
    XSelectInput(display, RootWindow(display, screen), PropertyChangeMask | SubstructureNotifyMask);
    SnLauncherContext *launch = sn_launcher_context_new(snDisplay, screen);
    sn_launcher_context_initiate(launch, "launchwatch", argv[2], CurrentTime);
    watch.launchId = sn_launcher_context_get_startup_id(launch);
    XSync(display, False);

    char home[] = "/tmp/launchwatch-XXXXXX";
    const pid_t child = mkdtemp(home) ? fork() : -1;
    if (child == 0) {
        close(ConnectionNumber(display));
        setenv("HOME", home, 1);
        sn_launcher_context_setup_child_process(launch);
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = -1;
    bool maximized = false;
    for (int ticks = 0; ticks < 600 && waitpid(child, &status, WNOHANG) != child; ++ticks) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            sn_display_process_event(snDisplay, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && watch.shown == None) {
                watch.shown = event.xmap.window;
                maximized = askedToMaximize(display, watch.shown);
                XEvent close = {};
                close.xclient.type = ClientMessage;
                close.xclient.window = watch.shown;
                close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
                close.xclient.format = 32;
                close.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
                XSendEvent(display, watch.shown, False, NoEventMask, &close);
                XFlush(display);
            }
        }
        pollfd fd = { ConnectionNumber(display), POLLIN, 0 };
        poll(&fd, 1, 50);
    }
    if (child > 0 && status == -1)
        kill(child, SIGKILL);
    std::string removeHome = std::string("rm -rf ") + home;
    std::system(removeHome.c_str());
    std::printf("window %s, launch completed %s, %s, exit status %d\n", watch.shown ? "shown" : "never shown",
                watch.completedBeforeMap ? "before it was shown" : "late or never",
                maximized ? "maximized" : "normal", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    const bool ok = watch.shown && watch.completedBeforeMap && maximized == !std::strcmp(argv[1], "maximized")
        && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return ok ? 0 : 1;
}
