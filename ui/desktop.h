#pragma once

#include <QByteArray>
#include <QMargins>
#include <functional>
#include <memory>

class QApplication;
class QWidget;

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
// substitutions, and on Wayland with windows that a compositor may maximize.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

bool onWayland();

// Runs place once, right before the window is first mapped (at once if it is shown already),
// with the frame that the window manager draws around it: then the native window exists with
// its final flags, and an X11 window manager can tell its frame before it draws it.
void beforeFirstMap(QWidget *window, std::function<void(const QMargins &frame)> place);

} // namespace ui
