#include "desktop.h"

#include "platform/platform.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace ui {
namespace {

using namespace Qt::Literals::StringLiterals;

class BeforeFirstMap : public QObject
{
public:
    BeforeFirstMap(QWidget *window, std::function<void(const QMargins &)> place)
        : QObject(window)
        , m_place(std::move(place))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_place(platform::frameBeforeFirstMap(static_cast<QWidget *>(watched)));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QMargins &)> m_place;
};

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    platform::beforeApplication();
    auto application = std::make_unique<QApplication>(argc, argv);
    // The X11 class is the application name: the desktop entry's StartupWMClass.
    QApplication::setApplicationName(u"zor"_s);
    QApplication::setDesktopFileName(u"org.example.zor"_s);
    QApplication::setWindowIcon(QIcon(u":/pictures/alap.ico"_s));
    platform::afterApplication(*application);
    return application;
}

void beforeFirstMap(QWidget *window, std::function<void(const QMargins &frame)> place)
{
    if (!window->isVisible()) {
        new BeforeFirstMap(window, std::move(place));
        return;
    }
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    place(QMargins(client.left() - frame.left(), client.top() - frame.top(),
                   frame.right() - client.right(), frame.bottom() - client.bottom()));
}

} // namespace ui
