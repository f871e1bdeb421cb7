#include "exercisewindow.h"
#include "expected.h"
#include "pointer.h"
#include "realboxes.h"
#include "recordingfeedback.h"
#include "stacking.h"
#include "testmain.h"
#include "typing.h"
#include "zor_ige11.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;
using testsupport::RecordingFeedback;
using ui::ExerciseWindow;

namespace {

const QString kEnd = testsupport::messageEvent(expected::kEndTitle, expected::kEndMessage);
const QString kWrong = testsupport::messageEvent(expected::kWrongTitle, expected::kWrongAnswer);

// Where the three windows' designs differ in the controls the drill drives.
struct Names
{
    const char *solution;
    const char *hintLine;
};
const Names kNames[] = {{"Command12", "Label3"}, {"Command10", "Label3"}, {"Command12", "Label5"}};

const expected::Set &setOf(int window, int position)
{
    return *std::ranges::find_if(expected::kSets, [&](const expected::Set &set) {
        return set.window == window && expected::setInWindow(set) == position;
    });
}

void eachWindow()
{
    QTest::addColumn<int>("profile");
    for (int p = 0; p < 3; ++p)
        QTest::addRow("zor_ige%d", p + 1) << p;
}

struct Window
{
    // With realBoxes, the window's own message boxes open instead of the recorder.
    explicit Window(int profile, drill::DrawIndex draw = drill::randomDrawIndex(),
                    bool realBoxes = false)
        : profile(profile)
        , window(new ExerciseWindow(
              ui::kExerciseProfiles[profile], [this] { ++mainMenuShown; },
              realBoxes ? nullptr : &feedback, std::move(draw)))
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    ~Window() { delete window; }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QLineEdit *answerBox() const { return find<QLineEdit>(u"Text2"_s); }
    QString solution() const { return QString::fromLatin1(kNames[profile].solution); }
    QString hintLine() const
    {
        return find<QLabel>(QString::fromLatin1(kNames[profile].hintLine))->text();
    }
    void chooseFromMainMenu(QStringView setButton) const
    {
        const auto buttons = window->profile().setButtons;
        window->chooseFromMainMenu(int(std::ranges::find(buttons, setButton) - buttons.begin()));
    }
    QString currentAnswer() const
    {
        const auto &state = window->engine().state();
        return state.items.item(state.currentItem).answer.toString();
    }
    void click(const QString &button) const
    {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    void hover(const QString &name) const { testsupport::hover(find(name)); }
    void typeAndEnter(const QString &keys) const
    {
        answerBox()->setFocus();
        QTest::keyClicks(answerBox(), keys);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }

    RecordingFeedback feedback;
    int mainMenuShown = 0; // times the window went back to the main menu
    int profile;
    QPointer<ExerciseWindow> window;
};

} // namespace

class TestExerciseWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void wholePassByKeyboard_data();
    void wholePassByKeyboard();
    void hintLine_data();
    void hintLine();
    void onTopToggle_data() { eachWindow(); }
    void onTopToggle();
    void leavingBringsBackTheMainMenu_data();
    void leavingBringsBackTheMainMenu();
    void helpMessage_data() { eachWindow(); }
    void helpMessage();
    void answerBoxConvertsTypedKeysOnly_data() { eachWindow(); }
    void answerBoxConvertsTypedKeysOnly();
    void capitalFixLeavesTheCaretAfterTheLetter_data() { eachWindow(); }
    void capitalFixLeavesTheCaretAfterTheLetter();
    void enterAndFocusForTheKeyboard_data() { eachWindow(); }
    void enterAndFocusForTheKeyboard();
    void windowsFontsResolveToMetricTwins_data() { eachWindow(); }
    void windowsFontsResolveToMetricTwins();
    void hostileUse_data() { eachWindow(); }
    void hostileUse();
    void closingWhileAMessageIsOpen_data() { eachWindow(); }
    void closingWhileAMessageIsOpen();
};

