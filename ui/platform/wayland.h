#pragma once

class QApplication;

namespace ui::platform {

// Lets a compositor maximize every window of the application, and keeps them above the
// background, which a Wayland client cannot stack.
void fitWindowsToWayland(QApplication &application);

} // namespace ui::platform
