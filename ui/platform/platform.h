#pragma once

#include <QMargins>

class QApplication;
class QString;
class QWidget;
class QWindow;

// What the program needs of the window system it runs on, in one place per platform: Windows, the
// X11 and Wayland desktops of Linux and their kin, or a web browser. The build takes the files of
// its target's platform. The windows ask it what the window system lets them do, never which one
// it is, and hand it the windows it needs; the fonts the designs name are its own business.
namespace ui::platform {

// What a window system lets a program do, or does for it.
enum class Capability {
    PlaceWindows,       // the program puts its windows where it wants them on the screen
    StackWindows,       // it keeps a window above all others, or lets it back among them
    CoveredWindowShows, // a window shows whose own surface lies under its child windows
    RenamesAreHeard,    // a screen reader hears the new name of the focused control
};
bool hasCapability(Capability capability);

// Before the application object exists: what Qt must be told of the display.
void beforeApplication();
// What the platform adds to the application object once it exists: the designs' fonts first.
void afterApplication(QApplication &application);

// Keeps every other window of the program above the background, for as long as it lives.
void holdBelowTheOthers(QWindow *background);

// The frame that the window system draws, or will draw, around a window that is not shown yet:
// none where the window system does not tell it. Creates the native window.
QMargins frameBeforeFirstMap(QWidget *window);

// Puts the window's native window, if it has one yet, above all other windows, or back among
// them, in place: without moving or resizing it, the same native window staying mapped. The
// widget's own flags, which a native window made later starts with, are the caller's to set.
void setTopmost(QWidget *window, bool topmost);

// The beep that goes before a message.
void beep();

// Has a screen reader say text at once, where the platform has a way of its own to (the answer
// box's new item, where renames are not heard); false where it has none.
bool announce(const QString &text);

} // namespace ui::platform
