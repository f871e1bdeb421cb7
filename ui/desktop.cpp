#include "desktop.h"

#include "fonts.h"
#include "hatter.h"
#include "x11frame.h"
#include "zor_ige11.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

namespace ui {
namespace {

using namespace Qt::Literals::StringLiterals;

// What a Wayland session needs of the windows. Qt's title bar there offers every window a
// maximize button, and the compositor may maximize any window itself (weston: Super+Shift+M); a
// maximized window must take the size it is given, or the compositor ends the program. So no
// window has a largest size, and a main window keeps its design, which is made for one size, in
// the middle of whatever it gets. A client cannot stack its windows either: each window is made
// a child of the background, which keeps it above the background, as the program's windows are.
class WaylandWindows : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *main = qobject_cast<QMainWindow *>(watched);
        if (event->type() == QEvent::Resize && main && main->isWindow() &&
            main->minimumSize() == main->maximumSize()) {
            const QSize extra = static_cast<QResizeEvent *>(event)->size() - main->minimumSize();
            main->setContentsMargins(extra.width() / 2, extra.height() / 2,
                                     extra.width() - extra.width() / 2,
                                     extra.height() - extra.height() / 2);
        }
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Show || !window || !window->isTopLevel())
            return false;
        // A widget's native window shows after the widget, which has set its sizes: right before
        // the map.
        window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QWindow *background = ZOR_IGE11::hatterWindow();
        if (background && window != background && window->type() == Qt::Window &&
            !window->transientParent())
            window->setTransientParent(background);
        return false;
    }
};

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
    if (onWayland())
        application->installEventFilter(new WaylandWindows(application.get()));
    return application;
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith("wayland"_L1);
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
