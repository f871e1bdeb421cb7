#include "answertext.h"
#include "drillengine.h"
#include "messages.h"
#include "recordingfeedback.h"
#include "testitems.h"

#include <QTest>
#include <set>

using namespace Qt::Literals::StringLiterals;
using drill::DrillEngine;
using drill::FocusTarget;
using testsupport::RecordingFeedback;

namespace {

const QString kEnd = testsupport::messageEvent(drill::kEndTitle, drill::kEndMessage);

struct Drill
{
    Drill(const content::ExerciseGroup &group, const drill::DrillProfile &profile,
          drill::DrawIndex draw = drill::randomDrawIndex())
        : engine(group, profile, feedback, std::move(draw))
    {
        engine.Form_Load();
    }
    content::DrillItem current() const
    {
        return engine.state().items.item(engine.state().currentItem);
    }
    void answer(const QString &typed)
    {
        engine.Text2_Change(typed, typed.size());
        engine.Command2_Click();
    }
    // Answers every item rightly until the end message; returns the items in the order shown.
    QList<int> answerUntilEnd(int limit)
    {
        QList<int> shown;
        while (!feedback.events.contains(kEnd) && shown.size() < limit) {
            shown.append(engine.state().currentItem);
            answer(current().answer.toString());
        }
        return shown;
    }

    RecordingFeedback feedback;
    DrillEngine engine;
};

const drill::DrillProfile &profileOf(const content::ExerciseGroup &group)
{
    return *drill::drillProfile(group.window);
}

QString sentencesOf(const content::ExerciseGroup &group, const QList<int> &items)
{
    QString text;
    for (int k : items) {
        const content::DrillItem &item = group.items[k];
        text += drill::answertext::completedSentence(item.textBefore, item.answer, item.textAfter);
    }
    return text;
}

} // namespace

class TestDrillRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passShowsEveryItemOnce_data();
    void passShowsEveryItemOnce();
    void oneItemRangeEndsAtOnce();
    void restartRunsTheSameSetAgain();
    void setChangeMidPass();
    void staleAnswerBetweenPassesLeavesNoMarkBehind();
    void solutionShowsAnswerWithoutChangingAnything_data();
    void solutionShowsAnswerWithoutChangingAnything();
    void solutionButtonHidesAtTheEnd_data();
    void solutionButtonHidesAtTheEnd();
    void imperativeMarkerFollowsTheMoodBoundary();
    void mainMenuChoiceDoesNotReset();
    void hintLineOfTheChosenSet();
    void runningTextScrollsToTheEnd();
    void nothingStartsWithoutAChosenSet();
};

void TestDrillRun::passShowsEveryItemOnce_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("set");
    const auto &groups = content::exerciseGroups();
    for (int g = 0; g < int(groups.size()); ++g) {
        for (int s = 0; s < int(groups[g].sets.size()); ++s) {
            const QString name =
                drill::answertext::joined({groups[g].window, u" ", groups[g].sets[s].codeLabel});
            QTest::newRow(name.toUtf8().constData()) << g << s;
        }
    }
}

void TestDrillRun::passShowsEveryItemOnce()
{
    QFETCH(int, group);
    QFETCH(int, set);
    const content::ExerciseGroup &g = content::exerciseGroups()[group];
    const content::ExerciseSet &chosen = g.sets[set];
    const int n = chosen.last - chosen.first + 1;

    Drill drill(g, profileOf(g));
    drill.engine.setButtonClick(set);
    drill.engine.Command1_Click();
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::AnswerBox);
    QVERIFY(!drill.engine.view().command1.enabled);
    const QList<int> shown = drill.answerUntilEnd(n + 1);

    QCOMPARE(shown.size(), n);
    const std::set<int> distinct(shown.begin(), shown.end());
    QCOMPARE(int(distinct.size()), n);
    QCOMPARE(*distinct.begin(), int(chosen.first));
    QCOMPARE(*distinct.rbegin(), int(chosen.last));
    QCOMPARE(drill.feedback.events, (QStringList{u"beep"_s, kEnd}));
    QCOMPARE(drill.engine.state().runningText, sentencesOf(g, shown));

    const drill::DrillView &view = drill.engine.view();
    QCOMPARE(view.command1.caption, drill::kRestartCaption.toString());
    QVERIFY(view.command1.enabled);
    QVERIFY(!view.command2.enabled);
    QVERIFY(!view.command2IsDefault);
    QVERIFY(!view.solution.visible);
    QVERIFY(view.label6.isEmpty() && view.label7.isEmpty() && view.label8.isEmpty() &&
            view.label9.isEmpty() && view.text2.isEmpty());
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::StartButton);
    QCOMPARE(drill.engine.state().shownCount, qint16(0));
    for (int k = 0; k < int(g.items.size()); ++k)
        QVERIFY2(!drill.engine.state().items.isUsed(k), "every mark is cleared after a pass");
    QVERIFY(!view.setButtonEnabled[set]); // the set stays chosen

    // Enter after the end presses nothing.
    drill.feedback.clear();
    for (int press = 0; press < 50; ++press)
        drill.answer(u"x"_s);
    QVERIFY(drill.feedback.events.isEmpty());
}

