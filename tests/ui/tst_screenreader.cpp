#include "exercisewindow.h"
#include "fonts.h"
#include "messages.h"
#include "typing.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// What an assistive technology learns from the program as it runs.
struct Heard
{
    QList<QPair<QObject *, QString>> nameChanges; // the object and its name just after the change
    QStringList announcements;                    // notifications as they appear
    QStringList alerts;                           // the text of each alert
};
Heard g_heard;

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (!iface)
        return;
    if (event->type() == QAccessible::NameChanged)
        g_heard.nameChanges.append({iface->object(), iface->text(QAccessible::Name)});
    if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
        g_heard.announcements.append(iface->text(QAccessible::Name));
}

QAccessibleInterface *focusedObject(QWidget *window)
{
    QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(window);
    while (QAccessibleInterface *inner = focus ? focus->focusChild() : nullptr) {
        if (inner == focus)
            break;
        focus = inner;
    }
    return focus;
}

QAccessibleInterface *findByName(QAccessibleInterface *iface, const QString &name)
{
    if (iface->text(QAccessible::Name) == name)
        return iface;
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface *found = findByName(iface->child(i), name))
            return found;
    }
    return nullptr;
}

// The item of the window whose sentence pieces and infinitive the spoken text names, the most
// fully where several fit.
const content::DrillItem *itemSpokenIn(const ui::ExerciseWindow &window, const QString &spoken)
{
    const content::DrillItem *found = nullptr;
    qsizetype matched = -1;
    for (const content::DrillItem &item : window.profile().group().items) {
        if (spoken.contains(item.textBefore) && spoken.contains(item.textAfter) &&
            spoken.contains(u' ' + item.infinitive.toString() + u'.') &&
            item.textBefore.size() + item.textAfter.size() > matched) {
            found = &item;
            matched = item.textBefore.size() + item.textAfter.size();
        }
    }
    return found;
}

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void passByEar_data();
    void passByEar();
};

void TestScreenReader::initTestCase()
{
    ui::registerFontSubstitutions();
    QAccessible::installUpdateHandler(listen);
    // The bridge turns on once it has reached the accessibility bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void TestScreenReader::passByEar_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("setButton");
    QTest::newRow("zor_ige1 4/2/a") << 0 << u"Command8"_s;
    QTest::newRow("zor_ige2 8/5") << 1 << u"Command6"_s;
    QTest::newRow("zor_ige3 12/9") << 2 << u"Command5"_s;
}

// A whole pass as a learner who cannot see the screen does it: the item comes from what the
// focused object says, the answer is typed, Enter pressed, and each message is read as an alert.
void TestScreenReader::passByEar()
{
    QFETCH(int, profile);
    QFETCH(QString, setButton);

    ui::ExerciseWindow window(ui::kExerciseProfiles[profile]); // real message boxes
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow(); // no window manager gives it the keyboard
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.chooseFromMainMenu(setButton);
    QAccessibleInterface *answerBox = focusedObject(&window);
    QCOMPARE(answerBox->role(), QAccessible::EditableText);
    const QString purpose = answerBox->text(QAccessible::Name);
    QVERIFY(!itemSpokenIn(window, purpose));

    QTimer alertReader;
    connect(&alertReader, &QTimer::timeout, this, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
        g_heard.alerts.append(alert->role() == QAccessible::AlertMessage
                                  ? alert->text(QAccessible::Value)
                                  : u"<not an alert>"_s);
        box->accept();
    });
    alertReader.start(10);
    g_heard = {};

    QAccessibleInterface *start =
        findByName(QAccessible::queryAccessibleInterface(&window), u"Comenzar"_s);
    QVERIFY(start && start->actionInterface());
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(answerBox->text(QAccessible::Name) != purpose); // the press is animated

    QTest::keyClicks(QApplication::focusWidget(), u"Xyz"_s); // capital: no warning
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(g_heard.alerts, QStringList{drill::kWrongAnswer.toString()});

    for (int shown = 1; !g_heard.alerts.contains(drill::kEndMessage.toString()); ++shown) {
        QVERIFY(shown <= int(window.profile().group().items.size()));
        QAccessibleInterface *focus = focusedObject(&window);
        QCOMPARE(focus->object(), answerBox->object());
        const QString spoken = focus->text(QAccessible::Name);
        // The new item was signalled where the focus is, with the texts it now says.
        QVERIFY2(g_heard.nameChanges.contains({focus->object(), spoken}), qPrintable(spoken));
        QVERIFY2(g_heard.announcements.contains(spoken), qPrintable(spoken));
        const content::DrillItem *item = itemSpokenIn(window, spoken);
        QVERIFY2(item, qPrintable(spoken));
        g_heard.nameChanges.clear();
        g_heard.announcements.clear();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), testsupport::keysFor(item->answer));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(g_heard.alerts.size(), 2); // the wrong answer and the end
    QCOMPARE(answerBox->text(QAccessible::Name), purpose);

    // The running text is the next stop after the answer box, and its caret walks the sentences.
    window.activateWindow(); // back from the end message, without a window manager
    QVERIFY(QTest::qWaitForWindowActive(&window));
    static_cast<QWidget *>(answerBox->object())->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QAccessibleTextInterface *running = focusedObject(&window)->textInterface();
    QVERIFY(running && running->characterCount() > 0);
    QVERIFY(focusedObject(&window)->state().readOnly);
    const int end = running->cursorPosition();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(running->cursorPosition(), 0);
    QVERIFY(end > 0);
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
