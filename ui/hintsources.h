#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace ui {

// Runs a window's hint-line handlers as the pointer moves over its controls. The free area's
// handler runs only where no control lies under the pointer; a control without a handler, or a
// disabled one, leaves the hint line as it is.
class HintSources : public QObject
{
public:
    HintSources(QWidget *freeArea, std::function<void()> onFreeArea, QObject *parent);

    void add(QWidget *source, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_freeArea;
    std::vector<std::pair<QObject *, std::function<void()>>> m_handlers;
};

} // namespace ui
