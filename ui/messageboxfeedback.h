#pragma once

#include "feedback.h"

#include <functional>

class QWidget;

namespace ui {

// The drill's messages as modal message boxes and its beeps as the platform's beep. Every modal
// message of the program opens here, over its window, and goes with the window should the window
// go while the box is open.
class MessageBoxFeedback : public drill::Feedback
{
public:
    // beforeMessage brings the window up to date, so the box opens over what the learner expects.
    MessageBoxFeedback(QWidget *parent, std::function<void()> beforeMessage);

    void beep() override;
    void message(const QString &title, const QString &text, drill::MessageIcon icon) override;

private:
    QWidget *m_parent;
    std::function<void()> m_beforeMessage;
};

} // namespace ui
