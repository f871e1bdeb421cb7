#pragma once

#include <QTimer>

namespace ui {

// A timer of the program: a tick that falls due while a message box is open is held and
// arrives once the box has closed, after the handler that opened it; ticks meanwhile merge.
class ProgramTimer : public QTimer
{
public:
    using QTimer::QTimer;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    bool m_held = false;
};

} // namespace ui
