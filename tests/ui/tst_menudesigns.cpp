// Checks the designs of the main menu, the start-up/About window and the background window
// against their layout tables (kind, caption, place and size in twips, state at load, font,
// colours), their captions, client sizes, tab order, menu and pictures; and that the main menu's
// picture buttons behave as buttons for the mouse, the keyboard and a screen reader.
#include "alap.h"
#include "designcheck.h"
#include "ui_alap.h"
#include "ui_hatter.h"
#include "ui_sobre.h"
#include "widgets/anipushbutton.h"
#include "widgets/sspanel.h"

#include <QAccessible>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;
using namespace designcheck;

namespace {

constexpr const char *kPanel = "Panel3D1";
constexpr const char16_t *kSans = u"MS Sans Serif";
constexpr const char16_t *kTimes = u"Times New Roman";

// clang-format off
const Control kControls[] = {
    // alap
    {"alap", "Panel3D1", "SSPanel", kCentral, u"Seleccione el ejercicio  pulsando sobre el icono:", 240, 0, 5535, 630, Shown, kTimes, 12, true, kGrey, kBlack, kNone, kNoTab},
    {"alap", "Command1", "QPushButton", kCentral, u"&Cerrar", 2160, 5640, 1335, 375, Shown, kSans, 9.75, true, kDefault, kDefault, kNone, 4},
    {"alap", "Label3", "QLabel", kCentral, u"", 0, 6120, 6075, 855, Shown, kTimes, 11.25, true, kDarkGrey, kWhite, kC, kNoTab},
    {"alap", "AniButton9", "AniPushButton", kCentral, u"2/&9", 240, 720, 855, 885, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 6},
    {"alap", "AniButton1", "AniPushButton", kCentral, u"3/11/&a", 1320, 720, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 0},
    {"alap", "AniButton3", "AniPushButton", kCentral, u"3/11/&b", 2400, 720, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 1},
    {"alap", "AniButton10", "AniPushButton", kCentral, u"4/&2/a", 3495, 720, 840, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 7},
    {"alap", "AniButton11", "AniPushButton", kCentral, u"&4/2/b", 4560, 720, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 8},
    {"alap", "AniButton4", "AniPushButton", kCentral, u"2 + &3", 1680, 1920, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 2},
    {"alap", "AniButton5", "AniPushButton", kCentral, u"2&+3+4", 3120, 1920, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 3},
    {"alap", "AniButton14", "AniPushButton", kCentral, u"&8/2", 120, 3120, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 11},
    {"alap", "AniButton15", "AniPushButton", kCentral, u"8/&5", 1200, 3120, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 12},
    {"alap", "AniButton12", "AniPushButton", kCentral, u"10&/13", 2280, 3120, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 9},
    {"alap", "AniButton13", "AniPushButton", kCentral, u"8", 3480, 3120, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 10},
    {"alap", "AniButton16", "AniPushButton", kCentral, u"8+10", 4680, 3120, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 13},
    {"alap", "AniButton2", "AniPushButton", kCentral, u"&12/9", 720, 4440, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 26},
    {"alap", "AniButton6", "AniPushButton", kCentral, u"12/1&0", 2280, 4440, 855, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 27},
    {"alap", "AniButton7", "AniPushButton", kCentral, u"12/9+10", 3720, 4440, 1215, 870, Shown, kSans, 13.5, true, kLightYellow, kWindowText, kNone, 28},
    {"alap", "Label1_0", "QLabel", kCentral, u"-ar", 360, 1560, 615, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_1", "QLabel", kCentral, u"-er", 1440, 1560, 615, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_2", "QLabel", kCentral, u"-ar/-er", 2400, 1560, 855, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_3", "QLabel", kCentral, u"-ir", 3600, 1560, 615, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_4", "QLabel", kCentral, u"-ar/-er/-ir", 4440, 1560, 1095, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_5", "QLabel", kCentral, u"-ar/-er", 1680, 2760, 855, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_6", "QLabel", kCentral, u"-ar/-er/-ir", 3000, 2760, 1095, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_7", "QLabel", kCentral, u"A", 240, 3960, 615, 375, Shown, kSans, 12, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_8", "QLabel", kCentral, u"B", 1320, 3960, 615, 375, Shown, kSans, 12, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_9", "QLabel", kCentral, u"C/E/F", 2280, 3960, 855, 375, Shown, kSans, 12, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_10", "QLabel", kCentral, u"A/B", 3600, 3960, 615, 375, Shown, kSans, 12, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_11", "QLabel", kCentral, u"A/B/C/E/F", 4440, 3960, 1335, 375, Shown, kSans, 12, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_12", "QLabel", kCentral, u"Indicativo", 480, 5280, 1335, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_13", "QLabel", kCentral, u"Imperativo", 2040, 5280, 1335, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},
    {"alap", "Label1_14", "QLabel", kCentral, u"Ind. + Imp.", 3600, 5280, 1455, 255, Shown, kSans, 9.75, true, kWindow, kRed, kC, kNoTab},

    // sobre
    {"sobre", "Panel3D1", "SSPanel", kCentral, u"                                                                          Z O R", 360, 240, 5415, 2670, Shown, kSans, 13.5, true, kGrey, kWindowText, kNone, kNoTab},
    {"sobre", "Label5", "QLabel", kPanel, u"(Ejercicios gramaticales de español)", 360, 960, 3615, 255, Shown, kTimes, 11.25, true, kGrey, kWindowText, kL, kNoTab},
    {"sobre", "Label3", "QLabel", kPanel, u"Autor:", 480, 1455, 645, 375, Shown, u"Arial", 9.75, false, kGrey, kWindowText, kL, kNoTab},
    {"sobre", "Label4", "QLabel", kPanel, u"Los autores de ZOR", 1200, 1440, 3585, 495, Shown, u"Arial", 9.75, false, kGrey, kWindowText, kL, kNoTab},
    {"sobre", "Label2", "QLabel", kPanel, u"1999", 2160, 1680, 735, 375, Shown, u"Arial", 9.75, false, kGrey, kWindowText, kL, kNoTab},
    {"sobre", "Label6", "QLabel", kPanel, u"Si quiere más información, pulse aquí:", 480, 2040, 3735, 375, Shown, kTimes, 11.25, true, kDefault, kDefault, kL, kNoTab},
    // The clickable icon has no tab place of its own; it comes before the OK button.
    {"sobre", "Image2", "QToolButton", kPanel, u"", 4320, 1920, 480, 480, Shown, kSans, 12, true, kDefault, kDefault, kNone, 4},
    {"sobre", "Image1", "QLabel", kPanel, u"", 3960, 240, 1215, 975, Shown, kSans, 12, true, kDefault, kDefault, kL, kNoTab},
    {"sobre", "Image3", "QLabel", kCentral, u"", 120, 3000, 615, 495, Hidden, kSans, 12, true, kDefault, kDefault, kL, kNoTab},
    {"sobre", "Image4", "QLabel", kCentral, u"", 840, 3000, 615, 495, Hidden, kSans, 12, true, kDefault, kDefault, kL, kNoTab},
    {"sobre", "Image5", "QLabel", kCentral, u"", 1560, 3000, 615, 495, Hidden, kSans, 12, true, kDefault, kDefault, kL, kNoTab},
    {"sobre", "Command1", "QPushButton", kCentral, u"&Vale", 2520, 3000, 1215, 495, Hidden, kSans, 12, true, kDefault, kDefault, kNone, 5},
};

const Window kWindows[] = {
    {"sobre", u"A c e r c a   d e   Z  O  R", 6120, 3585, kGrey, 12},
    {"alap", u"ZORrcicios gramaticales  -  Unidades 2-10: Verbos", 5985, 6915, kGrey, 8.25},
    {"hatter", u"Z  O  R      ------   EJERCICIOS GRAMATICALES DE ESPAÑOL", 7365, 5820, kLightYellow, 8.25},
};

struct MenuButton
{
    const char *name;
    const char16_t *spoken; // the caption as a screen reader says it
};

const MenuButton kMenuButtons[] = {
    {"AniButton9", u"2/9"}, {"AniButton1", u"3/11/a"}, {"AniButton3", u"3/11/b"},
    {"AniButton10", u"4/2/a"}, {"AniButton11", u"4/2/b"}, {"AniButton4", u"2 + 3"},
    {"AniButton5", u"2+3+4"}, {"AniButton14", u"8/2"}, {"AniButton15", u"8/5"},
    {"AniButton12", u"10/13"}, {"AniButton13", u"8"}, {"AniButton16", u"8+10"},
    {"AniButton2", u"12/9"}, {"AniButton6", u"12/10"}, {"AniButton7", u"12/9+10"},
};
// clang-format on

std::unique_ptr<QMainWindow> build(QByteArrayView name)
{
    if (name == "alap")
        return fromDesign<Ui::alap>();
    if (name == "sobre")
        return fromDesign<Ui::sobre>();
    if (name == "hatter")
        return fromDesign<Ui::hatter>();
    return nullptr;
}

QImage imageOf(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestMenuDesigns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data() { controlsData(kControls); }
    void controls() { checkControl(build); }
    void windows_data() { windowsData(kWindows); }
    void windows();
    void tabOrder_data() { tabOrderData(kControls); }
    void tabOrder() { checkTabOrder(build); }
    void accessibility_data() { windowNamesData(kWindows); }
    void accessibility();
    void mainMenu();
    void pictures();
    void widgetsPaintTheir3DLook();
    void menuButtons_data();
    void menuButtons();
    void accessKeyClicksMenuButton();
};

void TestMenuDesigns::windows()
{
    QFETCH(QByteArray, window);
    QFETCH(QSize, client);

    const auto w = build(window);
    QVERIFY(w);
    checkWindow(*w);
    if (QTest::currentTestFailed())
        return;
    QWidget *central = w->centralWidget();
    if (window == "hatter") {
        // Opens maximized, so only its normal size is given; it has no menu and no control.
        QCOMPARE(w->size(), client);
        QCOMPARE(central->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QVERIFY(central->findChildren<QWidget *>().isEmpty());
    } else {
        QCOMPARE(central->minimumSize(), client);
        QCOMPARE(central->maximumSize(), client);
    }
    QCOMPARE(w->findChild<QMenuBar *>() != nullptr, window == "alap");

    // The start-up window shows the hourglass until its code switches the pointer.
    QCOMPARE(w->cursor().shape(), window == "sobre" ? Qt::WaitCursor : Qt::ArrowCursor);
}

// A screen reader reads labels and push buttons by their text and learns every control's purpose
// from its description; the two panels and the About icon are named.
void TestMenuDesigns::accessibility()
{
    QFETCH(QByteArray, window);

    // The main menu's hints, its buttons' descriptions, come with the window itself.
    const auto w = window == "alap" ? std::unique_ptr<QMainWindow>(new ui::alap) : build(window);
    QVERIFY(w);
    QVERIFY(!w->centralWidget()->accessibleDescription().isEmpty());
    // The controls on the About panel count as the window's own.
    checkDescribed(w->centralWidget()->findChildren<QWidget *>());
    if (QTest::currentTestFailed())
        return;

    if (window == "sobre") {
        auto *info = w->findChild<QToolButton *>(u"Image2"_s);
        QVERIFY(info);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(info);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), u"Mi ez?"_s);
        QCOMPARE(iface->text(QAccessible::Description),
                 u"Si quiere más información, pulse aquí:"_s);
    }
    if (auto *panel = w->findChild<SSPanel *>(u"Panel3D1"_s))
        QCOMPARE(panel->accessibleName(), panel->caption().trimmed());
}

void TestMenuDesigns::mainMenu()
{
    const auto w = build("alap");
    QVERIFY(w);
    auto *help = w->findChild<QMenu *>(u"ayuda"_s);
    QVERIFY(help);
    QCOMPARE(help->title(), u"&Ayuda"_s);
    QVERIFY(w->menuBar()->actions().contains(help->menuAction()));
    QStringList items;
    for (const QAction *action : help->actions())
        items << action->objectName() + u' ' + action->text();
    QCOMPARE(items, (QStringList{u"acerca Ace&rca de ..."_s, u"como &Cómo ..."_s}));

    auto *hint = w->findChild<QLabel *>(u"Label3"_s);
    QVERIFY(hint);
    QVERIFY(hint->wordWrap());
    hint->ensurePolished();
    QCOMPARE(hint->frameWidth(), 1); // the single border
}

void TestMenuDesigns::pictures()
{
    const auto menu = build("alap");
    QVERIFY(menu);
    const auto buttons = menu->findChildren<AniPushButton *>();
    QCOMPARE(buttons.size(), std::size(kMenuButtons));

    // One and the same 16-colour picture with a transparent background on every button.
    const QImage picture = imageOf(buttons.constFirst()->picture(), 32);
    QCOMPARE(picture.size(), QSize(32, 32));
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) != 0)
                colours.insert(picture.pixel(x, y));
        }
    }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    for (const AniPushButton *button : buttons)
        QCOMPARE(imageOf(button->picture(), 32), picture);

    // Window and About icons come with a small image of their own and a large one.
    const QList<QSize> iconSizes{QSize(16, 16), QSize(32, 32)};
    for (const QSize &size : iconSizes)
        QVERIFY(menu->windowIcon().availableSizes().contains(size));

    const auto about = build("sobre");
    QVERIFY(about);
    auto *info = about->findChild<QToolButton *>(u"Image2"_s);
    QVERIFY(info);
    QCOMPARE(info->iconSize(), QSize(32, 32));
    for (const QSize &size : iconSizes)
        QVERIFY(info->icon().availableSizes().contains(size));

    // Image1 starts empty; the three hidden frames are distinct 32x32 pictures.
    auto *shown = about->findChild<QLabel *>(u"Image1"_s);
    QVERIFY(shown);
    QVERIFY(shown->pixmap().isNull());
    QVERIFY(shown->hasScaledContents());
    QList<QImage> frames;
    for (const QString &name : {u"Image3"_s, u"Image4"_s, u"Image5"_s}) {
        auto *frame = about->findChild<QLabel *>(name);
        QVERIFY(frame);
        QVERIFY(frame->hasScaledContents());
        QCOMPARE(frame->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        frames << frame->pixmap().toImage();
    }
    QVERIFY(frames[0] != frames[1] && frames[1] != frames[2] && frames[0] != frames[2]);
}

