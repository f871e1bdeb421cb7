#include "metrictwins.h"
#include "platform.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <windows.h>

namespace ui::platform {
namespace {

// "MS Sans Serif" is a bitmap font on Windows, drawn in a few sizes for 96 dots per inch: at 125,
// 150 or 200 % it would come in the nearest size it has, jagged. Where a design's style sheet
// asks for it, its TrueType successor, "Microsoft Sans Serif", takes its place as the widget is
// polished, before it is first shown.
class TrueTypeSansSerif : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Polish || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        QString sheet = widget->styleSheet();
        if (sheet.contains(QLatin1String("\"MS Sans Serif\"")))
            widget->setStyleSheet(sheet.replace(QLatin1String("\"MS Sans Serif\""),
                                                QLatin1String("\"Microsoft Sans Serif\"")));
        return false;
    }
};

} // namespace

// Windows places and stacks windows as the program asks, and Qt's UI Automation bridge raises
// the name change with the new name.
bool hasCapability(Capability)
{
    return true;
}

void beforeApplication() {}

// Windows has the fonts the designs name; a system without them (Wine) gets their twins.
void afterApplication(QApplication &application)
{
    substituteMetricTwins(Twins::WhereMissing);
    application.installEventFilter(new TrueTypeSansSerif(&application));
}

// The program's windows are topmost; the background is an ordinary window below them.
void holdBelowTheOthers(QWindow *) {}

// Windows knows a window's frame from its style as soon as the native window exists.
QMargins frameBeforeFirstMap(QWidget *window)
{
    window->winId();
    return window->windowHandle()->frameMargins();
}

void setTopmost(QWidget *window, bool topmost)
{
    if (window->testAttribute(Qt::WA_WState_Created))
        SetWindowPos(reinterpret_cast<HWND>(window->winId()),
                     topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
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
