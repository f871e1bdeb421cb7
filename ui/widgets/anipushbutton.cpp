#include "anipushbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBevel = 2;

// Two-pixel bevel of a classic raised button; pressed, the light and the shadow swap sides.
void drawBevel(QPainter &painter, const QRect &rect, bool sunken)
{
    const QColor light = Qt::white;
    const QColor midShadow(128, 128, 128);
    const QColor shadow(64, 64, 64);
    const QColor outerTopLeft = sunken ? shadow : light;
    const QColor outerBottomRight = sunken ? light : shadow;
    const QColor innerTopLeft = sunken ? midShadow : light;
    const QColor innerBottomRight = sunken ? light : midShadow;

    QRect r = rect;
    for (const auto &[topLeft, bottomRight] :
         {std::pair{outerTopLeft, outerBottomRight}, std::pair{innerTopLeft, innerBottomRight}}) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

AniPushButton::AniPushButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AniPushButton::setPicture(const QIcon &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void AniPushButton::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

QSize AniPushButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize caption = metrics.size(Qt::TextShowMnemonic, text().isEmpty() ? u"M"_s : text());
    const int margin = 2 * (kBevel + 2);
    return {std::max(kPictureSize, caption.width()) + margin,
            kPictureSize + caption.height() + margin};
}

void AniPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backgroundColor);
    drawBevel(painter, rect(), isDown());

    // The face's content moves by one pixel while pressed, as on a classic button.
    const int shift = isDown() ? 1 : 0;
    const QRect face = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel).translated(shift, shift);
    const QFontMetrics metrics = fontMetrics();
    const int gap = std::max(0, (face.height() - kPictureSize - metrics.height()) / 3);

    const QRect pictureRect(face.left() + (face.width() - kPictureSize) / 2, face.top() + gap,
                            kPictureSize, kPictureSize);
    m_picture.paint(&painter, pictureRect, Qt::AlignCenter,
                    isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect captionRect(face.left(), pictureRect.bottom() + 1 + gap, face.width(),
                            face.bottom() - pictureRect.bottom() - gap);
    constexpr int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect, flags, text());

    if (hasFocus()) {
        const QRect textRect = metrics.boundingRect(captionRect, flags, text());
        QRect focusRect = textRect.adjusted(-2, 0, 1, -1).intersected(face.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focusRect);
    }
}

void AniPushButton::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void AniPushButton::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
}

void AniPushButton::enterEvent(QEnterEvent *event)
{
    Q_EMIT pointerMoved();
    QAbstractButton::enterEvent(event);
}
