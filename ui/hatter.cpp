#include "hatter.h"

#include <QScreen>

namespace ui {

hatter::hatter(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    Form_Load();
}

void hatter::Form_Load()
{
    // The window manager maximizes it; where there is none, it still covers the screen.
    setGeometry(screen()->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    show();
}

} // namespace ui
