#include "desktop.h"
#include "exercisewindow.h"
#include "hatter.h"
#include "platform/freedesktop.h"
#include "recordingfeedback.h"
#include "sobre.h"
#include "testmain.h"
#include "zor_ige11.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformChoice();
    void applicationMatchesItsDesktopEntry();
    void centredByTheOuterFrame();
    void backgroundStripsCoverItAfterAResize();
    void maximizedWindowKeepsItsPass_data();
    void maximizedWindowKeepsItsPass();
    void windowsStayAboveTheBackground();
};

void TestDesktop::platformChoice()
{
    using ui::platform::platformFor;
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

void TestDesktop::centredByTheOuterFrame()
{
    // The frames that openbox and xfwm4 draw around the main menu and an exercise window.
    const auto centred = &ui::ZOR_IGE11::centredClientPosition;
    const QRect screen(0, 0, 1280, 1024);
    QCOMPARE(centred(screen, {405, 484}, {}), QPoint(438, 270));
    QCOMPARE(centred(screen, {405, 484}, {1, 20, 1, 1}), QPoint(438, 280));
    QCOMPARE(centred(screen, {641, 452}, {5, 29, 5, 5}), QPoint(320, 298));
    QCOMPARE(centred({1280, 0, 1920, 1080}, {641, 452}, {1, 20, 1, 1}), QPoint(1920, 324));
}

void TestDesktop::backgroundStripsCoverItAfterAResize()
{
    ui::hatter background;
    background.showNormal();
    const auto covered = [&background] {
        QRegion region;
        for (const QWindow *strip : background.findChildren<QWindow *>())
            region += strip->geometry();
        return region;
    };
    for (const QSize size : {QSize(1280, 1024), QSize(1023, 767), QSize(641, 17)}) {
        background.resize(size);
        QTRY_COMPARE(covered(), QRegion(QRect(QPoint(), size)));
    }
}

void TestDesktop::maximizedWindowKeepsItsPass_data()
{
    QTest::addColumn<int>("profile");
    for (int p = 0; p < 3; ++p)
        QTest::addRow("zor_ige%d", p + 1) << p;
}

void TestDesktop::maximizedWindowKeepsItsPass()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        QSKIP("tests/ui/wayland-session runs this on a Wayland compositor");
    QFETCH(int, profile);
    testsupport::RecordingFeedback feedback;
    ui::ExerciseWindow window(
        ui::kExerciseProfiles[profile], [] {}, &feedback);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.chooseFromMainMenu(0);
    QTest::mouseClick(window.findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    const int item = window.engine().state().currentItem;
    const QSize design = window.size();
    // The sizes the window paints itself in, each painting committed to the compositor.
    struct Painted : QObject
    {
        QSize size;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::UpdateRequest)
                size = static_cast<QWidget *>(watched)->size();
            return false;
        }
    } painted;
    window.installEventFilter(&painted);
    // What Qt's maximize button does; a window of the wrong size would end the program here.
    window.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_VERIFY(window.width() > design.width() && window.height() > design.height());
    QTRY_COMPARE(painted.size, window.size());
    // The design, its menu bar and its client area, whole in the middle of the window.
    const QRect shown = window.menuBar()->geometry().united(window.centralWidget()->geometry());
    QCOMPARE(shown.size(), design);
    const QPoint offCentre = shown.center() - window.rect().center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(u"%1, %2"_s.arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(window.engine().state().currentItem, item);
    QCOMPARE(window.engine().state().shownCount, 1);
    window.windowHandle()->setWindowStates(Qt::WindowNoState);
    QTRY_COMPARE(window.size(), design);
}

// The main menu and the exercise windows as the program shows them, over its background: which
// surface lies above which is the compositor's, and tests/ui/wayland-session reads it there.
void TestDesktop::windowsStayAboveTheBackground()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        QSKIP("tests/ui/wayland-session runs this on a Wayland compositor");
    testsupport::RecordingFeedback feedback;
    const ui::Host host{&feedback, drill::randomDrawIndex(), [] {}};
    ui::ZOR_IGE11::start(host);
    ui::ZOR_IGE11::sobreWindow()->Timer1_Timer();
    QList<QWidget *> windows{ui::ZOR_IGE11::alapWindow()};
    for (const ui::ExerciseProfile &profile : ui::kExerciseProfiles)
        windows.append(ui::ZOR_IGE11::showExerciseWindow(profile));
    for (QWidget *window : std::as_const(windows))
        QVERIFY(QTest::qWaitForWindowExposed(window));
    ui::ZOR_IGE11::endProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ZOR_TEST_MAIN(TestDesktop)

#include "tst_desktop.moc"
