#include "alap.h"
#include "exercisewindow.h"
#include "fonts.h"
#include "hatter.h"
#include "helptexts.h"
#include "hints.h"
#include "recordingfeedback.h"
#include "sobre.h"
#include "widgets/anipushbutton.h"
#include "zor_ige11.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using ui::ZOR_IGE11;

namespace {

void processDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int loadedMenuAndExerciseWindows()
{
    int loaded = ZOR_IGE11::alapWindow() ? 1 : 0;
    for (const ui::ExerciseProfile &profile : ui::kExerciseProfiles)
        loaded += ZOR_IGE11::exerciseWindow(profile) ? 1 : 0;
    return loaded;
}

// Moves the pointer through the widget's own window, whatever lies above it on the screen.
void hover(QWidget *widget, QPoint position)
{
    QWidget *window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}
void hover(QWidget *widget)
{
    hover(widget, widget->rect().center());
}

QString labelText(QWidget *window, const QString &name)
{
    return window->findChild<QLabel *>(name)->text();
}

// The running timers of a window, with their intervals.
QString timers(QObject *window)
{
    QStringList running;
    for (const QTimer *timer : window->findChildren<QTimer *>()) {
        if (timer->isActive())
            running << u"%1 %2 ms"_s.arg(timer->objectName()).arg(timer->interval());
    }
    running.sort();
    return running.join(u", "_s);
}

QList<ui::alap *> mainMenus()
{
    QList<ui::alap *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<ui::alap *>(window))
            found << menu;
    }
    return found;
}

// The main menu's own table, typed independently of the catalogue and the windows' profiles.
struct MainMenuButton
{
    const char *button;
    int window; // of the exercise profiles
    const char *setButton;
    const char *codeLabel;
};
const MainMenuButton kMainMenuButtons[] = {
    {"AniButton9", 0, "Command5", "2/9:"},     {"AniButton1", 0, "Command6", "3/11/a:"},
    {"AniButton3", 0, "Command7", "3/11/b:"},  {"AniButton10", 0, "Command8", "4/2/a:"},
    {"AniButton11", 0, "Command9", "4/2/b:"},  {"AniButton4", 0, "Command10", "2+3:"},
    {"AniButton5", 0, "Command11", "2+3+4:"},  {"AniButton14", 1, "Command5", "8/2:"},
    {"AniButton15", 1, "Command6", "8/5:"},    {"AniButton12", 1, "Command7", "10/13:"},
    {"AniButton13", 1, "Command8", "8:"},      {"AniButton16", 1, "Command9", "8+10:"},
    {"AniButton2", 2, "Command5", "12/9:"},    {"AniButton6", 2, "Command6", "12/10:"},
    {"AniButton7", 2, "Command10", "9 + 10:"},
};

int setIndex(const ui::ExerciseProfile &profile, const char *setButton)
{
    const auto found = std::ranges::find(profile.setButtons, QString::fromLatin1(setButton));
    return found == profile.setButtons.end() ? -1 : int(found - profile.setButtons.begin());
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startUpHandsOverToTheMainMenu();
    void aboutWindowAnimatesAndIsNotReloaded();
    void everyMainMenuButtonOpensItsSet_data();
    void everyMainMenuButtonOpensItsSet();
    void leavingAnExerciseBringsAFreshMainMenu();
    void mainMenuHints();
    void noControlIsClipped();
    void helpMessages();
    void exitEndsAtOnceEvenWithAboutOpen();
    void anOpenMessageBoxHoldsTheProgramStill();

private:
    testsupport::RecordingFeedback m_feedback;
    int m_quits = 0;
    ui::Host m_host{&m_feedback, drill::randomDrawIndex(), [this] { ++m_quits; }};
};

void TestProgram::initTestCase()
{
    ui::registerFontSubstitutions();
}

void TestProgram::init()
{
    ZOR_IGE11::splashDone = 0;
    m_feedback.clear();
    m_quits = 0;
    ZOR_IGE11::start(m_host);
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
    processDeletions();
}

void TestProgram::cleanup()
{
    ZOR_IGE11::endProgram();
    processDeletions();
    QVERIFY(!ZOR_IGE11::sobreWindow() && !ZOR_IGE11::alapWindow() && !ZOR_IGE11::hatterWindow());
    QCOMPARE(loadedMenuAndExerciseWindows(), 0);
}