void TestExerciseWindow::initTestCase()
{
    QVERIFY(testsupport::parkPointer());
}

void TestExerciseWindow::wholePassByKeyboard_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("setButton");
    QTest::addColumn<QString>("codeLabel");
    QTest::addColumn<int>("items");
    QTest::newRow("zor_ige1 4/2/a") << 0 << u"Command8"_s << u"4/2/a:"_s << 6;
    QTest::newRow("zor_ige2 8/5") << 1 << u"Command6"_s << u"8/5:"_s << 22;
    QTest::newRow("zor_ige3 9+10") << 2 << u"Command10"_s << u"9 + 10:"_s << 79;
}

void TestExerciseWindow::wholePassByKeyboard()
{
    QFETCH(int, profile);
    QFETCH(QString, setButton);
    QFETCH(QString, codeLabel);
    QFETCH(int, items);

    Window w(profile);
    QVERIFY(!w.find(u"Command1"_s)->isEnabled());
    w.chooseFromMainMenu(setButton);
    QCOMPARE(w.find<QLabel>(u"Label1"_s)->text(), codeLabel);
    QVERIFY(!w.find(setButton)->isEnabled());
    // The imperative marker, a "!", shows in zor_ige3 only, for the items past 28.
    const auto marked = [&w] {
        const auto labels = w.window->findChildren<QLabel *>();
        return std::ranges::any_of(labels,
                                   [](QLabel *l) { return l->isVisible() && l->text() == u"!"; });
    };

    for (int pass = 0; pass < 2; ++pass) {
        QTest::keyClick(w.find(u"Command1"_s), Qt::Key_Space);
        QVERIFY(w.find(u"Command2"_s)->isVisible());
        QVERIFY(w.find(w.solution())->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.answerBox());
        for (int k = 0; k < items; ++k) {
            QVERIFY(!w.feedback.events.contains(kEnd));
            const int index = w.window->engine().state().currentItem;
            const auto &item = w.window->engine().state().items.item(index);
            QCOMPARE(w.find<QLabel>(u"Label6"_s)->text(), item.textBefore.toString() + u' ');
            QCOMPARE(w.find<QLabel>(u"Label9"_s)->text(), item.infinitive.toString());
            QCOMPARE(marked(), profile == 2 && index > 28);
            w.typeAndEnter(testsupport::keysFor(w.currentAnswer()));
        }
        QCOMPARE(w.feedback.events, (QStringList{u"beep"_s, kEnd}));
        auto *command1 = w.find<QPushButton>(u"Command1"_s);
        QCOMPARE(command1->text(), u"&Recomenzar"_s);
        QVERIFY(command1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), command1);
        // The whole running text, its caret at the end and the newest sentence in view.
        const auto *text5 = w.find<QPlainTextEdit>(u"Text5"_s);
        QCOMPARE(text5->toPlainText(), w.window->engine().state().runningText);
        QCOMPARE(text5->textCursor().position(), int(text5->toPlainText().size()));
        QVERIFY(text5->viewport()->rect().contains(text5->cursorRect()));
        QVERIFY(!w.find(w.solution())->isVisible());

        // Enter after the end of a pass presses nothing, however long it is held.
        w.feedback.clear();
        w.answerBox()->setFocus();
        for (int press = 0; press < 50; ++press)
            QTest::keyClick(w.answerBox(), Qt::Key_Return, Qt::NoModifier);
        QVERIFY(w.feedback.events.isEmpty());
    }
}

