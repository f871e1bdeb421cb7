#pragma once

#include <QColor>
#include <QWindow>

namespace ui {

// The maximized light-yellow background behind every other window of the program. It has no
// controls, so it is a bare window that paints its colour through a buffer it drops after each
// expose: a lasting buffer of a whole screen would be the largest piece of the program's memory.
class hatter : public QWindow
{
    Q_OBJECT

public:
    explicit hatter(QWindow *parent = nullptr);

    QColor backColour() const { return m_backColour; }

protected:
    void exposeEvent(QExposeEvent *event) override;

private:
    void Form_Load();

    QColor m_backColour;
};

} // namespace ui
