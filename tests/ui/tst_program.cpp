#include "alap.h"
#include "exercisewindow.h"
#include "expected.h"
#include "hatter.h"
#include "pointer.h"
#include "realboxes.h"
#include "recordingfeedback.h"
#include "sobre.h"
#include "stacking.h"
#include "testmain.h"
#include "widgets/anipushbutton.h"
#include "zor_ige11.h"

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using testsupport::hover;
using testsupport::shownText;
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

QString setButtonOf(const expected::Set &set)
{
    return QString::fromLatin1(set.button);
}

// The real message boxes that open() opens, the program's own feedback set aside meanwhile.
bool underRealMessageBoxes(ui::Host &host, const std::function<void()> &open,
                           QPointer<QWidget> window, const QList<std::function<void()>> &whileOpen)
{
    drill::Feedback *recorder = std::exchange(host.feedback, nullptr);
    const auto restore = qScopeGuard([&] { host.feedback = recorder; });
    return testsupport::underRealMessageBoxes(open, window, whileOpen);
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
    void everyWindowAsDrawn();
    void helpMessages();
    void exitEndsAtOnceEvenWithAboutOpen();
    void anOpenMessageBoxHoldsTheProgramStill();
    void heldWorkWaitsThroughTwoBoxes();

private:
    testsupport::RecordingFeedback m_feedback;
    int m_quits = 0;
    ui::Host m_host{&m_feedback, drill::randomDrawIndex(), [this] { ++m_quits; }};
};

void TestProgram::initTestCase()
{
    QVERIFY(testsupport::parkPointer());
}

void TestProgram::init()
{
    ZOR_IGE11::splashDone = 0;
    m_feedback.clear();
    m_host.feedback = &m_feedback;
    m_host.drawIndex = drill::randomDrawIndex();
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
    QVERIFY(testsupport::staysOnTop(splash));
    QVERIFY(testsupport::centredByItsFrame(splash));
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
    QVERIFY(testsupport::staysOnTop(prepared));
    QVERIFY(testsupport::centredByItsFrame(prepared));
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
    QTest::addColumn<int>("row");
    for (const expected::Set &set : expected::kSets)
        QTest::newRow(set.menuButton) << int(&set - expected::kSets);
}

