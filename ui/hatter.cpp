#include "hatter.h"

#include "ui_hatter.h"

#include <QBackingStore>
#include <QPainter>
#include <QScreen>

namespace ui {
namespace {

constexpr int kStrips = 16;

class Strip : public QWindow
{
public:
    Strip(QWindow *parent, const QColor &colour)
        : QWindow(parent)
        , m_colour(colour)
    {}

protected:
    // A map brings an expose and a paint of the whole strip; one paint at the next update
    // answers both, after the windows shown over the background have painted.
    void exposeEvent(QExposeEvent *) override
    {
        if (isExposed())
            requestUpdate();
    }
    void paintEvent(QPaintEvent *) override { requestUpdate(); }
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return QWindow::event(event);
        paint();
        return true;
    }

private:
    void paint()
    {
        if (!isExposed())
            return;
        QBackingStore buffer(this);
        buffer.resize(size());
        const QRect area(QPoint(), size());
        buffer.beginPaint(area);
        QPainter painter(buffer.paintDevice());
        painter.fillRect(area, m_colour);
        painter.end();
        buffer.endPaint();
        buffer.flush(area);
    }

    QColor m_colour;
};

} // namespace

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
    for (int k = 0; k < kStrips; ++k) {
        m_strips.append(new Strip(this, m_backColour));
        m_strips.back()->show();
    }
}

void hatter::Form_Load()
{
    // The window manager maximizes it; where there is none, it still covers the screen.
    setGeometry(screen()->availableGeometry());
    showMaximized();
}

void hatter::resizeEvent(QResizeEvent *)
{
    for (int k = 0; k < kStrips; ++k) {
        const int top = height() * k / kStrips;
        m_strips[k]->setGeometry(0, top, width(), height() * (k + 1) / kStrips - top);
    }
}

} // namespace ui
