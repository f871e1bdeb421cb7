#pragma once

#include <QMargins>
#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace ui {

// The program's application object: on the display its platform chooses, named after its
// desktop entry (the Wayland app id and the X11 class that docks group windows by), with its
// icon and its font substitutions, and what its platform adds.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

// Runs place once, right before the window is first mapped (at once if it is shown already),
// with the frame that the window system draws around it: then the native window exists with its
// final flags, and the window system can tell its frame before it draws it.
void beforeFirstMap(QWidget *window, std::function<void(const QMargins &frame)> place);

} // namespace ui
