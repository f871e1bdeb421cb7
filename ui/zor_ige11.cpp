#include "zor_ige11.h"

#include "alap.h"
#include "desktop.h"
#include "exercisewindow.h"
#include "hatter.h"
#include "messageboxfeedback.h"
#include "platform/platform.h"
#include "sobre.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace ui {
namespace {

const Host *g_host = nullptr;
QPointer<sobre> g_sobre;
QPointer<alap> g_alap;
QPointer<hatter> g_hatter;
QPointer<ExerciseWindow> g_exerciseWindows[std::size(kExerciseProfiles)];

// At its design's size on every platform: show() lets one make a window full-screen where that is
// its custom, as a browser's page does.
void showAsDesigned(QWidget *window)
{
    window->setVisible(true);
}

QPointer<ExerciseWindow> &exerciseSlot(const ExerciseProfile &profile)
{
    return g_exerciseWindows[&profile - kExerciseProfiles];
}

} // namespace

void ZOR_IGE11::SetWindowPos(QWidget *window, StackPosition insertAfter)
{
    const bool topmost = insertAfter == StackPosition::Topmost;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (flags == window->windowFlags())
        return;
    // Qt's record of the setting, which a native window made later starts with. QWidget's
    // setWindowFlags would destroy a native window and map a new one (a flicker, the focus lost, a
    // new taskbar entry, elsewhere on the screen); the platform changes the shown one in place,
    // where the window system lets a program stack its windows.
    window->overrideWindowFlags(flags);
    if (platform::hasCapability(platform::Capability::StackWindows))
        platform::setTopmost(window, topmost);
}

void ZOR_IGE11::centre(QWidget *window)
{
    if (!platform::hasCapability(platform::Capability::PlaceWindows))
        return; // the window system places it
    beforeFirstMap(window, [window](const QMargins &frame) {
        const QPoint client =
            centredClientPosition(window->screen()->geometry(), window->size(), frame);
        window->setGeometry(QRect(client, window->size()));
    });
}

QPoint ZOR_IGE11::centredClientPosition(const QRect &screen, const QSize &client,
                                        const QMargins &frame)
{
    const QSize outer = client.grownBy(frame);
    const int top = screen.height() / 2 - outer.height() / 2;
    const int left = screen.width() / 2 - outer.width() / 2;
    return screen.topLeft() + QPoint(left + frame.left(), top + frame.top());
}

void ZOR_IGE11::fitClientToControls(QMainWindow *window)
{
    QWidget *client = window->centralWidget();
    const QRect controls = client->childrenRect();
    client->setFixedSize(
        client->minimumSize().expandedTo(QSize(controls.right() + 1, controls.bottom() + 1)));
    window->setFixedSize(window->sizeHint());
}

sobre *ZOR_IGE11::showSobre()
{
    if (!g_sobre)
        g_sobre = new sobre(); // its Form_Load runs now
    showAsDesigned(g_sobre);
    return g_sobre;
}
std::unique_ptr<alap> ZOR_IGE11::prepareAlap()
{
    auto prepared = std::make_unique<alap>();
    // Polished controls, their fonts and pictures loaded by a first rendering, so that showing
    // it only maps and paints it. Its native window comes with its final flags when it shows.
    prepared->grab();
    if (!g_hatter)
        g_hatter = new hatter();
    g_hatter->create();
    return prepared;
}

alap *ZOR_IGE11::showAlap(std::unique_ptr<alap> prepared)
{
    if (!g_alap) {
        g_alap = prepared ? prepared.release() : new alap();
        g_alap->Form_Load();
    }
    showAsDesigned(g_alap);
    return g_alap;
}

hatter *ZOR_IGE11::showHatter()
{
    if (!g_hatter)
        g_hatter = new hatter();
    if (!g_hatter->isVisible())
        g_hatter->Form_Load(); // maximized: a plain show would restore it to its normal size
    return g_hatter;
}

ExerciseWindow *ZOR_IGE11::showExerciseWindow(const ExerciseProfile &profile)
{
    QPointer<ExerciseWindow> &slot = exerciseSlot(profile);
    if (!slot)
        slot = new ExerciseWindow(
            profile, [] { showAlap(); }, g_host->feedback, g_host->drawIndex);
    showAsDesigned(slot);
    return slot;
}

void ZOR_IGE11::unload(QWidget *window)
{
    if (window) // every window deletes itself on close
        whenNoBoxOpen(window, [window] { window->close(); });
}

sobre *ZOR_IGE11::sobreWindow()
{
    return g_sobre;
}
alap *ZOR_IGE11::alapWindow()
{
    return g_alap;
}
hatter *ZOR_IGE11::hatterWindow()
{
    return g_hatter;
}

ExerciseWindow *ZOR_IGE11::exerciseWindow(const ExerciseProfile &profile)
{
    return exerciseSlot(profile);
}

void ZOR_IGE11::inform(QWidget *parent, QStringView title, QStringView text)
{
    MessageBoxFeedback boxes(parent, nullptr);
    drill::Feedback &shown = g_host->feedback ? *g_host->feedback : boxes;
    shown.message(title.toString(), text.toString(), drill::MessageIcon::Information);
}

void ZOR_IGE11::start(const Host &host)
{
    g_host = &host;
    showSobre();
}

void ZOR_IGE11::whenNoBoxOpen(QObject *context, std::function<void()> work)
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box) {
        work();
        return;
    }
    // The box is deleted as it closes; another may be open by the time it has gone.
    QObject::connect(
        box, &QObject::destroyed, context,
        [context, work = std::move(work)] { whenNoBoxOpen(context, work); }, Qt::QueuedConnection);
}

void ZOR_IGE11::endProgram()
{
    whenNoBoxOpen(qApp, [] {
        if (g_hatter) {
            g_hatter->close();
            g_hatter->deleteLater();
        }
        // No other window's unload handler runs: they go without being closed. The deletion
        // waits for the event loop, since the exit button's own window is among them.
        auto discard = [](QWidget *window) {
            if (window) {
                window->hide();
                window->deleteLater();
            }
        };
        discard(g_sobre);
        discard(g_alap);
        for (QPointer<ExerciseWindow> &window : g_exerciseWindows)
            discard(window);
        g_host->quit();
    });
}

} // namespace ui
