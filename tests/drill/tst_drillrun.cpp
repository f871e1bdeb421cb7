#include "answertext.h"
#include "drillengine.h"
#include "expected.h"
#include "recordingfeedback.h"
#include "testitems.h"

#include <QTest>
#include <array>
#include <set>
#include <tuple>

using namespace Qt::Literals::StringLiterals;
using drill::DrillEngine;
using drill::FocusTarget;
using testsupport::RecordingFeedback;

namespace {

const QString kEnd = testsupport::messageEvent(expected::kEndTitle, expected::kEndMessage);
const QString kStart = u"&Comenzar"_s;
const QString kRestart = u"&Recomenzar"_s;

struct Drill
{
    Drill(const content::ExerciseGroup &group, const drill::DrillProfile &profile,
          drill::DrawIndex draw = drill::randomDrawIndex())
        : engine(group, profile, feedback, std::move(draw))
    {}
    content::DrillItem current() const
    {
        return engine.state().items.item(engine.state().currentItem);
    }
    void answer(const QString &typed)
    {
        engine.answerEdited(typed, typed.size());
        engine.submit();
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

using drill::profileOf;

// The running text of the items answered, by its rules: a closing mark alone follows the answer
// at once, an opening mark alone precedes it at once; every sentence ends with a blank.
QString sentencesOf(const content::ExerciseGroup &group, const QList<int> &items)
{
    QString text;
    for (int k : items) {
        const QString before = group.items[k].textBefore.toString();
        const QString answer = group.items[k].answer.toString();
        const QString after = group.items[k].textAfter.toString();
        if (after == u"." || after == u"?" || after == u"!")
            text += before + u' ' + answer + after + u' ';
        else if (before == u"¿" || before == u"¡")
            text += before + answer + u' ' + after + u' ';
        else
            text += before + u' ' + answer + u' ' + after + u' ';
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
    void runningTextJoinsTheSentences();
    void nothingStartsWithoutAChosenSet();
    void learnersDrawIsUniformAndUnforeseeable();
};

void TestDrillRun::passShowsEveryItemOnce_data()
{
    QTest::addColumn<int>("row");
    for (const expected::Set &set : expected::kSets) {
        QTest::addRow("zor_ige%d %s", set.window + 1, qPrintable(set.codeLabel.toString()))
            << int(&set - expected::kSets);
    }
}

void TestDrillRun::passShowsEveryItemOnce()
{
    QFETCH(int, row);
    const expected::Set &chosen = expected::kSets[row];
    const content::ExerciseGroup &g = content::exerciseGroups()[chosen.window];
    const int set = expected::setInWindow(chosen);
    const int n = chosen.last - chosen.first + 1;

    Drill drill(g, profileOf(g));
    drill.engine.chooseSet(set);
    QCOMPARE(drill.engine.view().codeLabel, chosen.codeLabel.toString());
    drill.engine.start();
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::AnswerBox);
    QVERIFY(!drill.engine.view().start.enabled);
    const QList<int> shown = drill.answerUntilEnd(n + 1);

    QCOMPARE(shown.size(), n);
    const std::set<int> distinct(shown.begin(), shown.end());
    QCOMPARE(int(distinct.size()), n);
    QCOMPARE(*distinct.begin(), chosen.first);
    QCOMPARE(*distinct.rbegin(), chosen.last);
    QCOMPARE(drill.feedback.events, (QStringList{u"beep"_s, kEnd}));
    QCOMPARE(drill.engine.state().runningText, sentencesOf(g, shown));

    const drill::DrillView &view = drill.engine.view();
    QCOMPARE(view.startCaption, kRestart);
    QVERIFY(view.start.enabled);
    QVERIFY(!view.next.enabled);
    QVERIFY(!view.nextIsDefault);
    QVERIFY(!view.solution.visible);
    QVERIFY(view.textBefore.isEmpty() && view.textAfter.isEmpty() && view.person.isEmpty() &&
            view.infinitive.isEmpty() && view.answer.isEmpty());
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::StartButton);
    QCOMPARE(drill.engine.state().shownCount, qint16(0));
    for (int k = 0; k < int(g.items.size()); ++k)
        QVERIFY2(!drill.engine.state().items.isUsed(k), "every mark is cleared after a pass");
    QVERIFY(!view.setAvailable[set]); // the set stays chosen

    // Enter after the end presses nothing.
    drill.feedback.clear();
    for (int press = 0; press < 50; ++press)
        drill.answer(u"x"_s);
    QVERIFY(drill.feedback.events.isEmpty());
}

void TestDrillRun::oneItemRangeEndsAtOnce()
{
    Drill drill(testitems::kGroup, testitems::kPlain);
    drill.engine.chooseSet(1); // items 2..2
    drill.engine.start();
    QCOMPARE(drill.engine.state().currentItem, 2);
    QCOMPARE(drill.engine.view().textBefore, u"¿ "_s);
    QCOMPARE(drill.engine.view().person, u"2"_s);
    QCOMPARE(drill.engine.view().infinitive, u"trabajar"_s);
    drill.answer(u"Trabajas"_s);
    QCOMPARE(drill.feedback.events, (QStringList{u"beep"_s, kEnd}));
    QCOMPARE(drill.engine.state().runningText, u"¿Trabajas en el hospital? "_s);
}

void TestDrillRun::restartRunsTheSameSetAgain()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[0];
    Drill drill(g, profileOf(g));
    drill.engine.chooseSet(3); // 4/2/a: items 38..43
    drill.engine.start();
    const QList<int> first = drill.answerUntilEnd(7);
    QCOMPARE(first.size(), 6);

