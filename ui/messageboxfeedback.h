#pragma once

#include "feedback.h"

#include <functional>

class QObject;
class QWidget;

namespace ui {

// The drill's messages as modal message boxes and its beeps as the platform's beep. Every modal
// message of the program opens here, and while one is open the program stands still: its timers
// hold their ticks (ProgramTimer), no window closes, and the program does not end. What fell due
// in the meantime runs once the last box has closed, after the handler that opened it.
class MessageBoxFeedback : public drill::Feedback
{
public:
    // beforeMessage brings the window up to date, so the box opens over what the learner expects.
    MessageBoxFeedback(QWidget *parent, std::function<void()> beforeMessage);

    void beep() override;
    void message(const QString &title, const QString &text, drill::MessageIcon icon) override;

    static bool isOpen();
    // Runs work now or, while a box is open, once none is; dropped if context is gone by then.
    static void whenNoneOpen(QObject *context, std::function<void()> work);

private:
    QWidget *m_parent;
    std::function<void()> m_beforeMessage;
};

} // namespace ui
