#include "announcer.h"

#include "platform/platform.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ui {
namespace {

// A notification of the window, read by its name; it has no children and takes no input.
class Notification : public QAccessibleInterface
{
public:
    explicit Notification(QWidget *window)
        : m_window(window)
    {}

    void setName(const QString &name) { m_name = name; }

    bool isValid() const override { return !m_window.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_window);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_name : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> m_window;
    QString m_name;
};

} // namespace

Announcer::Announcer(QWidget *control)
    : QObject(control)
{
    if (platform::hasCapability(platform::Capability::RenamesAreHeard))
        return;
    m_id = QAccessible::registerAccessibleInterface(new Notification(control->window()));
    control->installEventFilter(this);
}

Announcer::~Announcer()
{
    if (m_id)
        QAccessible::deleteAccessibleInterface(m_id);
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto *control = static_cast<QWidget *>(watched);
        QTimer::singleShot(0, this, [this, control] { m_focusSeen = control->hasFocus(); });
    }
    return false;
}

void Announcer::announce(const QString &text)
{
    // A platform with a way of its own says each new name; a notification is shown only where a
    // screen reader would not read the name as the focus comes back.
    if (platform::announce(text) || !m_id || !m_focusSeen)
        return;
    auto *notification = static_cast<Notification *>(QAccessible::accessibleInterface(m_id));
    notification->setName(text);
    // Renamed before it shows: a screen reader that keeps names in its cache would otherwise
    // say the text of an earlier announcement.
    QAccessibleEvent renamed(notification, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ui
