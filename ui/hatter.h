#pragma once

#include <QColor>
#include <QWindow>

namespace ui {

// The maximized light-yellow background behind every other window of the program. It has no
// controls, so it is a bare window covered by strips of its colour. Each strip paints through a
// buffer of its own size that it drops after the paint: a buffer of the whole screen, lasting
// or only for a paint, would be the largest piece of the program's memory.
class hatter : public QWindow
{
    Q_OBJECT

public:
    // Builds the window from its design; ZOR_IGE11 loads it when it shows it.
    explicit hatter(QWindow *parent = nullptr);
    void Form_Load();

    QColor backColour() const { return m_backColour; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_backColour;
    QList<QWindow *> m_strips;
};

} // namespace ui
