#pragma once

#include <QRect>

class QWidget;

namespace testsupport {

// Whether the window system keeps the shown window above all others, as the window system holds
// it: Windows' own style of the window, elsewhere the flags of Qt's native window.
bool staysOnTop(QWidget *window);
// The window's outer rectangle as the window system holds it: Windows' own, elsewhere that of
// Qt's native window.
QRect nativeFrame(QWidget *window);

} // namespace testsupport