void TestExerciseWindow::hintLine_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("running"); // a pass under way
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint"); // null: the hint line keeps its text

    const QString empty = u""_s;
    for (int p = 0; p < 3; ++p) {
        auto row = [&](const char *control, const QString &hint, bool running = false) {
            QTest::addRow("zor_ige%d %s%s", p + 1, control, running ? " running" : "")
                << p << running << QString::fromLatin1(control) << hint;
        };
        row("Command1", u"Para comenzar/recomenzar el ejercicio, pulse aquí."_s);
        row("Command1", empty, true); // disabled: the move belongs to the window
        row("Command2", u"Para comprobar su solución y pasar a la oración siguente pulse aquí."_s,
            true);
        row(kNames[p].solution, u"Si quiere ver la solución correcta, pulse aquí."_s, true);
        row("Command3", u"Para terminar el ejercicio, pulse aquí."_s);
        row("Command4", u"Información sobre el uso del ejercicio."_s);
        row("Label8",
            u"La persona gramatical: 1 = (yo), 11 = (nosotros/as), 2 = (tú), 22 = (vosotros/as), "
            u"etc."_s);
        row("Label9", u"El infinitivo del verbo a usar."_s);
        row("Text2",
            u"Éste es el espacio donde debe entrar sus soluciones (el verbo conjugado)."_s);
        row("Label4", {});
        row("Label6", {}, true);
        row("Label7", {}, true);
        row(kNames[p].hintLine, {});
        row("centralwidget", empty);
        row("Text5", p == 1 ? empty : QString());
        // The window opens with its last set, the whole table, chosen; the other sets' buttons
        // show their own hints, the code label and the instruction the chosen set's.
        for (const expected::Set &set : expected::kSets) {
            if (set.window != p)
                continue;
            const bool chosen = &set + 1 == std::end(expected::kSets) || (&set + 1)->window != p;
            row(set.button, chosen ? empty : set.hint.toString());
            if (chosen) {
                row("Label1", set.hint.toString());
                row("Label2", set.hint.toString());
            }
        }
    }
    QTest::newRow("zor_ige3 imperative marker")
        << 2 << true << u"Label3"_s
        << u"Use el imperativo o el subjuntivo.  (Felszólítás, tiltás.)"_s;
}

void TestExerciseWindow::hintLine()
{
    QFETCH(int, profile);
    QFETCH(bool, running);
    QFETCH(QString, control);
    QFETCH(QString, hint);

    // The last item of the table comes first: in zor_ige3 it wants an imperative.
    const int last[] = {62, 66, 78};
    Window w(profile, testsupport::scriptedDraw({last[profile]}));
    w.chooseFromMainMenu(profile == 2 ? u"Command10" : profile == 1 ? u"Command9" : u"Command11");
    if (running)
        w.click(u"Command1"_s);
    // Another control's hint first, which a control without a hint of its own leaves in place.
    const QString before = control == u"Command3" ? u"Command4"_s : u"Command3"_s;
    w.hover(before == u"Command3" ? u"Command4"_s : u"Command3"_s);
    w.hover(before);
    const QString beforeHint = w.hintLine();
    QVERIFY(!beforeHint.isEmpty());
    if (control == u"centralwidget")
        testsupport::hover(w.find(control), QPoint(2, 50)); // left of the code label
    else
        w.hover(control);
    QCOMPARE(w.hintLine(), hint.isNull() ? beforeHint : hint);
}

void TestExerciseWindow::onTopToggle()
{
    QFETCH(int, profile);
    Window w(profile);
    // It opens in the middle of the screen by its outer frame, above all other windows.
    QVERIFY(testsupport::centredByItsFrame(w.window));
    auto *onTop = w.find<QAction>(u"mnuOntop"_s);
    QVERIFY(onTop->isChecked());
    QVERIFY(testsupport::staysOnTop(w.window));
    // The same native window stays shown all along, where it was: no flicker, no new taskbar
    // entry, no move. The window system and then Qt have dealt with each change before the look.
    const QRect frame = testsupport::nativeFrame(w.window);
    const QRect geometry = w.window->geometry();
    QSignalSpy hidden(w.window->windowHandle(), &QWindow::visibleChanged);
    QSignalSpy checkMarks(onTop, &QAction::toggled); // once a choice
    for (const bool topmost : {false, true}) {
        onTop->trigger();
        QCOMPARE(onTop->isChecked(), topmost);
        QCOMPARE(testsupport::staysOnTop(w.window), topmost);
        QCoreApplication::processEvents();
        QVERIFY(w.window->isVisible());
        QCOMPARE(testsupport::nativeFrame(w.window), frame);
        QCOMPARE(w.window->geometry(), geometry);
    }
    QCOMPARE(hidden.count(), 0);
    QCOMPARE(checkMarks.count(), 2);
}

