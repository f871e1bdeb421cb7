#pragma once

class QApplication;
class QWindow;

namespace ui::platform {

// Lets a compositor maximize every window of the application.
void fitWindowsToWayland(QApplication &application);
// Keeps every other window of the application above the background, which a Wayland client
// cannot stack.
void keepAboveOnWayland(QWindow *background);

} // namespace ui::platform
