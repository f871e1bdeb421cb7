#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace ui {

// Says the new name of a focused control where screen readers would not: before Qt 6.8 the AT-SPI
// bridge sends a name change without the name, and screen readers drop it. There it shows a
// notification with no widget of its own, which screen readers read as it appears; from Qt 6.8 on
// the control's own name change is heard, and the announcer stays silent so nothing is said twice.
class Announcer
{
public:
    explicit Announcer(QWidget *window);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    void announce(const QString &text);

private:
    QAccessible::Id m_id = 0; // the notification's; Qt's ids start above INT_MAX, so 0 is none
};

} // namespace ui
