#include "desktop.h"

#include "fonts.h"

#include <QApplication>
#include <QIcon>

namespace ui {

using namespace Qt::Literals::StringLiterals;

QByteArray platformFor(const DisplayEnvironment &environment)
{
    const bool wayland =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    if (!environment.qtPlatform.isEmpty() || !wayland || environment.x11Display.isEmpty())
        return {};
    return "xcb;wayland"; // Wayland still, should the X server refuse the connection
}

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    const QByteArray platform =
        platformFor({qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
                     qgetenv("XDG_SESSION_TYPE")});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    auto application = std::make_unique<QApplication>(argc, argv);
    // The X11 class is the application name: the desktop entry's StartupWMClass.
    QApplication::setApplicationName(u"zor"_s);
    QApplication::setDesktopFileName(u"org.example.zor"_s);
    QApplication::setWindowIcon(QIcon(u":/pictures/alap.ico"_s));
    registerFontSubstitutions();
    return application;
}

} // namespace ui
