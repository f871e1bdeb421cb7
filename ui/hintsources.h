#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace ui {

// Runs a window's hint-line handlers as the pointer moves over its controls. A control without
// a handler leaves the hint line as it is. The free area's handler runs where no control lies
// under the pointer and over a disabled control, which raises no move of its own.
class HintSources : public QObject
{
public:
    HintSources(QWidget *freeArea, std::function<void()> onFreeArea, QObject *parent);

    void add(QWidget *source, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runHandlerOf(const QObject *source);

    QWidget *m_freeArea;
    std::vector<std::pair<QObject *, std::function<void()>>> m_handlers;
};

} // namespace ui
