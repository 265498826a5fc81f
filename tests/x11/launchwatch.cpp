// A launcher in the manner of a desktop's: starts a program with a launch id
// (freedesktop start-up notification) and watches, as the launcher's monitor
// does, for the program to report its launch complete.
//
//   launchwatch SECONDS PROGRAM [ARG...]
//
// Succeeds when, within SECONDS, the launch is reported complete before the
// program maps its first window, and the program then exits with status 0
// when that window is asked to close. Prints what it saw either way.

#define SN_API_NOT_YET_FROZEN
#include <libsn/sn.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Watch
{
    std::string launchId;
    bool completed = false;
    bool completedBeforeMap = false;
    Window shown = None;
};

void onMonitorEvent(SnMonitorEvent *event, void *data)
{
    auto *watch = static_cast<Watch *>(data);
    SnStartupSequence *sequence = sn_monitor_event_get_startup_sequence(event);
    if (sn_monitor_event_get_type(event) != SN_MONITOR_EVENT_COMPLETED
        || watch->launchId != sn_startup_sequence_get_id(sequence) || watch->completed)
        return;
    watch->completed = true;
    watch->completedBeforeMap = watch->shown == None;
    std::printf("launch %s completed%s\n", watch->launchId.c_str(),
                watch->completedBeforeMap ? " before the window was shown"
                                          : " after the window was shown");
}

double now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

void askToClose(Display *display, Window window)
{
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: launchwatch SECONDS PROGRAM [ARG...]\n");
        return 2;
    }
    const double deadline = now() + std::atof(argv[1]);

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);

    Watch watch;
    SnDisplay *snDisplay = sn_display_new(display, nullptr, nullptr);
    SnMonitorContext *monitor =
        sn_monitor_context_new(snDisplay, screen, onMonitorEvent, &watch, nullptr);
    // The start-up messages come as property-change events to the root
    // window; new top-level windows show up as substructure events.
    XSelectInput(display, root, PropertyChangeMask | SubstructureNotifyMask);

    SnLauncherContext *launch = sn_launcher_context_new(snDisplay, screen);
    sn_launcher_context_set_name(launch, "Dial-up");
    sn_launcher_context_set_binary_name(launch, argv[2]);
    sn_launcher_context_initiate(launch, "launchwatch", argv[2], CurrentTime);
    watch.launchId = sn_launcher_context_get_startup_id(launch);
    XSync(display, False);

    const pid_t child = fork();
    if (child == 0) {
        sn_launcher_context_setup_child_process(launch);
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }
    std::printf("started %s with launch id %s\n", argv[2], watch.launchId.c_str());

    bool closeAsked = false;
    int status = 0;
    bool exited = false;
    while (!exited && now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            sn_display_process_event(snDisplay, &event);
            if (event.type == MapNotify && event.xmap.event == root
                && !event.xmap.override_redirect && watch.shown == None) {
                watch.shown = event.xmap.window;
                std::printf("window 0x%lx shown\n", watch.shown);
            }
        }
        if (watch.completed && watch.shown != None && !closeAsked) {
            askToClose(display, watch.shown);
            closeAsked = true;
        }
        if (waitpid(child, &status, WNOHANG) == child) {
            exited = true;
            break;
        }
        pollfd fd = { ConnectionNumber(display), POLLIN, 0 };
        poll(&fd, 1, 50);
    }

    bool ok = true;
    if (!exited) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        std::printf("the program did not end in time\n");
        ok = false;
    } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("the program ended with %s %d\n",
                    WIFEXITED(status) ? "status" : "signal",
                    WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        ok = false;
    } else {
        std::printf("the program ended with status 0 after its window was closed\n");
    }
    if (!watch.completed) {
        std::printf("the launch was never reported complete\n");
        ok = false;
    } else if (!watch.completedBeforeMap) {
        ok = false;
    }
    if (watch.shown == None) {
        std::printf("no window was shown\n");
        ok = false;
    }

    sn_launcher_context_unref(launch);
    sn_monitor_context_unref(monitor);
    sn_display_unref(snDisplay);
    XCloseDisplay(display);
    return ok ? 0 : 1;
}
