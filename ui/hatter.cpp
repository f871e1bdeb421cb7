#include "hatter.h"

#include "platform/platform.h"
#include "ui_hatter.h"

#include <QBackingStore>
#include <QPainter>
#include <QScreen>

namespace ui {
namespace {

constexpr int kStrips = 16;

// Nothing is painted before the window has a size: a buffer of none has nothing to paint on.
void fill(QWindow *window, QBackingStore &buffer, const QColor &colour)
{
    if (!window->isExposed() || window->size().isEmpty())
        return;
    buffer.resize(window->size());
    const QRect area(QPoint(), window->size());
    buffer.beginPaint(area);
    QPainter painter(buffer.paintDevice());
    painter.fillRect(area, colour);
    painter.end();
    buffer.endPaint();
    buffer.flush(area);
}

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
        QBackingStore buffer(this); // dropped after the paint
        fill(this, buffer, m_colour);
        return true;
    }

private:
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
    // Where a window shows only once its own surface has a picture, whatever its child windows
    // paint, the background paints itself, and keeps its buffer, which the window system may go
    // on reading.
    const bool strips = platform::hasCapability(platform::Capability::CoveredWindowShows);
    for (int k = 0; k < (strips ? kStrips : 0); ++k) {
        m_strips.append(new Strip(this, m_backColour));
        m_strips.back()->show();
    }
    platform::holdBelowTheOthers(this);
}

void hatter::Form_Load()
{
    // The window manager maximizes it; where there is none, it still covers the screen.
    setGeometry(screen()->availableGeometry());
    showMaximized();
}

void hatter::resizeEvent(QResizeEvent *)
{
    const int strips = int(m_strips.size());
    for (int k = 0; k < strips; ++k) {
        const int top = height() * k / strips;
        m_strips[k]->setGeometry(0, top, width(), height() * (k + 1) / strips - top);
    }
}

void hatter::exposeEvent(QExposeEvent *)
{
    if (m_strips.isEmpty() && isExposed())
        requestUpdate();
}

bool hatter::event(QEvent *event)
{
    if (event->type() != QEvent::UpdateRequest || !m_strips.isEmpty())
        return QWindow::event(event);
    if (!m_ownBuffer)
        m_ownBuffer = std::make_unique<QBackingStore>(this);
    fill(this, *m_ownBuffer, m_backColour);
    return true;
}

} // namespace ui
