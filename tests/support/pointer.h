#pragma once

#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testsupport {

// Moves the pointer through the widget's own window, whatever lies above it on the screen, and
// delivers the move at once: the platform's own pointer, which Windows moves later, stays put.
inline void hover(QWidget *widget, QPoint position)
{
    QWidget *window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}
inline void hover(QWidget *widget)
{
    hover(widget, widget->rect().center());
}

// Puts the platform's own pointer into a corner of the screen, where no window of the tests lies,
// and waits until the platform has moved it there. Windows would otherwise move it over the
// windows that appear under it, the main menu in the middle of the screen among them.
inline bool parkPointer()
{
#ifdef Q_OS_WASM
    return true; // a page cannot move the pointer, and the browser's moves only when it is moved
#endif
    QWidget corner(nullptr, Qt::FramelessWindowHint);
    corner.setGeometry(0, 0, 8, 8);
    corner.show();
    if (!QTest::qWaitForWindowExposed(&corner))
        return false;
    QCursor::setPos(corner.mapToGlobal(QPoint(4, 4)));
    return QTest::qWaitFor([&corner] { return corner.underMouse(); });
}

} // namespace testsupport
