#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>

class QWidget;

namespace ui {

// Says the new name of a focused control where screen readers would not hear Qt's name change (the
// platform tells where: before Qt 6.8 the AT-SPI bridge sends it without the name). There the
// platform says it in a way of its own where it has one, or the announcer shows a notification
// with no widget of its own, which screen readers read as it appears; elsewhere the control's own
// name change is heard, and the announcer stays silent so nothing is said twice.
class Announcer : public QObject
{
public:
    // A child of the control whose new names it says.
    explicit Announcer(QWidget *control);
    ~Announcer() override;

    // Called when the control, focused, has just been renamed to text.
    void announce(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAccessible::Id m_id = 0; // the notification's; Qt's ids start above INT_MAX, so 0 is none
    // Whether the control had the focus when the program last waited for input, as a screen
    // reader last saw it. If not, the reader presents the focus as it comes back, and reads the
    // control's new name for it; a focus that left and came back in between it does not see.
    bool m_focusSeen = false;
};

} // namespace ui