void TestProgram::startUpHandsOverToTheMainMenu()
{
    ZOR_IGE11::endProgram();
    processDeletions();
    ZOR_IGE11::splashDone = 0;

    ZOR_IGE11::start(m_host);
    ui::sobre *splash = ZOR_IGE11::sobreWindow();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
    QVERIFY(splash->findChild<QPushButton *>(u"Command1"_s)->isHidden());
    QCOMPARE(timers(splash), u"Timer1 200 ms, Timer2 200 ms"_s);
    QVERIFY(!ZOR_IGE11::alapWindow());

    // Once the splash is painted, the main menu and the background are built ahead, unseen.
    splash->findChild<QTimer *>(u"Timer1"_s)->stop(); // the test ticks it itself
    QTRY_COMPARE(mainMenus().size(), 1);
    ui::alap *prepared = mainMenus().constFirst();
    QVERIFY(!prepared->isVisible() && !ZOR_IGE11::hatterWindow()->isVisible());
    QVERIFY(!ZOR_IGE11::alapWindow());

    splash->Timer1_Timer();
    QCOMPARE(ZOR_IGE11::alapWindow(), prepared);
    QCOMPARE(mainMenus().size(), 1);
    QVERIFY(prepared->isVisible());
    QVERIFY(labelText(prepared, u"Label3"_s).isEmpty());
    QVERIFY(prepared->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(ZOR_IGE11::hatterWindow() && ZOR_IGE11::hatterWindow()->isVisible());
    QCOMPARE(ZOR_IGE11::hatterWindow()->windowStates(), Qt::WindowMaximized);
    QCOMPARE(ZOR_IGE11::hatterWindow()->title(),
             u"Z  O  R      ------   EJERCICIOS GRAMATICALES DE ESPAÑOL"_s);
    QCOMPARE(ZOR_IGE11::hatterWindow()->backColour(), QColor(255, 255, 224));
    QCOMPARE(ZOR_IGE11::splashDone, 1);
    processDeletions();
    QVERIFY(!ZOR_IGE11::sobreWindow());

    ui::sobre::openAbout();
    ui::sobre *about = ZOR_IGE11::sobreWindow();
    QVERIFY(about->findChild<QPushButton *>(u"Command1"_s)->isVisible());
    QVERIFY(about->cursor().shape() != Qt::WaitCursor);
    QCOMPARE(timers(about), u"Timer2 200 ms"_s); // animated, no hand-over
}

void TestProgram::aboutWindowAnimatesAndIsNotReloaded()
{
    ui::sobre::openAbout();
    ui::sobre *about = ZOR_IGE11::sobreWindow();
    auto *image1 = about->findChild<QLabel *>(u"Image1"_s);
    const auto pictureOf = [about](const QString &name) {
        return about->findChild<QLabel *>(name)->pixmap().toImage();
    };
    QCOMPARE(image1->pixmap().toImage(), pictureOf(u"Image3"_s));
    about->Timer2_Timer();
    QCOMPARE(image1->pixmap().toImage(), pictureOf(u"Image4"_s));
    about->Timer2_Timer();
    QCOMPARE(image1->pixmap().toImage(), pictureOf(u"Image5"_s));
    about->Timer2_Timer();
    QCOMPARE(image1->pixmap().toImage(), pictureOf(u"Image3"_s));
    QVERIFY(pictureOf(u"Image3"_s) != pictureOf(u"Image4"_s));
    QVERIFY(pictureOf(u"Image4"_s) != pictureOf(u"Image5"_s));

    about->Timer2_Timer();
    ui::sobre::openAbout(); // already open: activated, not reloaded
    QCOMPARE(ZOR_IGE11::sobreWindow(), about);
    QCOMPARE(about->frame(), 1);

    QTest::mouseClick(about->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    processDeletions();
    QVERIFY(!ZOR_IGE11::sobreWindow());
    ui::sobre::openAbout();
    QCOMPARE(ZOR_IGE11::sobreWindow()->frame(), 0); // a fresh load starts at the first frame
}

void TestProgram::everyMainMenuButtonOpensItsSet_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("setButton");
    QTest::addColumn<QString>("codeLabel");
    for (const MainMenuButton &row : kMainMenuButtons) {
        QTest::newRow(row.button) << QString::fromLatin1(row.button) << row.window
                                  << QString::fromLatin1(row.setButton)
                                  << QString::fromLatin1(row.codeLabel);
    }
}

void TestProgram::everyMainMenuButtonOpensItsSet()
{
    QFETCH(QString, button);
    QFETCH(int, window);
    QFETCH(QString, setButton);
    QFETCH(QString, codeLabel);

    auto *aniButton = ZOR_IGE11::alapWindow()->findChild<AniPushButton *>(button);
    QVERIFY(aniButton);
    aniButton->setFocus();
    QTest::keyClick(aniButton, Qt::Key_Space);
    processDeletions();

    QVERIFY(!ZOR_IGE11::alapWindow());
    QCOMPARE(loadedMenuAndExerciseWindows(), 1);
    ui::ExerciseWindow *exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[window]);
    QVERIFY(exercise && exercise->isVisible());
    for (QStringView name : exercise->profile().setButtons)
        QCOMPARE(exercise->findChild<QPushButton *>(name.toString())->isEnabled(),
                 name != setButton);
    QVERIFY(exercise->findChild<QPushButton *>(u"Command1"_s)->isEnabled());
    QCOMPARE(labelText(exercise, u"Label1"_s), codeLabel);
    // The answer box has the focus once the window is active, although Comenzar now precedes it.
    QVERIFY(QTest::qWaitForWindowActive(exercise));
    QCOMPARE(QApplication::focusWidget(), exercise->findChild<QWidget *>(u"Text2"_s));
    QVERIFY(ZOR_IGE11::hatterWindow()->isVisible());
}

