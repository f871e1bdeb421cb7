#include "desktop.h"
#include "zor_ige11.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto application = ui::createApplication(argc, argv);
    const ui::Host host;
    ui::ZOR_IGE11::start(host);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
