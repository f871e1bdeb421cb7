#include "freedesktop.h"

#include "metrictwins.h"
#include "platform.h"
#include "wayland.h"
#include "x11.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>

namespace ui::platform {
namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QByteArray platformFor(const DisplayEnvironment &environment)
{
    const bool wayland =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    if (!environment.qtPlatform.isEmpty() || !wayland || environment.x11Display.isEmpty())
        return {};
    return "xcb;wayland"; // Wayland still, should the X server refuse the connection
}

// A Wayland compositor places and stacks every window itself, and shows one only once its own
// surface has a picture. Before Qt 6.8 the AT-SPI bridge sends a name change without the name,
// and screen readers drop it: the Qt the program runs on, not the one it was built with, tells.
bool hasCapability(Capability capability)
{
    switch (capability) {
    case Capability::PlaceWindows:
    case Capability::StackWindows:
    case Capability::CoveredWindowShows:
        return !onWayland();
    case Capability::RenamesAreHeard:
        return QLibraryInfo::version() >= QVersionNumber(6, 8);
    }
    return false;
}

void beforeApplication()
{
    const QByteArray platform =
        platformFor({qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
                     qgetenv("XDG_SESSION_TYPE")});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

void afterApplication(QApplication &application)
{
    substituteMetricTwins(Twins::Always);
    if (onWayland())
        fitWindowsToWayland(application);
}

void holdBelowTheOthers(QWindow *background)
{
    if (onWayland())
        keepAboveOnWayland(background);
}

QMargins frameBeforeFirstMap(QWidget *window)
{
    return x11FrameMargins(window);
}

void setTopmost(QWidget *window, bool topmost)
{
    if (QWindow *native = window->windowHandle())
        native->setFlag(Qt::WindowStaysOnTopHint, topmost);
}

void beep()
{
    QApplication::beep();
}

bool announce(const QString &)
{
    return false;
}

} // namespace ui::platform
