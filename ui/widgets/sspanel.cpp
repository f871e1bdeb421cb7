#include "sspanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int kCaptionMargin = 2;

} // namespace

SSPanel::SSPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
}

void SSPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption.trimmed()); // blanks that only place the caption are not read
    updateGeometry();
    update();
}

void SSPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize SSPanel::sizeHint() const
{
    const QSize text = fontMetrics().size(0, m_caption);
    const int margin = 2 * (frameWidth() + kCaptionMargin);
    return text + QSize(margin, margin);
}

void SSPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    // The bevel is drawn here rather than by the style, so that the panel keeps its 3-D look
    // under every style and style sheet.
    if (frameShape() != QFrame::NoFrame && lineWidth() > 0) {
        QPalette bevel = palette();
        bevel.setColor(QPalette::Light, Qt::white);
        bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
        qDrawShadePanel(&painter, frameRect(), bevel, frameShadow() == QFrame::Sunken, lineWidth());
    }

    const QRect area =
        contentsRect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
    painter.setClipRect(contentsRect());
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, int(m_alignment) | Qt::TextWordWrap, m_caption);
}
