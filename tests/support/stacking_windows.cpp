#include "stacking.h"

#include <QWidget>
#include <windows.h>

bool testsupport::staysOnTop(QWidget *window)
{
    const auto native = reinterpret_cast<HWND>(window->winId());
    return GetWindowLongPtrW(native, GWL_EXSTYLE) & WS_EX_TOPMOST;
}
