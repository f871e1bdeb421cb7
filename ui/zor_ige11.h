#pragma once

#include <functional>

class QWidget;

namespace ui {

enum class StackPosition { Topmost, NotTopmost };

// The program-wide module: the one flag that outlives a window, and the stacking helper.
class ZOR_IGE11
{
public:
    ZOR_IGE11() = delete;

    static inline int splashDone = 0;

    // Puts the window above all others or back among them, never moving or resizing it.
    static void SetWindowPos(QWidget *window, StackPosition insertAfter);

    // Shows the main menu, loading it first where needed.
    static inline std::function<void()> showMainMenu;
};

} // namespace ui
