#pragma once

#include <QByteArray>

namespace ui::platform {

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

} // namespace ui::platform
