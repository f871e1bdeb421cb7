#include "hintsources.h"

#include <QLabel>
#include <QMouseEvent>

namespace ui {

HintSources::HintSources(QLabel *hintLine, QWidget *freeArea, QStringView freeAreaHint,
                         QObject *parent)
    : QObject(parent)
    , m_hintLine(hintLine)
    , m_freeArea(freeArea)
{
    freeArea->setMouseTracking(true);
    for (QWidget *child : freeArea->findChildren<QWidget *>())
        child->setMouseTracking(true);
    add(freeArea, freeAreaHint);
}

void HintSources::add(QWidget *source, QStringView hint)
{
    if (!hint.isEmpty())
        source->setAccessibleDescription(hint.toString());
    add(source, [this, hint] { m_hintLine->setText(hint.toString()); });
}

void HintSources::add(QWidget *source, std::function<void()> handler)
{
    source->setMouseTracking(true);
    source->installEventFilter(this);
    m_handlers.emplace_back(source, std::move(handler));
}

bool HintSources::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isEnabled()) {
        runHandlerOf(m_freeArea);
        return false;
    }
    if (widget == m_freeArea &&
        widget->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        return false;
    runHandlerOf(watched);
    return false;
}

void HintSources::runHandlerOf(const QObject *source)
{
    for (auto &[watched, handler] : m_handlers) {
        if (watched == source) {
            handler();
            return;
        }
    }
}

} // namespace ui
