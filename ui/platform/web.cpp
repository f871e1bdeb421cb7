#include "metrictwins.h"
#include "platform.h"

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qaccessiblebridgeutils_p.h>
#include <QtGui/private/qguiapplication_p.h>
#include <emscripten/em_js.h>
#include <emscripten/val.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// In a web browser the page is the screen: Qt draws every window into an element of its own on
// it, and places and stacks them as the program asks. What the page itself does for the program
// (its live regions, its beep, its end) is the page's script, zor.html, under window.zor.
namespace ui::platform {
namespace {

// The page's script is ZOR's page's alone: in a page without it (a test's) the program does
// without live regions, tone and end page.
template <typename... Arguments>
emscripten::val onPage(const char *function, const Arguments &...arguments)
{
    const emscripten::val zor = emscripten::val::global("zor");
    if (zor.isUndefined())
        return emscripten::val::undefined();
    return zor.call<emscripten::val>(function, arguments...);
}

// A browser lets the program have no font of the system: the designs' metric twins come with the
// page (fonts-liberation), in the program's resources, whichever ui/CMakeLists.txt puts there.
void addDesignFonts()
{
    for (QDirIterator fonts(QStringLiteral(":/fonts")); fonts.hasNext();)
        QFontDatabase::addApplicationFont(fonts.next());
}

// Qt's bridge makes an element of the page's accessibility tree for every control, named by the
// control's text; a text box's name and text it keeps where the browser does not look. The page
// gives that element the box's name, as a label would, and its text.
void nameTextBox(QAccessibleInterface *control)
{
    if (control && control->role() == QAccessible::EditableText)
        onPage("name", QAccessibleBridgeUtils::accessibleId(control).toStdString(),
               control->text(QAccessible::Name).toStdString(),
               control->text(QAccessible::Value).toStdString());
}

void accessibilityUpdate(QAccessibleEvent *event)
{
    if (QPlatformAccessibility *bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->notifyAccessibilityUpdate(event);
    switch (event->type()) {
    case QAccessible::ObjectShow:
    case QAccessible::NameChanged:
    case QAccessible::Focus:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved: // the one event of a new text set whole (setPlainText)
        nameTextBox(event->accessibleInterface());
        break;
    default:
        break;
    }
}

// A window that the program opens over one of its topmost windows, a message box, goes
// above it too, and so do menus and tooltips: topmost windows lie above all others on the page. A
// screen reader hears the box's title and text as it opens, which Qt's own bridge does not tell it.
class BrowserWindows : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt's plugin makes a window active as it makes its element, before its controls show,
        // and the focus would pass from the control the window chose to the next one shown: the
        // program's windows are made active once shown, as a window manager makes them.
        if (event->type() == QEvent::ChildAdded) {
            if (auto *window = qobject_cast<QMainWindow *>(watched); window && window->isWindow())
                window->setAttribute(Qt::WA_ShowWithoutActivating);
            return false;
        }
        if (event->type() != QEvent::Show)
            return false;
        if (auto *window = qobject_cast<QWindow *>(watched)) {
            onPage("present", window->title().toStdString());
            const QWindow *over = window->transientParent();
            const bool popup = window->type() == Qt::Popup || window->type() == Qt::ToolTip;
            if (popup || (over && over->flags().testFlag(Qt::WindowStaysOnTopHint))) {
                window->setFlag(Qt::WindowStaysOnTopHint); // which puts it at the bottom of them
                window->raise();
                if (!popup) // Qt activated the top of the stack: the window below
                    window->requestActivate();
            }
            if (window->isTopLevel() && window->property("_q_showWithoutActivating").toBool())
                QTimer::singleShot(0, window, [window] { window->requestActivate(); });
            if (!m_screenReaderOn)
                m_screenReaderOn = turnOnScreenReader();
        } else if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            onPage("alert",
                   (box->windowTitle() + QStringLiteral(". ") + box->text()).toStdString());
        }
        return false;
    }

private:
    // Qt's bridge to the page's accessibility tree starts when a hidden button of the first
    // window is pressed; the program presses it for the learner.
    static bool turnOnScreenReader()
    {
        if (!onPage("startScreenReader").isTrue())
            return false;
        for (QWidget *widget : QApplication::allWidgets())
            nameTextBox(QAccessible::queryAccessibleInterface(widget));
        return true;
    }

    bool m_screenReaderOn = false;
};

} // namespace

// The page is the screen, and each window an element of it that the program puts where it wants
// and stacks as it likes; an element shows whatever it paints. The answer box is an element of
// the page whose name a screen reader reads as it takes the focus, not when it changes.
bool hasCapability(Capability capability)
{
    switch (capability) {
    case Capability::PlaceWindows:
    case Capability::StackWindows:
        return true;
    case Capability::CoveredWindowShows:
    case Capability::RenamesAreHeard:
        return false;
    }
    return false;
}

// Qt's plugin takes a text box's keys from an input element of the page, as typed text: the six
// keys of the answer box would reach it as themselves. Without it the keys come as keys, from the
// active window's element, as on the desktop.
void beforeApplication()
{
    qputenv("QT_IM_MODULE", "none");
}

void afterApplication(QApplication &application)
{
    addDesignFonts();
    substituteMetricTwins(Twins::Always);
    application.installEventFilter(new BrowserWindows(&application));
    QAccessible::installUpdateHandler(accessibilityUpdate);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [] { onPage("end"); });
}

void holdBelowTheOthers(QWindow *background)
{
    background->setFlag(Qt::WindowStaysOnBottomHint);
}

// The frame is an element around the window's own, in Qt's shadow root, which has no size while
// the window is hidden: it is measured shown for a moment, unseen. Left, top, right, bottom.
// clang-format off
EM_JS(bool, measureFrame, (const char *title, int *sides), {
    const name = UTF8ToString(title);
    const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
    const frame = Array.from(root?.querySelectorAll(".qt-window") ?? [])
        .find(w => w.querySelector(".window-name")?.textContent === name);
    const contents = frame?.querySelector(".qt-window-contents");
    if (!contents)
        return false;
    const { display, visibility } = frame.style;
    Object.assign(frame.style, { display: "block", visibility: "hidden" });
    const outer = frame.getBoundingClientRect();
    const inner = contents.getBoundingClientRect();
    Object.assign(frame.style, { display, visibility });
    [inner.left - outer.left, inner.top - outer.top, outer.right - inner.right,
     outer.bottom - inner.bottom].forEach((side, i) => { HEAP32[(sides >> 2) + i] = Math.round(side); });
    return true;
});
// clang-format on

QMargins frameBeforeFirstMap(QWidget *window)
{
    window->winId();
    int sides[4] = {};
    if (!measureFrame(window->windowTitle().toUtf8().constData(), sides))
        return window->windowHandle()->frameMargins();
    return QMargins(sides[0], sides[1], sides[2], sides[3]);
}

void setTopmost(QWidget *window, bool topmost)
{
    if (QWindow *native = window->windowHandle())
        native->setFlag(Qt::WindowStaysOnTopHint, topmost);
}

// A browser has no beep of the system: the page plays a short tone, once the learner has pressed
// a key or clicked, as browsers require before any sound.
void beep()
{
    onPage("beep");
}

bool announce(const QString &text)
{
    onPage("say", text.toStdString());
    return true;
}

} // namespace ui::platform