void TestProgram::leavingAnExerciseBringsAFreshMainMenu()
{
    for (const QString &leave : {u"Salir"_s, u"close"_s}) {
        hover(ZOR_IGE11::alapWindow()->findChild<QWidget *>(u"Label1_0"_s)); // Qt drops non-moves
        hover(ZOR_IGE11::alapWindow()->findChild<QWidget *>(u"Command1"_s));
        QCOMPARE(labelText(ZOR_IGE11::alapWindow(), u"Label3"_s), ui::hints::kMainMenuExit);
        ZOR_IGE11::alapWindow()->findChild<AniPushButton *>(u"AniButton13"_s)->click();
        processDeletions();
        ui::ExerciseWindow *exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[1]);
        QTest::mouseClick(exercise->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
        if (leave == u"Salir")
            QTest::mouseClick(exercise->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
        else
            exercise->close();
        processDeletions();
        QCOMPARE(loadedMenuAndExerciseWindows(), 1);
        QVERIFY(ZOR_IGE11::alapWindow()->isVisible());
        QVERIFY(labelText(ZOR_IGE11::alapWindow(), u"Label3"_s).isEmpty());
        QVERIFY(ZOR_IGE11::hatterWindow()->isVisible());
    }
}

void TestProgram::mainMenuHints()
{
    ui::alap *menu = ZOR_IGE11::alapWindow();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QString hint = u"Label3"_s;
    for (const MainMenuButton &row : kMainMenuButtons) {
        const ui::ExerciseProfile &profile = ui::kExerciseProfiles[row.window];
        const QString expected =
            profile.group.sets[setIndex(profile, row.setButton)].mainMenuHint.toString();
        auto *button = menu->findChild<QWidget *>(QString::fromLatin1(row.button));
        hover(button);
        QCOMPARE(labelText(menu, hint), expected);
        QCOMPARE(button->accessibleDescription(), expected);
    }
    QCOMPARE(labelText(menu, hint),
             u"Unidad 12, ejercicios 9 y 10: Imperativo, Presente de Indicativo y Subjuntivo "
             u"(verbos regulares e irregulares)"_s);
    // A sub-title has no handler: the last hint stays.
    hover(menu->findChild<QWidget *>(u"Label1_3"_s));
    QVERIFY(labelText(menu, hint).startsWith(u"Unidad 12"_s));
    hover(menu->centralWidget(), QPoint(3, menu->centralWidget()->height() / 2));
    // The surface hint puts the credit on the next line of the hint line with 48 blanks.
    const QString surface = labelText(menu, hint);
    QCOMPARE(surface, menu->centralWidget()->accessibleDescription());
    QVERIFY(surface.startsWith(u"Las cifras indican las unidades y los ejercicios del libro de "
                               u"ejercicios gramaticales de español:"_s +
                               QString(48, u' ')));
    QVERIFY(!surface.at(surface.indexOf(u':') + 49).isSpace());
    hover(menu->findChild<QWidget *>(u"Command1"_s));
    QCOMPARE(labelText(menu, hint), u"Para salir del programa pulse aquí."_s);
    QCOMPARE(menu->findChild<QWidget *>(u"Command1"_s)->accessibleDescription(),
             labelText(menu, hint));
}

void TestProgram::noControlIsClipped()
{
    QList<QMainWindow *> windows{ZOR_IGE11::alapWindow()};
    for (const ui::ExerciseProfile &profile : ui::kExerciseProfiles) {
        windows.append(ZOR_IGE11::showExerciseWindow(profile));
        windows.append(ZOR_IGE11::alapWindow() ? nullptr : ZOR_IGE11::showAlap());
    }
    for (QMainWindow *window : windows) {
        if (!window)
            continue;
        const QRect client = window->centralWidget()->rect();
        for (QWidget *control :
             window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(client.contains(control->geometry()),
                     qPrintable(window->objectName() + u' ' + control->objectName()));
        }
    }
}

void TestProgram::helpMessages()
{
    ZOR_IGE11::alapWindow()->findChild<QAction *>(u"como"_s)->trigger();
    ui::sobre::openAbout();
    ZOR_IGE11::sobreWindow()->findChild<QToolButton *>(u"Image2"_s)->click();
    QCOMPARE(m_feedback.events.size(), 2);
    QCOMPARE(m_feedback.icons, (QList<drill::MessageIcon>{drill::MessageIcon::Information,
                                                          drill::MessageIcon::Information}));

    const QString keyboard = m_feedback.events[0].section(u" | "_s, 1);
    QVERIFY(m_feedback.events[0].startsWith(u"Cómo ... | "_s));
    const QStringList lines = keyboard.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 10);
    QVERIFY(!keyboard.contains(u'\n') || keyboard.count(u'\n') == keyboard.count(u"\r\n"_s));
    const QString keys = u"'; `\\/[@#"_s.remove(u' ');
    const QString letters = u"áéíóúñ¡¿"_s;
    for (int k = 0; k < 8; ++k) {
        const QString expected =
            QString(16, u' ') + letters[k] + u" = "_s + keys[k] + (k == 7 ? u" ."_s : u" "_s);
        QCOMPARE(lines[k + 1], expected);
    }
    QVERIFY(lines[9].contains(u"español o  húngaro"_s));

    QVERIFY(m_feedback.events[1].startsWith(u"Mi ez? | "_s));
    const QStringList info = m_feedback.events[1].section(u" | "_s, 1).split(u"\r\n"_s);
    QCOMPARE(info.size(), 4);
    QVERIFY(!info[0].startsWith(u' ') && info[0].endsWith(u':'));
    QVERIFY(info[1].startsWith(QString(6, u' ')) && info[1][6] != u' ');
    QVERIFY(info[2].startsWith(QString(14, u' ')) && info[2][14] != u' ');
    QVERIFY(info[3].startsWith(QString(15, u' ') + u"E-mail: "_s));
    QVERIFY(info[3].endsWith(u"@example.org"_s));
    QVERIFY(!m_feedback.events[1].contains(u'õ') && !m_feedback.events[1].contains(u'û'));
}