    drill.feedback.clear();
    drill.engine.start();
    QVERIFY(drill.engine.state().runningText.isEmpty());
    QCOMPARE(drill.engine.view().startCaption, kRestart);
    QVERIFY(!drill.engine.view().start.enabled);
    QVERIFY(drill.engine.view().next.enabled && drill.engine.view().nextIsDefault);
    QVERIFY(drill.engine.view().solution.visible);
    const QList<int> second = drill.answerUntilEnd(7);
    QCOMPARE(std::set<int>(second.begin(), second.end()), (std::set<int>{38, 39, 40, 41, 42, 43}));
    drill.engine.chooseSet(0); // another set: Comenzar again
    QCOMPARE(drill.engine.view().startCaption, kStart);
}

void TestDrillRun::setChangeMidPass()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[1];
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({5, 0, 0}));
    drill.engine.chooseSetFromMainMenu(0); // 8/2: 0..20
    drill.engine.start();
    QCOMPARE(drill.engine.state().currentItem, 5);
    drill.answer(drill.current().answer.toString());
    const int lastShown = drill.engine.state().currentItem;
    QCOMPARE(lastShown, 0);
    const QString runningText = drill.engine.state().runningText;
    drill.engine.start(); // nothing while a pass is under way
    QCOMPARE(drill.engine.state().runningText, runningText);
    drill.engine.answerEdited(u"algo"_s, 4);

    drill.engine.chooseSet(2); // 10/13: 43..66
    const drill::DrillView &view = drill.engine.view();
    QCOMPARE(view.startCaption, kStart);
    QVERIFY(view.start.enabled);
    QCOMPARE(view.codeLabel, u"10/13:"_s);
    QVERIFY(view.textBefore.isEmpty() && view.textAfter.isEmpty() && view.person.isEmpty() &&
            view.infinitive.isEmpty() && view.answer.isEmpty());
    QVERIFY(drill.engine.state().runningText.isEmpty());
    QCOMPARE(view.setAvailable, (std::vector<bool>{true, true, false, true, true}));
    QVERIFY(view.next.visible && view.next.enabled);
    QVERIFY(view.solution.visible && view.solution.enabled);
    QVERIFY(!drill.engine.state().items.isUsed(5));

    drill.feedback.clear();
    drill.engine.showSolution();
    QCOMPARE(drill.feedback.events,
             QStringList(testsupport::messageEvent(expected::kSolutionTitles[1],
                                                   expected::kSolutionPrefix.toString() +
                                                       g.items[lastShown].answer.toString())));

    // The stale item is checked with empty labels: ordinary input is wrong, an empty box ignored.
    drill.feedback.clear();
    drill.answer(g.items[lastShown].answer.toString());
    QCOMPARE(drill.feedback.events.last(),
             testsupport::messageEvent(expected::kWrongTitle, expected::kWrongAnswer));
    drill.feedback.clear();
    drill.answer(QString());
    QVERIFY(drill.feedback.events.isEmpty());

    drill.engine.start();
    QCOMPARE(drill.engine.state().currentItem, 43);
}

