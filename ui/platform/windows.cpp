#include "fonts.h"
#include "platform.h"

#include <QApplication>
#include <QFont>
#include <QList>
#include <QWidget>
#include <QWindow>
#include <windows.h>

namespace ui {

// Windows has the fonts the designs name.
void registerFontSubstitutions() {}

namespace platform {

void beforeApplication() {}

void afterApplication(QApplication &) {}

bool onWayland()
{
    return false;
}

// "MS Sans Serif" is a bitmap font on Windows, drawn in a few sizes for 96 dots per inch: at 125,
// 150 or 200 % it would come in the nearest size it has, jagged. Where a design's style sheets
// ask for it, its TrueType successor, "Microsoft Sans Serif", takes its place.
void fitFonts(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        QString sheet = widget->styleSheet();
        if (sheet.contains(QLatin1String("\"MS Sans Serif\"")))
            widget->setStyleSheet(sheet.replace(QLatin1String("\"MS Sans Serif\""),
                                                QLatin1String("\"Microsoft Sans Serif\"")));
    }
}

// Qt's UI Automation bridge raises the name change with the new name.
bool renamesAreHeard()
{
    return true;
}

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

} // namespace platform
} // namespace ui
