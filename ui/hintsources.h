#pragma once

#include <QObject>
#include <QStringView>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace ui {

// A window's hint line: as the pointer moves over a control with a hint, the line shows it; a
// control without one leaves the line as it is. The free area's hint shows where no control
// lies under the pointer and over a disabled control, which raises no move of its own. A
// control's hint, where it has a text of its own, is also its description for a screen reader.
class HintSources : public QObject
{
public:
    HintSources(QLabel *hintLine, QWidget *freeArea, QStringView freeAreaHint, QObject *parent);

    void add(QWidget *source, QStringView hint);
    // A hint that the window works out as the pointer moves.
    void add(QWidget *source, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runHandlerOf(const QObject *source);

    QLabel *m_hintLine;
    QWidget *m_freeArea;
    std::vector<std::pair<QObject *, std::function<void()>>> m_handlers;
};

} // namespace ui
