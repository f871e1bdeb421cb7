#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace ui {

// Says a text to a screen reader without showing anything: a notification with no widget of its
// own, which screen readers read as it appears. It speaks where a focused control's new name
// goes unheard: Qt's AT-SPI bridge sends a name change without the name, and Orca drops it.
class Announcer
{
public:
    explicit Announcer(QWidget *window);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    void announce(const QString &text);

private:
    QAccessible::Id m_id;
};

} // namespace ui