void TestDrillRun::oneItemRangeEndsAtOnce()
{
    Drill drill(testitems::kGroup, testitems::kPlain);
    drill.engine.setButtonClick(1); // items 2..2
    drill.engine.Command1_Click();
    QCOMPARE(drill.engine.state().currentItem, 2);
    QCOMPARE(drill.engine.view().label6, u"¿ "_s);
    QCOMPARE(drill.engine.view().label8, u"2"_s);
    QCOMPARE(drill.engine.view().label9, u"trabajar"_s);
    drill.answer(u"Trabajas"_s);
    QCOMPARE(drill.feedback.events, (QStringList{u"beep"_s, kEnd}));
    QCOMPARE(drill.engine.state().runningText, u"¿Trabajas en el hospital? "_s);
}

void TestDrillRun::restartRunsTheSameSetAgain()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[0];
    Drill drill(g, profileOf(g));
    drill.engine.setButtonClick(3); // 4/2/a: items 38..43
    drill.engine.Command1_Click();
    const QList<int> first = drill.answerUntilEnd(7);
    QCOMPARE(first.size(), 6);

    drill.feedback.clear();
    drill.engine.Command1_Click();
    QVERIFY(drill.engine.state().runningText.isEmpty());
    QCOMPARE(drill.engine.view().command1.caption, drill::kRestartCaption.toString());
    QVERIFY(!drill.engine.view().command1.enabled);
    QVERIFY(drill.engine.view().command2.enabled && drill.engine.view().command2IsDefault);
    QVERIFY(drill.engine.view().solution.visible);
    const QList<int> second = drill.answerUntilEnd(7);
    QCOMPARE(std::set<int>(second.begin(), second.end()), (std::set<int>{38, 39, 40, 41, 42, 43}));
}

void TestDrillRun::setChangeMidPass()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[1];
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({5, 0, 0}));
    drill.engine.chooseFromMainMenu(0); // 8/2: 0..20
    drill.engine.Command1_Click();
    QCOMPARE(drill.engine.state().currentItem, 5);
    drill.answer(drill.current().answer.toString());
    const int lastShown = drill.engine.state().currentItem;
    QCOMPARE(lastShown, 0);
    drill.engine.Text2_Change(u"algo"_s, 4);

    drill.engine.setButtonClick(2); // 10/13: 43..66
    const drill::DrillView &view = drill.engine.view();
    QCOMPARE(view.command1.caption, drill::kStartCaption.toString());
    QVERIFY(view.command1.enabled);
    QCOMPARE(view.label1, u"10/13:"_s);
    QVERIFY(view.label6.isEmpty() && view.label7.isEmpty() && view.label8.isEmpty() &&
            view.label9.isEmpty() && view.text2.isEmpty());
    QVERIFY(drill.engine.state().runningText.isEmpty());
    QCOMPARE(view.setButtonEnabled, (std::vector<bool>{true, true, false, true, true}));
    QVERIFY(view.command2.visible && view.command2.enabled);
    QVERIFY(view.solution.visible && view.solution.enabled);
    QVERIFY(!drill.engine.state().items.isUsed(5));

    drill.feedback.clear();
    drill.engine.solutionClick();
    QCOMPARE(drill.feedback.events,
             QStringList(testsupport::messageEvent(
                 drill::kSolutionTitleUnits8to10,
                 drill::answertext::joined({drill::kSolutionPrefix, g.items[lastShown].answer}))));

    // The stale item is checked with empty labels: ordinary input is wrong, an empty box ignored.
    drill.feedback.clear();
    drill.answer(g.items[lastShown].answer.toString());
    QCOMPARE(drill.feedback.events.last(),
             testsupport::messageEvent(drill::kWrongAnswerTitle, drill::kWrongAnswer));
    drill.feedback.clear();
    drill.answer(QString());
    QVERIFY(drill.feedback.events.isEmpty());

    drill.engine.Command1_Click();
    QCOMPARE(drill.engine.state().currentItem, 43);
}

