#pragma once

#include <QMargins>

class QApplication;
class QWidget;

// What the program needs of the window system it runs on, in one place per platform: Windows, or
// the X11 and Wayland desktops of Linux and their kin. The build takes the files of its target's
// platform; on Linux the program learns as it starts whether it runs on X11 or on Wayland.
namespace ui::platform {

// Before the application object exists: what Qt must be told of the display.
void beforeApplication();
// What the platform adds to the application object once it exists.
void afterApplication(QApplication &application);

bool onWayland();

// Gives the controls of a window built from its design the fonts the platform draws best in the
// design's families.
void fitFonts(QWidget *window);

// Whether a screen reader hears the new name of the focused control from Qt's own name change.
bool renamesAreHeard();

// The frame that the window system draws, or will draw, around a window that is not shown yet:
// none where the window system does not tell it. Creates the native window.
QMargins frameBeforeFirstMap(QWidget *window);

// Puts the window's native window, if it has one yet, above all other windows, or back among
// them, in place: without moving or resizing it, the same native window staying mapped. The
// widget's own flags, which a native window made later starts with, are the caller's to set.
void setTopmost(QWidget *window, bool topmost);

} // namespace ui::platform