void TestProgram::exitEndsAtOnceEvenWithAboutOpen()
{
    ui::sobre::openAbout();
    ZOR_IGE11::splashDone = 0; // would become 1 if the About window's unload handler ran
    QTest::mouseClick(ZOR_IGE11::alapWindow()->findChild<QPushButton *>(u"Command1"_s),
                      Qt::LeftButton);
    QCOMPARE(m_quits, 1);
    QCOMPARE(ZOR_IGE11::splashDone, 0);
    processDeletions();
    QVERIFY(!ZOR_IGE11::hatterWindow() && !ZOR_IGE11::sobreWindow() && !ZOR_IGE11::alapWindow());
    ZOR_IGE11::start(m_host); // leave the program in the state cleanup expects
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
}

namespace {

// Opens a real message box with open(); waitMs later, while it is up over its window, runs
// whileOpen and closes it.
void underRealMessageBox(ui::Host &host, const std::function<void()> &open,
                         QPointer<QWidget> window, int waitMs,
                         const std::function<void()> &whileOpen)
{
    drill::Feedback *recorder = std::exchange(host.feedback, nullptr);
    QTimer::singleShot(waitMs, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box && box->parentWidget() == window);
        whileOpen();
        if (QPointer<QWidget> open = QApplication::activeModalWidget())
            qobject_cast<QMessageBox *>(open)->accept();
    });
    open();
    host.feedback = recorder;
}

} // namespace