void TestExerciseWindow::leavingBringsBackTheMainMenu_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("bySalir");
    for (int p = 0; p < 3; ++p) {
        QTest::addRow("zor_ige%d Salir", p + 1) << p << true;
        QTest::addRow("zor_ige%d close", p + 1) << p << false;
    }
}

void TestExerciseWindow::leavingBringsBackTheMainMenu()
{
    QFETCH(int, profile);
    QFETCH(bool, bySalir);
    Window w(profile);
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);
    if (bySalir)
        w.click(u"Command3"_s);
    else
        w.window->close();
    QVERIFY(w.mainMenuShown >= 1);
    QTRY_VERIFY(w.window.isNull());
}

void TestExerciseWindow::helpMessage()
{
    QFETCH(int, profile);
    const QString spanish =
        u"Para comenzar el ejercicio, pulse sobre el botón \"Comenzar\" . Ponga la forma correcta "
        u"del primer verbo, luego - para controlar su solución y pasar a la oración siguiente- "
        u"pulse sobre \"Enter\" o sobre el botón \"Siguiente\".  Para recibir información sobre "
        u"el uso de las letras acentuadas, en caso de necesidad, consulte \"Ayuda/Cómo ...\" en el "
        u"menú principal."_s;
    // zor_ige1's: six blanks, the pink box named, "para comprobar"; an empty line, Hungarian.
    const QString bilingual =
        u"      "_s +
        QString(spanish).replace(u"verbo, luego - para controlar"_s,
                                 u"verbo (en la casilla rosa), luego -para comprobar"_s) +
        u"\r\n\r\n      A \"Comenzar\" gombra kattintva indítsa el a gyakorlatot! Írja be a "
        u"megoldását a megfelelő (rózsaszín) mezőbe, majd nyomja le az \"Enter\" billentyűt, vagy "
        u"kattintson a \"Siguiente\" gombra! Ha a megoldása helyes volt, továbblép a következő "
        u"mondatra, ellenkező esetben ki kell javítania, mielőtt továbbléphet. Szükség esetén a "
        u"Főmenü \"Ayuda/Cómo ...\" pontjában megtalálja a speciális spanyol betűkre (hangsúly "
        u"stb.) vonatkozó információkat."_s;
    Window w(profile);
    w.click(u"Command4"_s);
    QCOMPARE(w.feedback.events,
             QStringList(testsupport::messageEvent(u"Ayuda", profile == 0 ? bilingual : spanish)));
    QCOMPARE(w.feedback.icons, QList<drill::MessageIcon>{drill::MessageIcon::Information});
}

