#pragma once

#include <QFrame>

// A framed 3-D panel (raised by default) with a caption drawn inside it; other controls can
// be placed on it. The caption wraps at blanks, so leading blanks can push it to a second line.
// A screen reader reads the panel by its caption.
class SSPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)

public:
    explicit SSPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};