// The panel and the buttons are raised: light top-left edges, dark bottom-right edges, their
// own face colour, and a caption drawn in their text colour.
void TestMenuDesigns::widgetsPaintTheir3DLook()
{
    const auto w = build("alap");
    QVERIFY(w);
    w->ensurePolished();
    for (const char *name : {"Panel3D1", "AniButton7"}) {
        auto *widget = w->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY(widget);
        const QImage image = widget->grab().toImage();
        const QRgb face = backOf(widget);
        const auto at = [&](int x, int y) { return image.pixel(x, y) | 0xff000000; };
        QCOMPARE(at(0, 0), kWhite);
        QCOMPARE(qGray(at(image.width() - 1, image.height() - 1)) < 160, true);
        QCOMPARE(at(4, image.height() / 2), face);
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 4; x < image.width() - 4; ++x)
                textPixels += at(x, y) == kBlack ? 1 : 0;
        }
        QVERIFY2(textPixels > 20, name);
    }
}

void TestMenuDesigns::menuButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    for (const MenuButton &b : kMenuButtons)
        QTest::addRow("%s", b.name) << QString::fromLatin1(b.name) << QString::fromUtf16(b.spoken);
}

// Every picture button is a button named by its caption for a screen reader, reports the pointer
// moving over it, and clicks with the mouse, Space, Return and Enter.
void TestMenuDesigns::menuButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);

    const auto w = build("alap");
    QVERIFY(w);
    auto *button = w->findChild<AniPushButton *>(name);
    QVERIFY(button);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), spoken);
    QCOMPARE(iface->text(QAccessible::Description), button->accessibleDescription());

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QSignalSpy moved(button, &AniPushButton::pointerMoved);
    QSignalSpy clicked(button, &AniPushButton::clicked);

    QVERIFY(button->hasMouseTracking()); // moves without a pressed mouse button arrive too
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QCOMPARE(moved.count(), 1);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);

    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 3);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked.count(), 4);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(clicked.count(), 4);
}

void TestMenuDesigns::accessKeyClicksMenuButton()
{
    const auto w = build("alap");
    QVERIFY(w);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *button = w->findChild<AniPushButton *>(u"AniButton9"_s); // "2/&9"
    QVERIFY(button);
    QSignalSpy clicked(button, &AniPushButton::clicked);
    QTest::keyClick(w.get(), Qt::Key_9, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestMenuDesigns)
#include "tst_menudesigns.moc"
