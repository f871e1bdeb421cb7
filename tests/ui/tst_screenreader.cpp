#include "exercisewindow.h"
#include "fonts.h"
#include "messages.h"
#include "typing.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// What an assistive technology hears as it happens: names changed, notifications shown.
QList<QPair<QObject *, QString>> g_names;
QStringList g_notifications;

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (iface && event->type() == QAccessible::NameChanged)
        g_names.append({iface->object(), iface->text(QAccessible::Name)});
    if (iface && event->type() == QAccessible::ObjectShow &&
        iface->role() == QAccessible::Notification)
        g_notifications.append(iface->text(QAccessible::Name));
}

QAccessibleInterface *focused(QWidget *window)
{
    QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(window);
    for (QAccessibleInterface *inner; focus && (inner = focus->focusChild()) && inner != focus;)
        focus = inner;
    return focus;
}

// The item of the window whose sentence pieces and infinitive the spoken text names, the most
// fully where several fit.
const content::DrillItem *itemSpokenIn(const ui::ExerciseWindow &window, const QString &spoken)
{
    const content::DrillItem *found = nullptr;
    qsizetype matched = -1;
    for (const content::DrillItem &item : window.profile().group.items) {
        const qsizetype size = item.textBefore.size() + item.textAfter.size();
        if (spoken.contains(item.textBefore) && spoken.contains(item.textAfter) &&
            spoken.contains(u' ' + item.infinitive.toString() + u'.') && size > matched) {
            found = &item;
            matched = size;
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
    // Qt reports accessibility events once its bridge has reached the accessibility bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void TestScreenReader::passByEar_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("set");
    QTest::newRow("zor_ige1 4/2/a") << 0 << 3;
    QTest::newRow("zor_ige2 8/5") << 1 << 1;
    QTest::newRow("zor_ige3 12/9") << 2 << 0;
}

// A whole pass as a learner who cannot see the screen makes it: each item comes from what the
// focused object says, the messages are read as alerts, and Tab leads to the running text.
void TestScreenReader::passByEar()
{
    QFETCH(int, profile);
    QFETCH(int, set);
    ui::ExerciseWindow window(ui::kExerciseProfiles[profile]); // with real message boxes
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow(); // there is no window manager to do it
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.chooseFromMainMenu(set);
    QAccessibleInterface *answerBox = focused(&window);
    const QString purpose = answerBox->text(QAccessible::Name);

    QStringList alerts;
    QTimer alertReader;
    connect(&alertReader, &QTimer::timeout, this, [&alerts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
            alerts << (alert->role() == QAccessible::AlertMessage ? alert->text(QAccessible::Value)
                                                                  : u"not an alert"_s);
            box->accept();
        }
    });
    alertReader.start(10);
    g_names.clear();
    g_notifications.clear();
    QAccessible::queryAccessibleInterface(window.findChild<QPushButton *>(u"Command1"_s))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());

    for (int shown = 0; alerts.isEmpty(); ++shown) {
        QVERIFY(shown < int(window.profile().group.items.size()));
        QTRY_VERIFY(!g_notifications.isEmpty()); // the press is animated
        QAccessibleInterface *focus = focused(&window);
        QCOMPARE(focus, answerBox);
        // The new item was signalled where the focus is, with the texts it now says.
        const QString spoken = focus->text(QAccessible::Name);
        QVERIFY2(g_names.contains({focus->object(), spoken}), qPrintable(spoken));
        QCOMPARE(g_notifications, QStringList{spoken});
        const content::DrillItem *item = itemSpokenIn(window, spoken);
        QVERIFY2(item, qPrintable(spoken));
        g_names.clear();
        g_notifications.clear();
        QTest::keyClicks(QApplication::focusWidget(), testsupport::keysFor(item->answer));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(alerts, QStringList{drill::kEndMessage.toString()});
    QCOMPARE(answerBox->text(QAccessible::Name), purpose);

    // The running text follows the answer box in the tab order; its caret walks the sentences.
    window.activateWindow(); // back from the end message, with no window manager
    QVERIFY(QTest::qWaitForWindowActive(&window));
    static_cast<QWidget *>(answerBox->object())->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(focused(&window)->state().readOnly);
    QAccessibleTextInterface *running = focused(&window)->textInterface();
    QVERIFY(running && running->cursorPosition() > 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(running->cursorPosition(), 0);
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
