#include "messageboxfeedback.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

MessageBoxFeedback::MessageBoxFeedback(QWidget *parent, std::function<void()> beforeMessage)
    : m_parent(parent)
    , m_beforeMessage(std::move(beforeMessage))
{}

void MessageBoxFeedback::beep()
{
    QApplication::beep();
}

void MessageBoxFeedback::message(const QString &title, const QString &text, drill::MessageIcon icon)
{
    if (m_beforeMessage)
        m_beforeMessage();
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon == drill::MessageIcon::Information ? QMessageBox::Information
                                                            : QMessageBox::Warning,
                    title, shown, QMessageBox::Ok, m_parent);
    box.exec();
}

} // namespace ui