void TestDrillRun::staleAnswerBetweenPassesLeavesNoMarkBehind()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[0];
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({3}));
    drill.engine.setButtonClick(0); // 2/9: 0..15
    drill.engine.Command1_Click();
    const content::DrillItem item = drill.current();
    QCOMPARE(drill.engine.state().currentItem, 3);

    drill.engine.setButtonClick(1);
    drill.engine.setButtonClick(0);
    // The whole sentence, joined without blanks at the gap, matches the stored sentence.
    drill.answer(drill::answertext::joined({item.textBefore, item.answer, item.textAfter}));
    QVERIFY(drill.engine.state().items.isUsed(3));
    QCOMPARE(drill.engine.state().shownCount, qint16(0));

    drill.feedback.clear();
    drill.engine.Command1_Click();
    const QList<int> shown = drill.answerUntilEnd(17);
    QCOMPARE(shown.size(), 16);
    QVERIFY(shown.contains(3));
}

void TestDrillRun::solutionShowsAnswerWithoutChangingAnything_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("title");
    QTest::newRow("zor_ige1") << 0 << drill::kSolutionTitleUnits2to4.toString();
    QTest::newRow("zor_ige2") << 1 << drill::kSolutionTitleUnits8to10.toString();
    QTest::newRow("zor_ige3") << 2 << drill::kSolutionTitleUnits2to4.toString();
}

void TestDrillRun::solutionShowsAnswerWithoutChangingAnything()
{
    QFETCH(int, group);
    QFETCH(QString, title);
    const content::ExerciseGroup &g = content::exerciseGroups()[group];
    Drill drill(g, profileOf(g));
    drill.engine.setButtonClick(0);
    drill.engine.Command1_Click();
    drill.engine.Text2_Change(u"ab"_s, 1);
    drill.engine.takeFocusRequest();
    const drill::DrillView before = drill.engine.view();
    const int item = drill.engine.state().currentItem;

    drill.engine.solutionClick();
    QCOMPARE(
        drill.feedback.events,
        QStringList(testsupport::messageEvent(
            title, drill::answertext::joined({drill::kSolutionPrefix, g.items[item].answer}))));
    QCOMPARE(drill.feedback.icons.value(0), drill::MessageIcon::Exclamation);
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::AnswerBox);
    QCOMPARE(drill.engine.view().text2, before.text2);
    QCOMPARE(drill.engine.state().currentItem, item);
    QCOMPARE(drill.engine.state().shownCount, qint16(1));
}

void TestDrillRun::solutionButtonHidesAtTheEnd_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("visibleDuringEndMessage");
    QTest::newRow("zor_ige1 hides it before the message") << 0 << false;
    QTest::newRow("zor_ige2 hides it after the message") << 1 << true;
    QTest::newRow("zor_ige3 hides it before the message") << 2 << false;
}

void TestDrillRun::solutionButtonHidesAtTheEnd()
{
    QFETCH(int, group);
    QFETCH(bool, visibleDuringEndMessage);
    const content::ExerciseGroup &g = content::exerciseGroups()[group];
    Drill drill(g, profileOf(g));
    drill.engine.setButtonClick(0);
    drill.engine.Command1_Click();
    bool visibleDuringMessage = false;
    bool command2DisabledDuringMessage = false;
    drill.feedback.onMessage = [&] {
        visibleDuringMessage = drill.engine.view().solution.visible;
        command2DisabledDuringMessage = !drill.engine.view().command2.enabled;
    };
    drill.answerUntilEnd(100);
    QCOMPARE(visibleDuringMessage, visibleDuringEndMessage);
    QVERIFY(command2DisabledDuringMessage);
    QVERIFY(!drill.engine.view().solution.visible);
}

