#include "wayland.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QResizeEvent>
#include <QWindow>

namespace ui::platform {
namespace {

QPointer<QWindow> g_background;

// Qt's title bar on Wayland offers every window a maximize button, and the compositor may
// maximize any window itself (weston: Super+Shift+M); a maximized window must take the size it
// is given, or the compositor ends the program. So no window has a largest size, and a main
// window keeps its design, which is made for one size, in the middle of whatever it gets. A
// client cannot stack its windows either: each window is made a child of the background, which
// keeps it above the background, as the program's windows are.
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
        if (g_background && window != g_background && window->type() == Qt::Window &&
            !window->transientParent())
            window->setTransientParent(g_background);
        return false;
    }
};

} // namespace

void fitWindowsToWayland(QApplication &application)
{
    application.installEventFilter(new WaylandWindows(&application));
}

void keepAboveOnWayland(QWindow *background)
{
    g_background = background;
}

} // namespace ui::platform
