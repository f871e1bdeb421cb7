#include "desktop.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Runs in the application object that the program itself creates.
class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformChoice();
    void applicationMatchesItsDesktopEntry();
};

void TestDesktop::platformChoice()
{
    using ui::platformFor;
    QCOMPARE(platformFor({"", ":0", "", "x11"}), ""_ba);
    QCOMPARE(platformFor({"", ":0", "wayland-0", "wayland"}), "xcb;wayland"_ba); // XWayland
    QCOMPARE(platformFor({"", ":1", "", "wayland"}), "xcb;wayland"_ba);
    QCOMPARE(platformFor({"", "", "wayland-0", "wayland"}), ""_ba);   // Wayland alone
    QCOMPARE(platformFor({"wayland", ":0", "wayland-0", ""}), ""_ba); // the learner's choice
    QCOMPARE(platformFor({"", "", "", ""}), ""_ba);
}

void TestDesktop::applicationMatchesItsDesktopEntry()
{
    // Docks group windows by the Wayland app id and by the X11 class named in the entry.
    QFile entry(QStringLiteral(ZOR_DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QGuiApplication::desktopFileName(), QFileInfo(entry).completeBaseName());
    QVERIFY(QString::fromUtf8(entry.readAll())
                .contains(u"\nStartupWMClass="_s + QCoreApplication::applicationName() + u'\n'));
    QVERIFY(!QGuiApplication::windowIcon().isNull());
    // fontconfig knows the other Windows families of the designs, not this one.
    QCOMPARE(QFontInfo(QFont(u"MS Sans Serif"_s)).family(), u"Liberation Sans"_s);
}

int main(int argc, char *argv[])
{
    const auto application = ui::createApplication(argc, argv);
    TestDesktop test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
