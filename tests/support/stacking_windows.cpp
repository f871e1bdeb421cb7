#include "stacking.h"

#include <QWidget>
#include <windows.h>

bool testsupport::staysOnTop(QWidget *window)
{
    const auto native = reinterpret_cast<HWND>(window->winId());
    return GetWindowLongPtrW(native, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

QRect testsupport::nativeFrame(QWidget *window)
{
    RECT outer;
    if (!GetWindowRect(reinterpret_cast<HWND>(window->winId()), &outer))
        return {};
    return QRect(QPoint(outer.left, outer.top), QPoint(outer.right - 1, outer.bottom - 1));
}
