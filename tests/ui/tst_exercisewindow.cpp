#include "exercisewindow.h"
#include "fonts.h"
#include "helptexts.h"
#include "hints.h"
#include "messages.h"
#include "recordingfeedback.h"
#include "typing.h"
#include "zor_ige11.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;
using testsupport::RecordingFeedback;
using ui::ExerciseWindow;

namespace {

const QString kEnd = testsupport::messageEvent(drill::kEndTitle, drill::kEndMessage);
const QString kWrong = testsupport::messageEvent(drill::kWrongAnswerTitle, drill::kWrongAnswer);

struct Window
{
    explicit Window(int profile, drill::DrawIndex draw = drill::randomDrawIndex())
        : window(new ExerciseWindow(
              ui::kExerciseProfiles[profile], [this] { ++mainMenuShown; }, &feedback,
              std::move(draw)))
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
    QString hintLine() const { return find<QLabel>(window->profile().hintLine.toString())->text(); }
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
    void hover(const QString &name) const
    {
        QWidget *widget = find(name);
        QTest::mouseMove(widget, widget->rect().center());
    }
    void typeAndEnter(const QString &keys) const
    {
        answerBox()->setFocus();
        QTest::keyClicks(answerBox(), keys);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }

    RecordingFeedback feedback;
    int mainMenuShown = 0; // times the window went back to the main menu
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
    void onTopToggle_data();
    void onTopToggle();
    void leavingBringsBackTheMainMenu_data();
    void leavingBringsBackTheMainMenu();
    void helpMessage_data();
    void helpMessage();
    void answerBoxConvertsTypedKeysOnly();
    void enterAndFocusForTheKeyboard();
    void windowsFontsResolveToMetricTwins();
    void hostileUse();
    void closingWhileAMessageIsOpen();
};

void TestExerciseWindow::initTestCase()
{
    ui::registerFontSubstitutions();
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

    for (int pass = 0; pass < 2; ++pass) {
        QTest::keyClick(w.find(u"Command1"_s), Qt::Key_Space);
        QVERIFY(w.find(u"Command2"_s)->isVisible());
        QVERIFY(w.find(w.window->profile().solutionButton.toString())->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.answerBox());
        for (int k = 0; k < items; ++k) {
            QVERIFY(!w.feedback.events.contains(kEnd));
            const auto &item =
                w.window->engine().state().items.item(w.window->engine().state().currentItem);
            QCOMPARE(w.find<QLabel>(u"Label6"_s)->text(), item.textBefore.toString() + u' ');
            QCOMPARE(w.find<QLabel>(u"Label9"_s)->text(), item.infinitive.toString());
            w.typeAndEnter(testsupport::keysFor(w.currentAnswer()));
        }
        QCOMPARE(w.feedback.events, (QStringList{u"beep"_s, kEnd}));
        auto *command1 = w.find<QPushButton>(u"Command1"_s);
        QCOMPARE(command1->text(), u"&Recomenzar"_s);
        QVERIFY(command1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), command1);
        QCOMPARE(w.find<QPlainTextEdit>(u"Text5"_s)->toPlainText(),
                 w.window->engine().state().runningText);
        QCOMPARE(w.find<QPlainTextEdit>(u"Text5"_s)->textCursor().position(),
                 int(w.window->engine().state().runningText.size()));
        QVERIFY(!w.find(w.window->profile().solutionButton.toString())->isVisible());

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
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");

    const QString unchanged = u"<unchanged>"_s;
    const char *names[] = {"zor_ige1", "zor_ige2", "zor_ige3"};
    const auto hintOfSet = [](int p, int set) {
        return ui::kExerciseProfiles[p].group.sets[set].hint.toString();
    };
    for (int p = 0; p < 3; ++p) {
        auto row = [&](const char *control, const QString &hint) {
            QTest::addRow("%s %s", names[p], control) << p << QString::fromLatin1(control) << hint;
        };
        row("Command1", ui::hints::kStart.toString());
        row("Command3", ui::hints::kLeave.toString());
        row("Command4", ui::hints::kHelp.toString());
        row("Label1", hintOfSet(p, 0));
        row("Label2", hintOfSet(p, 0));
        row("Label8", ui::hints::kPerson.toString());
        row("Label9", ui::hints::kInfinitive.toString());
        row("Text2", ui::hints::kAnswerBox.toString());
        row("Label4", unchanged);
        row("Label6", unchanged);
        row("Label7", unchanged);
        row("centralwidget", QString());
        row("Command5", QString()); // disabled: the move belongs to the window
        row("Text5", p == 1 ? QString() : unchanged);
    }
    QTest::newRow("zor_ige1 another set") << 0 << u"Command11"_s << hintOfSet(0, 6);
    QTest::newRow("zor_ige2 another set") << 1 << u"Command8"_s << hintOfSet(1, 3);
    QTest::newRow("zor_ige3 another set") << 2 << u"Command10"_s << hintOfSet(2, 2);
}

void TestExerciseWindow::hintLine()
{
    QFETCH(int, profile);
    QFETCH(QString, control);
    QFETCH(QString, hint);

    Window w(profile);
    w.chooseFromMainMenu(u"Command5");
    w.hover(u"Command3"_s);
    w.hover(u"Command4"_s);
    QCOMPARE(w.hintLine(), ui::hints::kHelp.toString());
    if (control == u"centralwidget") {
        QTest::mouseMove(w.find(control), QPoint(2, 50)); // left of the code label
    } else {
        w.hover(control);
    }
    QCOMPARE(w.hintLine(), hint == u"<unchanged>" ? ui::hints::kHelp.toString() : hint);
}

void TestExerciseWindow::onTopToggle_data()
{
    QTest::addColumn<int>("profile");
    QTest::newRow("zor_ige1") << 0;
    QTest::newRow("zor_ige2") << 1;
    QTest::newRow("zor_ige3") << 2;
}

void TestExerciseWindow::onTopToggle()
{
    QFETCH(int, profile);
    Window w(profile);
    auto *onTop = w.find<QAction>(u"mnuOntop"_s);
    QVERIFY(onTop->isChecked());
    QVERIFY(w.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect geometry = w.window->geometry();
    // The same native window stays shown all along: no flicker, no new taskbar entry.
    QSignalSpy hidden(w.window->windowHandle(), &QWindow::visibleChanged);
    QSignalSpy checkMarks(onTop, &QAction::toggled); // once a choice

    onTop->trigger();
    QVERIFY(!onTop->isChecked());
    QVERIFY(!w.window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.window->size(), geometry.size());

    onTop->trigger();
    QVERIFY(onTop->isChecked());
    QVERIFY(w.window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.window->size(), geometry.size());
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

void TestExerciseWindow::helpMessage_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("text");
    QTest::newRow("zor_ige1") << 0 << ui::helptexts::kExerciseHelpBilingual.toString();
    QTest::newRow("zor_ige2") << 1 << ui::helptexts::kExerciseHelp.toString();
    QTest::newRow("zor_ige3") << 2 << ui::helptexts::kExerciseHelp.toString();
}

void TestExerciseWindow::helpMessage()
{
    QFETCH(int, profile);
    QFETCH(QString, text);
    Window w(profile);
    w.click(u"Command4"_s);
    QCOMPARE(w.feedback.events, QStringList(testsupport::messageEvent(u"Ayuda", text)));
    QCOMPARE(w.feedback.icons, QList<drill::MessageIcon>{drill::MessageIcon::Information});
    QVERIFY(text.startsWith(profile == 0 ? u"      Para comenzar"_s : u"Para comenzar"_s));
    QCOMPARE(text.contains(u"\r\n\r\n      A \"Comenzar\" gombra"_s), profile == 0);
}

void TestExerciseWindow::answerBoxConvertsTypedKeysOnly()
{
    Window w(0);
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

void TestExerciseWindow::enterAndFocusForTheKeyboard()
{
    Window w(0, testsupport::scriptedDraw({0, 0}));
    // With Comenzar disabled at load, the answer box is the first control that takes the focus.
    QCOMPARE(QApplication::focusWidget(), w.answerBox());
    w.hover(u"Command4"_s);
    w.hover(u"Label1"_s); // no set chosen yet: the hint line keeps its text
    QCOMPARE(w.hintLine(), ui::hints::kHelp.toString());
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);
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
    w.click(w.window->profile().solutionButton.toString());
    QCOMPARE(QApplication::focusWidget(), w.answerBox());

    // On a button, Enter presses that button.
    auto *otherSet = w.find<QPushButton>(u"Command6"_s);
    otherSet->setFocus();
    QTest::keyClick(otherSet, Qt::Key_Return);
    QTRY_COMPARE(w.find<QLabel>(u"Label1"_s)->text(), u"3/11/a:"_s);
}

void TestExerciseWindow::windowsFontsResolveToMetricTwins()
{
    Window w(0);
    const auto resolved = [&w](const QString &control) {
        QWidget *widget = w.find(control);
        widget->ensurePolished();
        return QFontInfo(widget->font()).family();
    };
    QCOMPARE(resolved(u"Command1"_s), u"Liberation Sans"_s); // MS Sans Serif
    QCOMPARE(resolved(u"Label4"_s), u"Liberation Sans"_s);   // Arial
    QCOMPARE(resolved(u"Label9"_s), u"Liberation Serif"_s);  // Times New Roman
}

void TestExerciseWindow::hostileUse()
{
    Window w(1, testsupport::scriptedDraw({0, 0, 0}));
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
    w.click(u"Command7"_s);
    QCOMPARE(w.find<QLabel>(u"Label1"_s)->text(), u"10/13:"_s);
    QCOMPARE(w.hintLine(), ui::hints::kHelp.toString()); // a click leaves the hint line alone
    QVERIFY(w.answerBox()->text().isEmpty());
    QVERIFY(w.find<QPlainTextEdit>(u"Text5"_s)->toPlainText().isEmpty());
    QVERIFY(w.find<QLabel>(u"Label6"_s)->text().isEmpty());
    QVERIFY(w.find(u"Command1"_s)->isEnabled());
    QVERIFY(w.find(u"Command2"_s)->isVisible() && w.find(u"Command2"_s)->isEnabled());
    QVERIFY(w.find(u"Command10"_s)->isVisible());
    w.typeAndEnter(u"Empiezo"_s);
    QCOMPARE(w.feedback.events.last(), kWrong);
    w.click(u"Command1"_s);
    QCOMPARE(w.window->engine().state().currentItem, 43);
}

void TestExerciseWindow::closingWhileAMessageIsOpen()
{
    Window w(2);
    w.chooseFromMainMenu(u"Command5");
    w.click(u"Command1"_s);
    w.feedback.onMessage = [&] { w.window->close(); };
    w.typeAndEnter(u"Nada"_s); // capitalised: no warning even where the gap opens the sentence
    QCOMPARE(w.feedback.events, (QStringList{u"beep"_s, kWrong}));
    QTRY_VERIFY(w.window.isNull());
    QCOMPARE(w.mainMenuShown, 1);
}

QTEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
