#ifndef LAUNCHFEEDBACK_H
#define LAUNCHFEEDBACK_H

#include <QByteArray>

// The launcher's start-up feedback (freedesktop start-up notification): the
// launcher shows a busy cursor until the program says it has started.
//
// Qt's X11 support takes the launch id out of the environment while the
// QApplication is built, and reports the launch complete by itself only when
// the first window is shown. We want to report it once the accounts are
// loaded and before the dialog appears, so the id is kept here first.
class LaunchFeedback
{
public:
    // Keeps DESKTOP_STARTUP_ID. Create this before the QApplication.
    LaunchFeedback();

    QByteArray launchId() const { return id; }

    // Tells the launcher that the program has started, on the application's
    // own X display. Does nothing when there is no launch id, when already
    // done, or when the program does not run on X11 (Wayland, offscreen).
    // Returns whether the completion was sent.
    bool complete();

private:
    QByteArray id;
    bool completed = false;
};

#endif
