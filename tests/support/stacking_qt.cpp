#include "stacking.h"

#include <QWidget>
#include <QWindow>

bool testsupport::staysOnTop(QWidget *window)
{
    return window->windowHandle() &&
           window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

QRect testsupport::nativeFrame(QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameGeometry() : QRect();
}
