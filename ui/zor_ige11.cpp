#include "zor_ige11.h"

#include <QWidget>

namespace ui {

void ZOR_IGE11::SetWindowPos(QWidget *window, StackPosition insertAfter)
{
    const bool topmost = insertAfter == StackPosition::Topmost;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool shown = window->isVisible();
    const QPoint position = window->pos();
    const QSize size = window->size();
    // Changing the flag hides a shown window; it comes back where it was.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) {
        window->move(position);
        window->resize(size);
        window->show();
    }
}

} // namespace ui
