#pragma once

#include <QMargins>

class QWidget;

namespace ui::platform {

// The frame that the X11 window manager draws, or will draw, around a window that is not shown
// yet; none without a window manager, or on another platform. Qt learns a frame only once the
// window manager has drawn it, after the first map, so a window centred by its client size would
// sit half a title bar low: the window manager tells it on request, before the map, where it
// supports _NET_REQUEST_FRAME_EXTENTS. Creates the native window; waits at most 100 ms.
QMargins x11FrameMargins(QWidget *window);

} // namespace ui::platform