void TestProgram::anOpenMessageBoxHoldsTheProgramStill()
{
    ZOR_IGE11::endProgram();
    processDeletions();
    ZOR_IGE11::splashDone = 0;
    ZOR_IGE11::start(m_host);
    QPointer<ui::sobre> sobre = ZOR_IGE11::sobreWindow();
    const auto clickImage2 = [&sobre] { sobre->findChild<QToolButton *>(u"Image2"_s)->click(); };
    QString whileOpen;
    const auto state = [&] {
        return u"%1 %2"_s.arg(ZOR_IGE11::alapWindow() ? u"menu"_s : u"splash"_s)
            .arg(sobre ? sobre->frame() : -1);
    };

    // "Mi ez?" during the splash: past the hand-over's tick the splash and its animation stand
    // still, and the main menu follows once the box is closed. A screen reader reads the box as
    // an alert, with its text.
    QString alert;
    underRealMessageBox(m_host, clickImage2, sobre.data(), 650, [&] {
        whileOpen = state();
        QAccessibleInterface *box =
            QAccessible::queryAccessibleInterface(QApplication::activeModalWidget());
        alert = box->role() == QAccessible::AlertMessage ? box->text(QAccessible::Value) : u""_s;
    });
    QCOMPARE(whileOpen, u"splash 0"_s);
    QCOMPARE(alert, ui::helptexts::kInformation.toString().replace(u"\r\n"_s, u"\n"_s));
    QTRY_VERIFY(ZOR_IGE11::alapWindow() && !sobre);

    ui::sobre::openAbout();
    sobre = ZOR_IGE11::sobreWindow();
    sobre->Timer2_Timer();
    underRealMessageBox(m_host, clickImage2, sobre.data(), 650, [&] { whileOpen = state(); });
    QCOMPARE(whileOpen, u"menu 1"_s);
    sobre->close();
    processDeletions();

    // A main-menu button pressed under an open box, as an assistive technology can: the menu
    // stays until the box is closed.
    ui::alap *menu = ZOR_IGE11::alapWindow();
    const auto como = [&menu] { menu->findChild<QAction *>(u"como"_s)->trigger(); };
    underRealMessageBox(m_host, como, menu, 50, [&] {
        menu->findChild<AniPushButton *>(u"AniButton14"_s)->click();
        processDeletions();
        whileOpen = state();
    });
    QCOMPARE(whileOpen, u"menu -1"_s);
    QTRY_VERIFY(!ZOR_IGE11::alapWindow());
    ui::ExerciseWindow *exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[1]);
    QVERIFY(exercise);

    // A box goes with its window, should the window go while the box is open.
    const auto help = [exercise] { exercise->findChild<QPushButton *>(u"Command4"_s)->click(); };
    underRealMessageBox(m_host, help, exercise, 50, [exercise] { delete exercise; });
    QVERIFY(!QApplication::activeModalWidget());

    // "&Cerrar" pressed under a box ends the program once the box is closed.
    menu = ZOR_IGE11::showAlap();
    m_quits = 0;
    underRealMessageBox(m_host, como, menu, 50, [&] {
        menu->findChild<QPushButton *>(u"Command1"_s)->click();
        processDeletions();
        QCOMPARE(m_quits, 0);
        QVERIFY(ZOR_IGE11::alapWindow() && ZOR_IGE11::hatterWindow());
    });
    QTRY_COMPARE(m_quits, 1);
    ZOR_IGE11::start(m_host); // leave the program in the state cleanup expects
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
