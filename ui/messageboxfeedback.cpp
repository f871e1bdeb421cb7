#include "messageboxfeedback.h"

#include "platform/platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

MessageBoxFeedback::MessageBoxFeedback(QWidget *parent, std::function<void()> beforeMessage)
    : m_parent(parent)
    , m_beforeMessage(std::move(beforeMessage))
{}

void MessageBoxFeedback::beep()
{
    platform::beep();
}

void MessageBoxFeedback::message(const QString &title, const QString &text, drill::MessageIcon icon)
{
    if (m_beforeMessage)
        m_beforeMessage();
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // On the heap, a child of its window and deleted when closed: should the window go after
    // all, the box goes with it and exec() returns, instead of the window freeing a box that
    // lives on this stack.
    QPointer<QMessageBox> box = new QMessageBox(
        icon == drill::MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
        title, shown, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A text selectable by the mouse makes its label take the focus, and newer screen readers
    // read no focusable label of an alert: they would say only its title and its button.
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->exec();
}

} // namespace ui
