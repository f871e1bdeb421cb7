#include "freedesktop.h"

#include "fonts.h"
#include "platform.h"
#include "wayland.h"
#include "x11.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>

namespace ui {

void registerFontSubstitutions()
{
    using namespace Qt::Literals::StringLiterals;
    QFont::insertSubstitutions(u"MS Sans Serif"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Arial"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s, {u"Liberation Serif"_s, u"DejaVu Serif"_s});
}

namespace platform {

QByteArray platformFor(const DisplayEnvironment &environment)
{
    const bool wayland =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    if (!environment.qtPlatform.isEmpty() || !wayland || environment.x11Display.isEmpty())
        return {};
    return "xcb;wayland"; // Wayland still, should the X server refuse the connection
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
    if (onWayland())
        fitWindowsToWayland(application);
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The designs' Windows families resolve to their metric twins (registerFontSubstitutions).
void fitFonts(QWidget *) {}

// Before Qt 6.8 the AT-SPI bridge sends a name change without the name, and screen readers drop
// it. The Qt the program runs on, not the one it was built with, sends it.
bool renamesAreHeard()
{
    return QLibraryInfo::version() >= QVersionNumber(6, 8);
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

} // namespace platform
} // namespace ui