void TestExerciseWindow::answerBoxConvertsTypedKeysOnly()
{
    QFETCH(int, profile);
    Window w(profile);
    QTest::keyClicks(w.answerBox(), u"est'a;`/\\[@#"_s);
    QCOMPARE(w.answerBox()->text(), u"estáaéíúóñ@#"_s);
    w.answerBox()->clear();
    w.answerBox()->insert(u"est'a;"_s); // as a paste does
    QCOMPARE(w.answerBox()->text(), u"est'a;"_s);
    // Text composed by the keyboard layout passes unchanged.
    QKeyEvent composed(QEvent::KeyPress, 0, Qt::NoModifier, u"ñ"_s);
    QApplication::sendEvent(w.answerBox(), &composed);
    QCOMPARE(w.answerBox()->text(), u"est'a;ñ"_s);
    // AltGr arrives as Ctrl+Alt on some platforms and types the keys of many layouts.
    QTest::keyClick(w.answerBox(), ';', Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(w.answerBox()->text(), u"est'a;ñé"_s);
    QTest::keyClick(w.answerBox(), '[', Qt::AltModifier);
    QCOMPARE(w.answerBox()->text(), u"est'a;ñéñ"_s);

    // Hints shown while the pointer moves keep a selection in the box.
    w.answerBox()->setSelection(1, 3);
    w.hover(u"Label9"_s);
    w.hover(u"Text2"_s);
    QCOMPARE(w.answerBox()->selectedText(), u"st'"_s);
}

// The first letter of an answer that opens the sentence is replaced as a selection is, so a key
// typed under the warning lands after it; the wrong answer then puts the caret at the end.
void TestExerciseWindow::capitalFixLeavesTheCaretAfterTheLetter()
{
    QFETCH(int, profile);
    const expected::Set &set = setOf(profile, 0);
    const std::span<const content::DrillItem> items = ui::kExerciseProfiles[profile].group.items;
    int k = set.first;
    while (k < set.last && !items[k].textBefore.isEmpty())
        ++k;
    QVERIFY(items[k].textBefore.isEmpty());
    const QString answer = items[k].answer.toString();
    Window w(profile, testsupport::scriptedDraw({k - set.first}), true);
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);
    QTest::keyClicks(w.answerBox(), testsupport::keysFor(answer.left(1).toLower() + answer.mid(1)));
    const QString corrected = answer.left(1) + u'x' + answer.mid(1);
    if (!testsupport::underRealMessageBoxes(
            [&] { w.click(u"Command2"_s); }, w.window.data(),
            {[&] {
                 QCOMPARE(testsupport::shownText(), expected::kCapitalWarning);
                 QCOMPARE(w.answerBox()->text(), answer);
                 QTest::keyClick(w.answerBox(), 'x');
                 QCOMPARE(w.answerBox()->text(), corrected);
             },
             [&] { QCOMPARE(testsupport::shownText(), expected::kWrongAnswer); }}))
        return;
    QCOMPARE(w.answerBox()->text(), corrected);
    QCOMPARE(w.answerBox()->cursorPosition(), corrected.size());
}

