// Checks the designs of the three exercise windows against their layout tables: every control's
// kind, caption, place and size (in twips, as the layouts give them), state at load, font and
// colours; the window captions and client sizes, the tab order, the menu, and that the set
// buttons agree with the exercise catalogue the drill reads.
#include "designcheck.h"
#include "exercisewindow.h"
#include "expected.h"
#include "ui_zor_ige1.h"
#include "ui_zor_ige2.h"
#include "ui_zor_ige3.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace designcheck;

namespace {

// clang-format off
const Control kControls[] = {
    // zor_ige1
    {"zor_ige1", "Command1", "QPushButton", kCentral, u"&Comenzar", 0, 0, 1695, 495, Disabled, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 0},
    {"zor_ige1", "Command4", "QPushButton", kCentral, u"&Ayuda", 1680, 0, 855, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 6},
    {"zor_ige1", "Command3", "QPushButton", kCentral, u"&Salir", 2520, 0, 855, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 5},
    {"zor_ige1", "Label4", "QLabel", kCentral, u"Ejercicios:", 3360, 120, 1455, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kC, kNoTab},
    {"zor_ige1", "Label1", "QLabel", kCentral, u"", 120, 600, 975, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kR, kNoTab},
    {"zor_ige1", "Label2", "QLabel", kCentral, u"Complete con  la forma adecuada del verbo:", 1200, 600, 5055, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kL, kNoTab},
    {"zor_ige1", "Text5", "QPlainTextEdit", kCentral, u"", 240, 1080, 9135, 3255, Shown, u"Times New Roman", 12, true, kDefault, kDefault, kNone, 3},
    {"zor_ige1", "Label8", "QLabel", kCentral, u"", 3360, 4440, 495, 495, Shown, u"Arial", 14.25, true, kLightGreen, kBlack, kC, kNoTab},
    {"zor_ige1", "Label9", "QLabel", kCentral, u"", 3960, 4560, 1455, 375, Shown, u"Times New Roman", 12.75, true, kWhite, kRed, kC, kNoTab},
    {"zor_ige1", "Label6", "QLabel", kCentral, u"", 120, 5040, 3135, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kR, kNoTab},
    {"zor_ige1", "Text2", "QLineEdit", kCentral, u"", 3240, 5040, 2295, 420, Shown, u"Times New Roman", 12.75, true, kPink, kRed, kC, 1},
    {"zor_ige1", "Label7", "QLabel", kCentral, u"", 5520, 5040, 3855, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kL, kNoTab},
    {"zor_ige1", "Command2", "QPushButton", kCentral, u"Si&guiente", 3600, 5520, 1815, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 4},
    {"zor_ige1", "Command12", "QPushButton", kCentral, u"So&lución", 5520, 5520, 1455, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 20},
    {"zor_ige1", "Label3", "QLabel", kCentral, u"", 120, 6120, 9375, 375, Shown, u"Times New Roman", 12, true, kDarkGrey, kWhite, kC, kNoTab},
    {"zor_ige1", "Command5", "QPushButton", kCentral, u"2/&9", 4800, 0, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 11},
    {"zor_ige1", "Command6", "QPushButton", kCentral, u"3/11/&a", 5640, 0, 1095, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 8},
    {"zor_ige1", "Command7", "QPushButton", kCentral, u"3/11/&b", 6720, 0, 1095, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 9},
    {"zor_ige1", "Command8", "QPushButton", kCentral, u"&4/2/a", 7800, 0, 975, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 12},
    {"zor_ige1", "Command9", "QPushButton", kCentral, u"4/&2/b", 8760, 0, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 18},
    {"zor_ige1", "Command10", "QPushButton", kCentral, u"2&+3", 7680, 480, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 13},
    {"zor_ige1", "Command11", "QPushButton", kCentral, u"2+&3+4", 8520, 480, 1095, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 10},

    // zor_ige2
    {"zor_ige2", "Command1", "QPushButton", kCentral, u"&Comenzar", 0, 0, 1575, 495, Disabled, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 0},
    {"zor_ige2", "Command4", "QPushButton", kCentral, u"&Ayuda", 1560, 0, 1215, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 6},
    {"zor_ige2", "Command3", "QPushButton", kCentral, u"&Salir", 2760, 0, 1215, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 5},
    {"zor_ige2", "Label4", "QLabel", kCentral, u"Ejercicios:", 5160, 120, 1575, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kC, kNoTab},
    {"zor_ige2", "Label1", "QLabel", kCentral, u"", 120, 600, 735, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kR, kNoTab},
    {"zor_ige2", "Label2", "QLabel", kCentral, u"Complete con  la forma adecuada del verbo:", 1080, 600, 5175, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kL, kNoTab},
    {"zor_ige2", "Text5", "QPlainTextEdit", kCentral, u"", 240, 1080, 9135, 3255, Shown, u"Times New Roman", 12.75, true, kDefault, kDefault, kNone, 3},
    {"zor_ige2", "Label8", "QLabel", kCentral, u"", 3360, 4440, 495, 495, Shown, u"Times New Roman", 13.5, true, kLightGreen, kBlack, kC, kNoTab},
    {"zor_ige2", "Label9", "QLabel", kCentral, u"", 3960, 4560, 1455, 375, Shown, u"Times New Roman", 12.75, true, kWhite, kRed, kC, kNoTab},
    {"zor_ige2", "Label6", "QLabel", kCentral, u"", 120, 5040, 3255, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kR, kNoTab},
    {"zor_ige2", "Text2", "QLineEdit", kCentral, u"", 3360, 5040, 2295, 420, Shown, u"Times New Roman", 12.75, true, kPink, kRed, kC, 1},
    {"zor_ige2", "Label7", "QLabel", kCentral, u"", 5640, 5040, 3735, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kL, kNoTab},
    {"zor_ige2", "Command2", "QPushButton", kCentral, u"Si&guiente", 3600, 5520, 1695, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 4},
    {"zor_ige2", "Command10", "QPushButton", kCentral, u"So&lución", 5400, 5520, 1455, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 18},
    {"zor_ige2", "Label3", "QLabel", kCentral, u"", 120, 6120, 9375, 375, Shown, u"Times New Roman", 12, true, kDarkGrey, kWhite, kC, kNoTab},
    {"zor_ige2", "Command5", "QPushButton", kCentral, u"8/&2", 6840, 0, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 10},
    {"zor_ige2", "Command6", "QPushButton", kCentral, u"8/&5", 7680, 0, 975, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 8},
    {"zor_ige2", "Command7", "QPushButton", kCentral, u"10/&13", 8640, 0, 975, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 9},
    {"zor_ige2", "Command8", "QPushButton", kCentral, u"&8", 7680, 480, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 11},
    {"zor_ige2", "Command9", "QPushButton", kCentral, u"8 &+ 10", 8520, 480, 1095, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 16},

    // zor_ige3
    {"zor_ige3", "Command1", "QPushButton", kCentral, u"&Comenzar", 0, 0, 1575, 495, Disabled, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 0},
    {"zor_ige3", "Command4", "QPushButton", kCentral, u"&Ayuda", 1560, 0, 1095, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 6},
    {"zor_ige3", "Command3", "QPushButton", kCentral, u"&Salir", 2640, 0, 1095, 495, Shown, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 5},
    {"zor_ige3", "Label4", "QLabel", kCentral, u"Ejercicios:", 4080, 120, 1575, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kC, kNoTab},
    {"zor_ige3", "Label1", "QLabel", kCentral, u"", 120, 600, 975, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kR, kNoTab},
    {"zor_ige3", "Label2", "QLabel", kCentral, u"Complete con  la forma adecuada del verbo:", 1320, 600, 5895, 375, Shown, u"Arial", 12, true, kGrey, kWindowText, kL, kNoTab},
    {"zor_ige3", "Text5", "QPlainTextEdit", kCentral, u"", 240, 1080, 9135, 3255, Shown, u"Times New Roman", 12, true, kDefault, kDefault, kNone, 3},
    {"zor_ige3", "Label8", "QLabel", kCentral, u"", 3360, 4440, 495, 495, Shown, u"Times New Roman", 13.5, true, kLightGreen, kBlack, kC, kNoTab},
    {"zor_ige3", "Label9", "QLabel", kCentral, u"", 3960, 4560, 1455, 375, Shown, u"Times New Roman", 12.75, true, kWhite, kRed, kC, kNoTab},
    {"zor_ige3", "Label6", "QLabel", kCentral, u"", 120, 5040, 3135, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kR, kNoTab},
    {"zor_ige3", "Text2", "QLineEdit", kCentral, u"", 3240, 5040, 2295, 420, Shown, u"Times New Roman", 12.75, true, kPink, kRed, kC, 1},
    {"zor_ige3", "Label7", "QLabel", kCentral, u"", 5520, 5040, 3855, 375, Shown, u"Times New Roman", 12.75, true, kWindow, kWindowText, kL, kNoTab},
    {"zor_ige3", "Command2", "QPushButton", kCentral, u"Si&guiente", 3480, 5520, 1815, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 4},
    {"zor_ige3", "Command12", "QPushButton", kCentral, u"So&lución", 5400, 5520, 1455, 495, Hidden, u"MS Sans Serif", 9.75, true, kDefault, kDefault, kNone, 21},
    {"zor_ige3", "Label5", "QLabel", kCentral, u"", 120, 6120, 9375, 375, Shown, u"Times New Roman", 12, true, kDarkGrey, kWhite, kC, kNoTab},
    {"zor_ige3", "Label3", "QLabel", kCentral, u"!", 5640, 4440, 255, 495, Hidden, u"MS Sans Serif", 19.5, true, kRed, kWhite, kC, kNoTab},
    {"zor_ige3", "Command5", "QPushButton", kCentral, u"&12/9", 5640, 0, 855, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 11},
    {"zor_ige3", "Command6", "QPushButton", kCentral, u"1&2/10", 6480, 0, 975, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 8},
    {"zor_ige3", "Command10", "QPushButton", kCentral, u"&9+10", 7320, 480, 1335, 495, Shown, u"MS Sans Serif", 13.5, true, kDefault, kDefault, kNone, 13},
};

const Window kWindows[] = {
    {"zor_ige1", u"        Ejercicios gramaticales:   Verbos   ---   Unidades 2-4", 9540, 6420},
    {"zor_ige2", u"        Ejercicios gramaticales:   Verbos   ---   Unidades 8-10", 9540, 6435},
    {"zor_ige3", u"        Ejercicios gramaticales:   Verbos   ---   Unidad 12", 9540, 6435},
};
// clang-format on

std::unique_ptr<QMainWindow> build(QByteArrayView name)
{
    if (name == "zor_ige1")
        return fromDesign<Ui::zor_ige1>();
    if (name == "zor_ige2")
        return fromDesign<Ui::zor_ige2>();
    if (name == "zor_ige3")
        return fromDesign<Ui::zor_ige3>();
    return nullptr;
}

} // namespace

