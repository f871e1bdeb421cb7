#pragma once

#include <QString>
#include <functional>

namespace drill {

enum class MessageIcon { Exclamation, Information };

// The drill's one port to the outside: the system beep and a blocking modal message.
class Feedback
{
public:
    virtual ~Feedback() = default;
    virtual void beep() = 0;
    virtual void message(const QString &title, const QString &text, MessageIcon icon) = 0;
};

// Returns a whole number in 0 .. count-1; count is at least 1.
using DrawIndex = std::function<int(int count)>;

// Uniform draws from the process-wide generator, which Qt seeds once.
DrawIndex randomDrawIndex();

} // namespace drill