void TestExerciseWindow::enterAndFocusForTheKeyboard()
{
    QFETCH(int, profile);
    Window w(profile, testsupport::scriptedDraw({0, 0}));
    // With Comenzar disabled at load, the answer box is the first control that takes the focus.
    QCOMPARE(QApplication::focusWidget(), w.answerBox());
    w.hover(u"Command4"_s);
    const QString help = w.hintLine();
    w.hover(u"Label1"_s); // no set chosen yet: the hint line keeps its text
    QCOMPARE(w.hintLine(), help);
    w.chooseFromMainMenu(u"Command5");
    // A click on Comenzar leaves the focus in the answer box all along, so a screen reader hears
    // the first sentence as the box's new name; the button takes the focus by Tab only.
    QTest::mousePress(w.find(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.answerBox());
    QTest::mouseRelease(w.find(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(w.window->engine().state().shownCount, qint16(1));
    w.answerBox()->setText(w.currentAnswer());

    // Enter on a control other than a button presses Siguiente.
    w.find(u"Text5"_s)->setFocus();
    QTest::keyClick(w.find(u"Text5"_s), Qt::Key_Return);
    QVERIFY(w.window->engine().state().items.isUsed(0));
    QCOMPARE(w.window->engine().state().shownCount, qint16(2));
    QCOMPARE(QApplication::focusWidget(), w.answerBox());
    // A wrong answer leaves the focus where it is; the solution brings it back to the answer box.
    w.answerBox()->setText(u"x"_s);
    w.find(u"Text5"_s)->setFocus();
    QTest::keyClick(w.find(u"Text5"_s), Qt::Key_Return);
    QCOMPARE(w.feedback.events.last(), kWrong);
    QCOMPARE(QApplication::focusWidget(), w.find(u"Text5"_s));
    w.click(w.solution());
    QCOMPARE(QApplication::focusWidget(), w.answerBox());
    QCOMPARE(w.feedback.events.last(),
             testsupport::messageEvent(expected::kSolutionTitles[profile],
                                       expected::kSolutionPrefix.toString() + w.currentAnswer()));

    // On a button, Enter presses that button: here the window's second set.
    auto *otherSet = w.find<QPushButton>(u"Command6"_s);
    otherSet->setFocus();
    QTest::keyClick(otherSet, Qt::Key_Return);
    QTRY_COMPARE(w.find<QLabel>(u"Label1"_s)->text(), setOf(profile, 1).codeLabel.toString());
}

void TestExerciseWindow::windowsFontsResolveToMetricTwins()
{
    QFETCH(int, profile);
    Window w(profile);
    // Windows has the designs' fonts and draws the bitmap "MS Sans Serif" as its TrueType
    // successor; elsewhere fonts of the same metrics stand in for them.
    const bool windows = QSysInfo::productType() == u"windows";
    const auto shown = [&](const QString &control) {
        QWidget *widget = w.find(control);
        widget->ensurePolished();
        return windows ? widget->font().family() : QFontInfo(widget->font()).family();
    };
    QCOMPARE(shown(u"Command1"_s), windows ? u"Microsoft Sans Serif"_s : u"Liberation Sans"_s);
    QCOMPARE(shown(u"Label4"_s), windows ? u"Arial"_s : u"Liberation Sans"_s);
    QCOMPARE(shown(u"Label9"_s), windows ? u"Times New Roman"_s : u"Liberation Serif"_s);
}

void TestExerciseWindow::hostileUse()
{
    QFETCH(int, profile);
    Window w(profile, testsupport::scriptedDraw({0, 0, 0}));
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);

    // A huge paste is judged like any other text.
    w.answerBox()->setText(QString(100000, u'a'));
    QTest::keyClick(w.answerBox(), Qt::Key_Return);
    QCOMPARE(w.feedback.events, (QStringList{u"beep"_s, kWrong}));

    // Switching sets mid-pass empties the window and keeps Siguiente and Solución usable.
    w.feedback.clear();
    w.answerBox()->setText(w.currentAnswer());
    w.hover(u"Command4"_s);
    const QString help = w.hintLine();
    w.click(u"Command6"_s);
    const expected::Set &second = setOf(profile, 1);
    QCOMPARE(w.find<QLabel>(u"Label1"_s)->text(), second.codeLabel.toString());
    QCOMPARE(w.hintLine(), help); // a click leaves the hint line alone
    QVERIFY(w.answerBox()->text().isEmpty());
    QVERIFY(w.find<QPlainTextEdit>(u"Text5"_s)->toPlainText().isEmpty());
    QVERIFY(w.find<QLabel>(u"Label6"_s)->text().isEmpty());
    QVERIFY(w.find(u"Command1"_s)->isEnabled());
    QVERIFY(w.find(u"Command2"_s)->isVisible() && w.find(u"Command2"_s)->isEnabled());
    QVERIFY(w.find(w.solution())->isVisible());
    w.typeAndEnter(w.currentAnswer());
    QCOMPARE(w.feedback.events.last(), kWrong);
    w.click(u"Command1"_s);
    QCOMPARE(w.window->engine().state().currentItem, second.first);
}

void TestExerciseWindow::closingWhileAMessageIsOpen()
{
    QFETCH(int, profile);
    Window w(profile);
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);
    w.feedback.onMessage = [&] { w.window->close(); };
    w.typeAndEnter(u"Nada"_s); // capitalised: no warning even where the gap opens the sentence
    QCOMPARE(w.feedback.events, (QStringList{u"beep"_s, kWrong}));
    QTRY_VERIFY(w.window.isNull());
    QCOMPARE(w.mainMenuShown, 1);
}

ZOR_TEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