void TestDrillRun::staleAnswerBetweenPassesLeavesNoMarkBehind()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[0];
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({3}));
    drill.engine.chooseSet(0); // 2/9: 0..15
    drill.engine.start();
    const content::DrillItem item = drill.current();
    QCOMPARE(drill.engine.state().currentItem, 3);

    drill.engine.chooseSet(1);
    drill.engine.chooseSet(0);
    // The whole sentence, joined without blanks at the gap, matches the stored sentence.
    drill.answer(drill::answertext::joined({item.textBefore, item.answer, item.textAfter}));
    QVERIFY(drill.engine.state().items.isUsed(3));
    QCOMPARE(drill.engine.state().shownCount, qint16(0));

    drill.feedback.clear();
    drill.engine.start();
    const QList<int> shown = drill.answerUntilEnd(17);
    QCOMPARE(shown.size(), 16);
    QVERIFY(shown.contains(3));
}

void TestDrillRun::solutionShowsAnswerWithoutChangingAnything_data()
{
    QTest::addColumn<int>("group");
    for (int g = 0; g < 3; ++g)
        QTest::addRow("zor_ige%d", g + 1) << g;
}

void TestDrillRun::solutionShowsAnswerWithoutChangingAnything()
{
    QFETCH(int, group);
    const content::ExerciseGroup &g = content::exerciseGroups()[group];
    Drill drill(g, profileOf(g));
    drill.engine.chooseSet(0);
    drill.engine.start();
    drill.engine.answerEdited(u"ab"_s, 1);
    drill.engine.takeFocusRequest();
    const drill::DrillView before = drill.engine.view();
    const int item = drill.engine.state().currentItem;

    drill.engine.showSolution();
    QCOMPARE(drill.feedback.events,
             QStringList(testsupport::messageEvent(expected::kSolutionTitles[group],
                                                   expected::kSolutionPrefix.toString() +
                                                       g.items[item].answer.toString())));
    QCOMPARE(drill.feedback.icons.value(0), drill::MessageIcon::Exclamation);
    QCOMPARE(drill.engine.takeFocusRequest(), FocusTarget::AnswerBox);
    QCOMPARE(drill.engine.view().answer, before.answer);
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
    drill.engine.chooseSet(0);
    drill.engine.start();
    bool visibleDuringMessage = false;
    drill::DrillView duringMessage;
    drill.feedback.onMessage = [&] {
        visibleDuringMessage = drill.engine.view().solution.visible;
        duringMessage = drill.engine.view();
    };
    drill.answerUntilEnd(100);
    QCOMPARE(visibleDuringMessage, visibleDuringEndMessage);
    // Siguiente goes before the message; Comenzar comes back, as Recomenzar, once it is closed.
    QVERIFY(!duringMessage.next.enabled && !duringMessage.nextIsDefault);
    QVERIFY(!duringMessage.start.enabled);
    QCOMPARE(duringMessage.startCaption, kStart);
    QCOMPARE(drill.feedback.icons, QList<drill::MessageIcon>{drill::MessageIcon::Exclamation});
    QVERIFY(!drill.engine.view().solution.visible);
}

