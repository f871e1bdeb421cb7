#pragma once

#include <QByteArray>
#include <memory>

class QApplication;

namespace ui {

// The displays at hand and the platform the learner chose, as the environment gives them.
struct DisplayEnvironment
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray x11Display;     // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType;    // XDG_SESSION_TYPE
};

// The platform to ask Qt for, or nothing to leave the choice to Qt. A Wayland client can neither
// place nor stack its windows, so where an X server runs beside the compositor (XWayland) the
// program goes there; a platform the learner names always wins, and so does Qt's -platform.
QByteArray platformFor(const DisplayEnvironment &environment);

// The program's application object: on the platform above, named after its desktop entry (the
// Wayland app id and the X11 class that docks group windows by), with its icon and its font
// substitutions.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

} // namespace ui
