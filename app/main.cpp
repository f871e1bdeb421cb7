#include "fonts.h"
#include "zor_ige11.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zor"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.zor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/alap.ico")));
    ui::registerFontSubstitutions();
    ui::ZOR_IGE11::start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
