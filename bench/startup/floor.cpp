// The start-up floor: the least a Qt Widgets program costs to show one window. The program's own
// start-up time and memory are compared with this one's, measured on the same display.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zor_floor"_s);
    QApplication::setDesktopFileName(u"zor_floor"_s);

    QMainWindow window;
    window.setWindowTitle(u"zor_floor"_s);
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(u"Z O R"_s, central));
    auto *button = new QPushButton(u"Salir"_s, central);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &app, &QApplication::quit);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