void TestDrillRun::imperativeMarkerFollowsTheMoodBoundary()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[2];
    // Item 28 first; then the 29th unused item of 0..78, which is item 29.
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({28, 28}));
    drill.engine.setButtonClick(2); // 9+10: 0..78
    QCOMPARE(drill.engine.view().label1, u"9+10:"_s);
    drill.engine.Command1_Click();
    QCOMPARE(drill.engine.state().currentItem, 28);
    QVERIFY(!drill.engine.view().imperativeMarkerVisible);
    drill.answer(drill.current().answer.toString());
    QCOMPARE(drill.engine.state().currentItem, 29);
    QVERIFY(drill.engine.view().imperativeMarkerVisible);

    // It keeps its state through the end of a pass and is hidden by a set choice.
    drill.engine.setButtonClick(1); // 12/10: 29..78
    QVERIFY(!drill.engine.view().imperativeMarkerVisible);
    drill.engine.Command1_Click();
    QVERIFY(drill.engine.view().imperativeMarkerVisible);
    drill.answerUntilEnd(51);
    QVERIFY(drill.engine.view().imperativeMarkerVisible);

    Drill other(content::exerciseGroups()[0], profileOf(content::exerciseGroups()[0]),
                testsupport::scriptedDraw({40}));
    other.engine.setButtonClick(6);
    other.engine.Command1_Click();
    QCOMPARE(other.engine.state().currentItem, 40);
    QVERIFY(!other.engine.view().imperativeMarkerVisible);
}

void TestDrillRun::mainMenuChoiceDoesNotReset()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[2];
    Drill drill(g, profileOf(g));
    drill.engine.showHint(u"anterior"_s);
    drill.engine.chooseFromMainMenu(2);
    QCOMPARE(drill.engine.view().label1, u"9 + 10:"_s);
    QVERIFY(drill.engine.view().command1.enabled);
    QCOMPARE(drill.engine.view().command1.caption, drill::kStartCaption.toString());
    QCOMPARE(drill.engine.view().setButtonEnabled, (std::vector<bool>{true, true, false}));
    QCOMPARE(drill.engine.view().hintLine, u"anterior"_s);
    QVERIFY(!drill.engine.view().command2.visible);
    QVERIFY(!drill.engine.view().solution.visible);

    drill.engine.setButtonClick(0);
    drill.engine.setButtonClick(2);
    QCOMPARE(drill.engine.view().label1, u"9+10:"_s);
    QCOMPARE(drill.engine.view().hintLine, u"anterior"_s); // a click leaves the hint line alone
}

void TestDrillRun::hintLineOfTheChosenSet()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[0];
    Drill drill(g, profileOf(g));
    drill.engine.showHint(u"otra"_s);
    drill.engine.movi();
    QCOMPARE(drill.engine.view().hintLine, u"otra"_s); // no set chosen: unchanged

    drill.engine.chooseFromMainMenu(0);
    drill.engine.movi();
    QCOMPARE(drill.engine.view().hintLine, u"Verbos de la primera conjugación: \"-ar\" "_s);
    drill.engine.setButtonMouseMove(0); // the chosen set's button is disabled: no event
    drill.engine.setButtonMouseMove(1);
    QCOMPARE(drill.engine.view().hintLine, u"Verbos de la segunda conjugación: \"-er\" "_s);
    drill.engine.movi();
    QCOMPARE(drill.engine.view().hintLine, u"Verbos de la primera conjugación: \"-ar\" "_s);
}

void TestDrillRun::runningTextScrollsToTheEnd()
{
    Drill drill(testitems::kGroup, testitems::kPlain, testsupport::scriptedDraw({1, 0}));
    drill.engine.setButtonClick(0);
    drill.engine.Command1_Click();
    drill.answer(u"Estudiamos"_s);
    drill.answer(u"toma"_s);
    // A sentence opened by the gap brings a leading blank; after the next one's trailing blank.
    QCOMPARE(drill.engine.state().runningText,
             u" Estudiamos mucho. La señorita toma el autobús. "_s);
    QCOMPARE(drill.engine.view().text5Cursor, drill.engine.state().runningText.size());
}

void TestDrillRun::nothingStartsWithoutAChosenSet()
{
    Drill drill(testitems::kGroup, testitems::kPlain);
    const drill::DrillView before = drill.engine.view();
    drill.engine.Command1_Click(); // disabled at load
    drill.engine.Command2_Click(); // hidden at load
    drill.engine.solutionClick();
    QVERIFY(drill.feedback.events.isEmpty());
    QCOMPARE(drill.engine.view().command2.visible, before.command2.visible);
    QCOMPARE(drill.engine.state().shownCount, qint16(0));
}

QTEST_GUILESS_MAIN(TestDrillRun)
#include "tst_drillrun.moc"
