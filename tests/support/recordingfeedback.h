#pragma once

#include "feedback.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace testsupport {

// How a message shows in the record: title, " | ", text.
inline QString messageEvent(QStringView title, QStringView text)
{
    return title.toString() + QStringLiteral(" | ") + text.toString();
}

// Records beeps and messages in order instead of beeping and blocking.
class RecordingFeedback : public drill::Feedback
{
public:
    void beep() override { events.append(QStringLiteral("beep")); }
    void message(const QString &title, const QString &text, drill::MessageIcon icon) override
    {
        events.append(messageEvent(title, text));
        icons.append(icon);
        if (onMessage)
            onMessage();
    }
    int beeps() const { return events.count(QStringLiteral("beep")); }
    void clear()
    {
        events.clear();
        icons.clear();
    }

    QStringList events;
    QList<drill::MessageIcon> icons;
    std::function<void()> onMessage; // runs while the "box" is open
};

// Draws the scripted values in turn, then always 0.
inline drill::DrawIndex scriptedDraw(std::deque<int> values)
{
    return [values = std::move(values)](int) mutable {
        if (values.empty())
            return 0;
        const int value = values.front();
        values.pop_front();
        return value;
    };
}

} // namespace testsupport
