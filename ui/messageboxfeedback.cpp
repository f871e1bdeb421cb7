#include "messageboxfeedback.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <vector>

namespace ui {
namespace {

struct Deferred
{
    QPointer<QObject> context;
    std::function<void()> work;
};

// Holds back the closing of the program's windows while a box is open, whoever asks for it;
// the window closes once the last box has gone.
class CloseGate : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QMainWindow *>(watched);
        if (event->type() != QEvent::Close || !window)
            return false;
        event->ignore();
        MessageBoxFeedback::whenNoneOpen(window, [window] { window->close(); });
        return true;
    }
};

int g_openBoxes = 0;
QPointer<CloseGate> g_closeGate;
std::vector<Deferred> g_deferred;

void boxOpened()
{
    if (g_openBoxes++ == 0) {
        g_closeGate = new CloseGate(qApp);
        qApp->installEventFilter(g_closeGate);
    }
}

void boxClosed()
{
    if (--g_openBoxes > 0)
        return;
    delete g_closeGate;
    for (Deferred &deferred : std::exchange(g_deferred, {})) {
        if (deferred.context)
            QMetaObject::invokeMethod(deferred.context, std::move(deferred.work),
                                      Qt::QueuedConnection);
    }
}

} // namespace

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
    // On the heap and guarded: should its window go after all, the box goes with it and exec()
    // returns, instead of the window freeing a box that lives on this stack.
    QPointer<QMessageBox> box = new QMessageBox(
        icon == drill::MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
        title, shown, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    boxOpened();
    box->exec();
    boxClosed();
}

bool MessageBoxFeedback::isOpen()
{
    return g_openBoxes > 0;
}

void MessageBoxFeedback::whenNoneOpen(QObject *context, std::function<void()> work)
{
    if (isOpen())
        g_deferred.push_back({context, std::move(work)});
    else
        work();
}

} // namespace ui