class TestExerciseDesigns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data() { controlsData(kControls); }
    void controls() { checkControl(build); }
    void windows_data() { windowsData(kWindows); }
    void windows();
    void tabOrder_data() { tabOrderData(kControls); }
    void tabOrder() { checkTabOrder(build); }
    void accessibility_data();
    void accessibility();
    void setButtonsMatchCatalogue();
};

void TestExerciseDesigns::windows()
{
    QFETCH(QByteArray, window);
    QFETCH(QSize, client);

    const auto w = build(window);
    QVERIFY(w);
    checkWindow(*w);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(w->centralWidget()->minimumSize(), client);
    QCOMPARE(w->centralWidget()->maximumSize(), client);

    auto *options = w->findChild<QMenu *>(u"mnuOptions"_s);
    QVERIFY(options);
    QCOMPARE(options->title(), u"&Opciones"_s);
    QVERIFY(w->menuBar()->actions().contains(options->menuAction()));
    QCOMPARE(options->actions().size(), 1);
    QAction *onTop = options->actions().constFirst();
    QCOMPARE(onTop->objectName(), u"mnuOntop"_s);
    QCOMPARE(onTop->text(), u"On&Top"_s);
    QVERIFY(onTop->isCheckable());
    QVERIFY(!onTop->isChecked());

    auto *running = w->findChild<QPlainTextEdit *>(u"Text5"_s);
    QVERIFY(running);
    QVERIFY(running->isReadOnly());
    QCOMPARE(running->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(running->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(running->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    auto *next = w->findChild<QPushButton *>(u"Command2"_s);
    QVERIFY(next);
    QVERIFY(next->isDefault());
    auto *after = w->findChild<QLabel *>(u"Label7"_s);
    QVERIFY(after);
    QVERIFY(after->wordWrap());
}

void TestExerciseDesigns::accessibility_data()
{
    QTest::addColumn<int>("profile");
    for (int p = 0; p < 3; ++p)
        QTest::addRow("%s", kWindows[p].name) << p;
}

// A screen reader reads buttons and labels by their text, the two text boxes by their names,
// and every control's purpose from its description: its hint where it has one.
void TestExerciseDesigns::accessibility()
{
    QFETCH(int, profile);
    const ui::ExerciseWindow w(ui::kExerciseProfiles[profile], [] {});
    // The text boxes' viewports and scroll bars are parts of their box, not controls.
    const auto controls = w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(!controls.isEmpty());
    checkDescribed(controls);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(w.findChild<QWidget *>(u"Text2"_s)->accessibleName(), u"Respuesta"_s);
    QCOMPARE(w.findChild<QWidget *>(u"Text5"_s)->accessibleName(), u"Texto completado"_s);
}

// Each window's set buttons are captioned with their sets' code labels and described with their
// hints; beside them the window has five buttons: start, next, leave, help and the solution.
void TestExerciseDesigns::setButtonsMatchCatalogue()
{
    for (int p = 0; p < 3; ++p) {
        const ui::ExerciseWindow w(ui::kExerciseProfiles[p], [] {});
        qsizetype sets = 0;
        for (const expected::Set &set : expected::kSets) {
            if (set.window != p)
                continue;
            ++sets;
            auto *button = w.findChild<QPushButton *>(QString::fromLatin1(set.button));
            QVERIFY2(button, set.button);
            QCOMPARE(button->text().remove(u'&').remove(u' ') + u':', set.codeLabel.toString());
            QCOMPARE(button->accessibleDescription(), set.hint.toString());
            QVERIFY(button->isEnabled());
            QVERIFY(!button->isHidden());
        }
        QCOMPARE(w.centralWidget()->findChildren<QPushButton *>().size(), sets + 5);
    }
}

QTEST_MAIN(TestExerciseDesigns)
#include "tst_exercisedesigns.moc"
