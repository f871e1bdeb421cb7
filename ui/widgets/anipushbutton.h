#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>

// A push button that shows a 32x32 picture above its caption on a raised 3-D face. It clicks
// on press-and-release, on Space, on Enter/Return and on Alt with its access key, and reports
// every movement of the mouse pointer over it. A screen reader sees it as a button named by
// its caption.
class AniPushButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QIcon picture READ picture WRITE setPicture)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)

public:
    static constexpr int kPictureSize = 32;

    explicit AniPushButton(QWidget *parent = nullptr);

    QIcon picture() const { return m_picture; }
    void setPicture(const QIcon &picture);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // The mouse pointer entered the button or moved over it.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    QIcon m_picture;
    QColor m_backgroundColor{255, 255, 224};
};
