#include "sobre.h"

#include "helptexts.h"
#include "zor_ige11.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

namespace ui {

sobre::sobre(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(sizeHint());
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    // The hand-over is due 200 ms after the load; a coarse timer may be up to 10 ms late.
    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer1.setInterval(200);
    m_timer2.setInterval(200);
    connect(&m_timer1, &QTimer::timeout, this, [this] { tick(m_timer1, &sobre::Timer1_Timer); });
    connect(&m_timer2, &QTimer::timeout, this, [this] { tick(m_timer2, &sobre::Timer2_Timer); });
    connect(ui.Command1, &QPushButton::clicked, this, [this] { ZOR_IGE11::unload(this); });
    connect(ui.Image2, &QToolButton::clicked, this, &sobre::Image2_Click);
    Form_Load();
}

void sobre::Form_Load()
{
    ZOR_IGE11::centre(this);
    ZOR_IGE11::SetWindowPos(this, StackPosition::Topmost);
    showFrame(0);
    setVisible(true); // at its design's size: show() may make it full-screen
    if (ZOR_IGE11::splashDone == 0) {
        setCursor(Qt::WaitCursor);
        ui.Command1->setVisible(false);
        windowHandle()->installEventFilter(this); // to build the main menu once painted
    } else {
        unsetCursor();
        ui.Command1->setVisible(true);
    }
    m_timer1.start();
    m_timer2.start();
}

void sobre::openAbout()
{
    sobre *window = ZOR_IGE11::showSobre();
    window->ui.Command1->setEnabled(true);
    window->ui.Command1->setVisible(true);
    window->ui.Command1->setAutoDefault(true); // Enter closes the About box
    window->ui.Command1->setFocus();
    window->m_timer1.stop();
    window->unsetCursor();
    window->activateWindow();
    window->raise();
}

// A tick that falls due while a message box is open stops its timer; it comes once no box is
// open, and the timer runs on from there.
void sobre::tick(QTimer &timer, void (sobre::*handler)())
{
    if (!QApplication::activeModalWidget()) {
        (this->*handler)();
        return;
    }
    timer.stop();
    ZOR_IGE11::whenNoBoxOpen(this, [this, &timer, handler] {
        timer.start();
        (this->*handler)();
    });
}

// The splash is painted as its window is exposed. The main menu is built in the next idle moment
// before the hand-over, so that the tick only has to load and show it.
bool sobre::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { m_mainMenu = ZOR_IGE11::prepareAlap(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void sobre::showFrame(int frame)
{
    static constexpr QLabel *Ui::sobre::*kFrames[] = {&Ui::sobre::Image3, &Ui::sobre::Image4,
                                                      &Ui::sobre::Image5};
    m_frame = frame;
    ui.Image1->setPixmap((ui.*kFrames[frame])->pixmap());
}

void sobre::Timer2_Timer()
{
    showFrame((m_frame + 1) % 3);
}

void sobre::Timer1_Timer()
{
    m_timer1.stop();
    ZOR_IGE11::showAlap(std::move(m_mainMenu));
    ZOR_IGE11::unload(this);
}

void sobre::Image2_Click()
{
    ZOR_IGE11::inform(this, helptexts::kInformationTitle, helptexts::kInformation);
}

void sobre::Form_Unload()
{
    ZOR_IGE11::splashDone = 1;
}

void sobre::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace ui
