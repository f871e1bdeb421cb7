#include "programtimer.h"

#include "messageboxfeedback.h"

#include <QTimerEvent>

namespace ui {

void ProgramTimer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timerId() || !MessageBoxFeedback::isOpen()) {
        QTimer::timerEvent(event);
        return;
    }
    if (m_held)
        return;
    m_held = true;
    MessageBoxFeedback::whenNoneOpen(this, [this, id = timerId()] {
        m_held = false;
        QTimerEvent tick(id);
        if (timerId() == id) // neither stopped nor started anew in the meantime
            QTimer::timerEvent(&tick);
    });
}

} // namespace ui