void TestProgram::everyMainMenuButtonOpensItsSet()
{
    QFETCH(int, row);
    const expected::Set &chosen = expected::kSets[row];

    auto *aniButton =
        ZOR_IGE11::alapWindow()->findChild<AniPushButton *>(QString::fromLatin1(chosen.menuButton));
    QVERIFY(aniButton);
    aniButton->setFocus();
    QTest::keyClick(aniButton, Qt::Key_Space);
    processDeletions();

    QVERIFY(!ZOR_IGE11::alapWindow());
    QCOMPARE(loadedMenuAndExerciseWindows(), 1);
    ui::ExerciseWindow *exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[chosen.window]);
    QVERIFY(exercise && exercise->isVisible());
    QCOMPARE(exercise->objectName(), u"zor_ige%1"_s.arg(chosen.window + 1));
    for (const expected::Set &set : expected::kSets) {
        if (set.window == chosen.window)
            QCOMPARE(exercise->findChild<QPushButton *>(setButtonOf(set))->isEnabled(),
                     &set != &chosen);
    }
    QVERIFY(exercise->findChild<QPushButton *>(u"Command1"_s)->isEnabled());
    QCOMPARE(labelText(exercise, u"Label1"_s), chosen.menuCodeLabel.toString());
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
        QCOMPARE(labelText(ZOR_IGE11::alapWindow(), u"Label3"_s),
                 u"Para salir del programa pulse aquí."_s);
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
    for (const expected::Set &set : expected::kSets) {
        auto *button = menu->findChild<QWidget *>(QString::fromLatin1(set.menuButton));
        hover(button);
        QCOMPARE(labelText(menu, hint), set.menuHint.toString());
        QCOMPARE(button->accessibleDescription(), set.menuHint.toString());
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

// Every window of the program, as it is drawn: no control cut by the window's edge, and no widget
// in the bitmap "MS Sans Serif", which Windows has in a few sizes for 96 dots per inch only (jagged
// at 125 to 200 %), whichever style sheet gives it: the window's own or a control's.
void TestProgram::everyWindowAsDrawn()
{
    ui::sobre::openAbout();
    QList<QMainWindow *> windows{ZOR_IGE11::alapWindow(), ZOR_IGE11::sobreWindow()};
    for (const ui::ExerciseProfile &profile : ui::kExerciseProfiles)
        windows.append(ZOR_IGE11::showExerciseWindow(profile));
    const bool onWindows = QSysInfo::productType() == u"windows";
    for (QMainWindow *window : std::as_const(windows)) {
        const QRect client = window->centralWidget()->rect();
        for (QWidget *control :
             window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(client.contains(control->geometry()),
                     qPrintable(window->objectName() + u' ' + control->objectName()));
        }
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *widget : std::as_const(widgets)) {
            widget->ensurePolished();
            // Windows resolves the family asked for; elsewhere the family found is the question.
            const QString family =
                onWindows ? widget->font().family() : QFontInfo(widget->font()).family();
            QVERIFY2(family != u"MS Sans Serif",
                     qPrintable(window->objectName() + u' ' + widget->objectName()));
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
    // A tick that falls due under a box stops its timer until the box has gone.
    const auto heldTicks = [&sobre] { return timers(sobre).isEmpty(); };

    // "Mi ez?" during the splash: the hand-over's tick and the animation's stand still, and the
    // main menu follows once the box is closed. A screen reader reads the box as an alert, with
    // its text.
    QString alert;
    if (!underRealMessageBoxes(m_host, clickImage2, sobre.data(), {[&] {
                                   QTRY_VERIFY(heldTicks());
                                   whileOpen = state();
                                   QAccessibleInterface *box =
                                       QAccessible::queryAccessibleInterface(
                                           QApplication::activeModalWidget());
                                   QCOMPARE(box->role(), QAccessible::AlertMessage);
                                   alert = box->text(QAccessible::Value);
                                   QCOMPARE(alert, shownText());
                                   QVERIFY(testsupport::shownWith(QMessageBox::Information));
                               }}))
        return;
    QCOMPARE(whileOpen, u"splash 0"_s);
    QVERIFY(alert.contains(u"\n               E-mail: "_s));
    QTRY_VERIFY(ZOR_IGE11::alapWindow() && !sobre);

    ui::sobre::openAbout();
    sobre = ZOR_IGE11::sobreWindow();
    sobre->Timer2_Timer();
    if (!underRealMessageBoxes(m_host, clickImage2, sobre.data(), {[&] {
                                   QTRY_VERIFY(heldTicks());
                                   whileOpen = state();
                               }}))
        return;
    QCOMPARE(whileOpen, u"menu 1"_s);
    sobre->close();
    processDeletions();

    // A main-menu button pressed under an open box, as an assistive technology can: the menu
    // stays until the box is closed.
    ui::alap *menu = ZOR_IGE11::alapWindow();
    const auto como = [&menu] { menu->findChild<QAction *>(u"como"_s)->trigger(); };
    if (!underRealMessageBoxes(m_host, como, menu, {[&] {
                                   menu->findChild<AniPushButton *>(u"AniButton14"_s)->click();
                                   processDeletions();
                                   whileOpen = state();
                               }}))
        return;
    QCOMPARE(whileOpen, u"menu -1"_s);
    QTRY_VERIFY(!ZOR_IGE11::alapWindow());
    ui::ExerciseWindow *exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[1]);
    QVERIFY(exercise);

    // A box goes with its window, should the window go while the box is open.
    const auto help = [exercise] { exercise->findChild<QPushButton *>(u"Command4"_s)->click(); };
    if (!underRealMessageBoxes(m_host, help, exercise, {[exercise] { delete exercise; }}))
        return;
    QVERIFY(!QApplication::activeModalWidget());

    // "&Cerrar" pressed under a box ends the program once the box is closed.
    menu = ZOR_IGE11::showAlap();
    m_quits = 0;
    if (!underRealMessageBoxes(m_host, como, menu, {[&] {
                                   menu->findChild<QPushButton *>(u"Command1"_s)->click();
                                   processDeletions();
                                   QCOMPARE(m_quits, 0);
                                   QVERIFY(ZOR_IGE11::alapWindow() && ZOR_IGE11::hatterWindow());
                               }}))
        return;
    QTRY_COMPARE(m_quits, 1);
    ZOR_IGE11::start(m_host); // leave the program in the state cleanup expects
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
}

// The capital warning and then the wrong answer, two boxes in a row: what falls due under the
// first (the About window's animation, the exercise window's unload) waits through the second.
void TestProgram::heldWorkWaitsThroughTwoBoxes()
{
    ui::sobre::openAbout();
    QPointer<ui::sobre> about = ZOR_IGE11::sobreWindow();
    m_host.feedback = nullptr;                         // the exercise window opens real boxes
    m_host.drawIndex = testsupport::scriptedDraw({3}); // "Preparo la comida.": the gap opens it
    ZOR_IGE11::alapWindow()->findChild<AniPushButton *>(u"AniButton9"_s)->click();
    processDeletions();
    QPointer<ui::ExerciseWindow> exercise = ZOR_IGE11::exerciseWindow(ui::kExerciseProfiles[0]);
    QTest::mouseClick(exercise->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QTest::keyClicks(exercise->findChild<QWidget *>(u"Text2"_s), u"preparx"_s);
    const int frame = about->frame();
    const auto submit = [&] {
        QTest::mouseClick(exercise->findChild<QPushButton *>(u"Command2"_s), Qt::LeftButton);
    };
    QPointer<QWidget> first;
    const auto held = [&] {
        QVERIFY(exercise && exercise->isVisible());
        QCOMPARE(about->frame(), frame);
        QVERIFY(timers(about).isEmpty());
    };
    if (!underRealMessageBoxes(
            m_host, submit, exercise.data(),
            {[&] {
                 QCOMPARE(shownText(), u"¡Atención a las mayúsculas!"_s);
                 QVERIFY(testsupport::shownWith(QMessageBox::Warning));
                 first = QApplication::activeModalWidget();
                 QTest::mouseClick(exercise->findChild<QPushButton *>(u"Command3"_s),
                                   Qt::LeftButton);
                 QTRY_VERIFY(timers(about).isEmpty()); // the animation's tick has fallen due
                 held();
             },
             [&] {
                 QCOMPARE(shownText(), u"No es correcto. Vuelva a probarlo."_s);
                 QVERIFY(testsupport::shownWith(QMessageBox::Warning));
                 // Once the first box has gone, and what its going set off has run.
                 QTRY_VERIFY(!first);
                 QCoreApplication::processEvents();
                 held();
             }}))
        return;
    // With no box open the held work runs: the window goes, the animation goes on.
    QTRY_VERIFY(!exercise);
    QTRY_COMPARE(about->frame(), (frame + 1) % 3);
    QVERIFY(ZOR_IGE11::alapWindow());
}

ZOR_TEST_MAIN(TestProgram)
#include "tst_program.moc"
