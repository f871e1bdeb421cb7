#include "desktop.h"
#include "zor_ige11.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto application = ui::createApplication(argc, argv);
    ui::ZOR_IGE11::start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
