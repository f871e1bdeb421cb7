#include "desktop.h"

#include "fonts.h"
#include "x11frame.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace ui {
namespace {

using namespace Qt::Literals::StringLiterals;

class BeforeFirstMap : public QObject
{
public:
    BeforeFirstMap(QWidget *window, std::function<void(const QMargins &)> place)
        : QObject(window)
        , m_place(std::move(place))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_place(x11FrameMargins(static_cast<QWidget *>(watched)));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QMargins &)> m_place;
};

} // namespace

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

void beforeFirstMap(QWidget *window, std::function<void(const QMargins &frame)> place)
{
    if (!window->isVisible()) {
        new BeforeFirstMap(window, std::move(place));
        return;
    }
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    place(QMargins(client.left() - frame.left(), client.top() - frame.top(),
                   frame.right() - client.right(), frame.bottom() - client.bottom()));
}

} // namespace ui
