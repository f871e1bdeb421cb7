#include "hatter.h"

#include "ui_hatter.h"

#include <QBackingStore>
#include <QPainter>
#include <QScreen>

namespace ui {

hatter::hatter(QWindow *parent)
    : QWindow(parent)
{
    // Caption, size and colour come from the design.
    QMainWindow design;
    Ui::hatter ui;
    ui.setupUi(&design);
    ui.centralwidget->ensurePolished();
    setTitle(design.windowTitle());
    resize(design.size());
    m_backColour = ui.centralwidget->palette().color(ui.centralwidget->backgroundRole());
    Form_Load();
}

void hatter::Form_Load()
{
    // The window manager maximizes it; where there is none, it still covers the screen.
    setGeometry(screen()->availableGeometry());
    showMaximized();
}

void hatter::exposeEvent(QExposeEvent *)
{
    if (!isExposed())
        return;
    QBackingStore buffer(this);
    buffer.resize(size());
    const QRect area(QPoint(), size());
    buffer.beginPaint(area);
    QPainter painter(buffer.paintDevice());
    painter.fillRect(area, m_backColour);
    painter.end();
    buffer.endPaint();
    buffer.flush(area);
}

} // namespace ui