void TestDrillRun::imperativeMarkerFollowsTheMoodBoundary()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[2];
    // Item 28 first; then the 29th unused item of 0..78, which is item 29.
    Drill drill(g, profileOf(g), testsupport::scriptedDraw({28, 28}));
    drill.engine.chooseSet(2); // 9+10: 0..78
    QCOMPARE(drill.engine.view().codeLabel, u"9+10:"_s);
    drill.engine.start();
    QCOMPARE(drill.engine.state().currentItem, 28);
    QVERIFY(!drill.engine.view().imperativeMarkerVisible);
    drill.answer(drill.current().answer.toString());
    QCOMPARE(drill.engine.state().currentItem, 29);
    QVERIFY(drill.engine.view().imperativeMarkerVisible);

    // It keeps its state through the end of a pass and is hidden by a set choice.
    drill.engine.chooseSet(1); // 12/10: 29..78
    QVERIFY(!drill.engine.view().imperativeMarkerVisible);
    drill.engine.start();
    QVERIFY(drill.engine.view().imperativeMarkerVisible);
    drill.answerUntilEnd(51);
    QVERIFY(drill.engine.view().imperativeMarkerVisible);

    // The other two windows have none: not even for their last items, past 28.
    for (const auto &[group, set, last] : {std::tuple(0, 6, 62), std::tuple(1, 4, 66)}) {
        const content::ExerciseGroup &other = content::exerciseGroups()[group];
        Drill drill(other, profileOf(other), testsupport::scriptedDraw({last}));
        drill.engine.chooseSet(set);
        drill.engine.start();
        QCOMPARE(drill.engine.state().currentItem, last);
        QVERIFY(!drill.engine.view().imperativeMarkerVisible);
    }
}

void TestDrillRun::mainMenuChoiceDoesNotReset()
{
    const content::ExerciseGroup &g = content::exerciseGroups()[2];
    Drill drill(g, profileOf(g));
    QCOMPARE(drill.engine.chosenSet(), std::nullopt);
    drill.engine.chooseSetFromMainMenu(2);
    QCOMPARE(drill.engine.chosenSet(), 2);
    QCOMPARE(drill.engine.view().codeLabel, u"9 + 10:"_s);
    QVERIFY(drill.engine.view().start.enabled);
    QCOMPARE(drill.engine.view().startCaption, kStart);
    QCOMPARE(drill.engine.view().setAvailable, (std::vector<bool>{true, true, false}));
    QVERIFY(!drill.engine.view().next.visible);
    QVERIFY(!drill.engine.view().solution.visible);

    drill.engine.chooseSet(0);
    QCOMPARE(drill.engine.chosenSet(), 0);
    drill.engine.chooseSet(2);
    QCOMPARE(drill.engine.view().codeLabel, u"9+10:"_s);
}

void TestDrillRun::runningTextJoinsTheSentences()
{
    Drill drill(testitems::kGroup, testitems::kPlain, testsupport::scriptedDraw({1, 0}));
    drill.engine.chooseSet(0);
    drill.engine.start();
    drill.answer(u"Estudiamos"_s);
    drill.answer(u"toma"_s);
    // A sentence opened by the gap brings a leading blank; after the next one's trailing blank.
    QCOMPARE(drill.engine.state().runningText,
             u" Estudiamos mucho. La señorita toma el autobús. "_s);
}

void TestDrillRun::nothingStartsWithoutAChosenSet()
{
    Drill drill(testitems::kGroup, testitems::kPlain);
    const drill::DrillView before = drill.engine.view();
    drill.engine.start();  // disabled at load
    drill.engine.submit(); // hidden at load
    drill.engine.showSolution();
    QVERIFY(drill.feedback.events.isEmpty());
    QCOMPARE(drill.engine.view().next.visible, before.next.visible);
    QCOMPARE(drill.engine.state().shownCount, qint16(0));
}

// Each item of a range as likely as every other (7000 draws of 7: 1000 each, give or take 29),
// and no two learners' passes alike.
void TestDrillRun::learnersDrawIsUniformAndUnforeseeable()
{
    const drill::DrawIndex draw = drill::randomDrawIndex();
    std::array<int, 7> counts{};
    for (int k = 0; k < 7000; ++k) {
        const int index = draw(7);
        QVERIFY(index >= 0 && index < 7);
        ++counts[index];
    }
    for (const int count : counts)
        QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
    const auto twenty = [](drill::DrawIndex of) {
        QList<int> drawn;
        for (int k = 0; k < 20; ++k)
            drawn.append(of(1000));
        return drawn;
    };
    QVERIFY(twenty(drill::randomDrawIndex()) != twenty(drill::randomDrawIndex()));
}

QTEST_GUILESS_MAIN(TestDrillRun)
#include "tst_drillrun.moc"
