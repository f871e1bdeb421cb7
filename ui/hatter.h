#pragma once

#include <QBackingStore>
#include <QColor>
#include <QWindow>
#include <memory>

namespace ui {

// The maximized light-yellow background behind every other window of the program. It has no
// controls, so it is a bare window covered by strips of its colour. Each strip paints through a
// buffer of its own size that it drops after the paint: a buffer of the whole screen, lasting
// or only for a paint, would be the largest piece of the program's memory. Where a window's own
// surface must have a picture to be seen, it paints itself instead.
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
    void exposeEvent(QExposeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QColor m_backColour;
    QList<QWindow *> m_strips;
    std::unique_ptr<QBackingStore> m_ownBuffer; // without strips
};

} // namespace ui
