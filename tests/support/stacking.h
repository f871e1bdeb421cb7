#pragma once

#include <QScreen>
#include <QWidget>

namespace testsupport {

// Whether the window system keeps the shown window above all others, as the window system holds
// it: Windows' own style of the window, elsewhere the flags of Qt's native window.
bool staysOnTop(QWidget *window);
// The window's outer rectangle as the window system holds it: Windows' own, elsewhere that of
// Qt's native window.
QRect nativeFrame(QWidget *window);

// Whether the window's outer frame stands in the middle of its screen, to a pixel.
inline bool centredByItsFrame(QWidget *window)
{
    const QPoint off = window->frameGeometry().center() - window->screen()->geometry().center();
    if (qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1)
        return true;
    qWarning("%s is off the centre by %d, %d", qPrintable(window->objectName()), off.x(), off.y());
    return false;
}

} // namespace testsupport
