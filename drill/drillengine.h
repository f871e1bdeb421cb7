#pragma once

#include "catalogue.h"
#include "drillprofile.h"
#include "feedback.h"
#include "itemtable.h"

#include <QString>
#include <optional>
#include <vector>

namespace drill {

// Whether the learner can use one of the drill's actions.
struct Action
{
    bool enabled = true;
    bool visible = true;
};

enum class FocusTarget { Unchanged, AnswerBox, StartButton };

// What an exercise window shows of its drill.
struct DrillView
{
    QString startCaption;
    Action start;
    Action next{true, false};  // check the answer and go on to the next sentence
    bool nextIsDefault = true; // Enter presses it
    Action solution{true, false};
    std::vector<bool> setAvailable; // one per set, in the group's order; the chosen set's is not
    QString codeLabel;
    // The sentence on show; the texts beside the gap carry the blank next to it.
    QString textBefore;
    QString textAfter;
    QString person;
    QString infinitive;
    QString answer;
    qsizetype answerCaret = 0;
    bool imperativeMarkerVisible = false;
    FocusTarget focus = FocusTarget::Unchanged; // a request, taken by the window
};

struct DrillState
{
    int currentItem = 0;
    qint16 shownCount = 0;    // items drawn in the pass under way; 0 when none runs
    content::ItemTable items; // holds the used marks
    QString runningText;      // the sentences completed in the pass
};

// The drill of one exercise window. A set is chosen (by the main menu as the window opens, or by
// the learner); start() begins a pass over it: the sentences of the set, one at a time, in random
// order without repetition. Each submit() checks the answer typed so far: a wrong one is
// reported and the sentence stays; a right one joins the running text and the next sentence
// follows, until the last one ends the pass with a message. showSolution() tells the answer of
// the sentence on show. Choosing a set abandons a pass under way. The window shows view() after
// each action, and reports every edit of the answer box with answerEdited().
class DrillEngine
{
public:
    DrillEngine(const content::ExerciseGroup &group, const DrillProfile &profile,
                Feedback &feedback, DrawIndex drawIndex);

    DrillView view() const;
    const DrillState &state() const { return m_state; }
    FocusTarget takeFocusRequest();

    void chooseSet(int set);
    // The main menu opens the window with a set chosen; nothing is there to reset yet.
    void chooseSetFromMainMenu(int set);
    std::optional<int> chosenSet() const;
    void start();
    void answerEdited(const QString &text, qsizetype caret);
    void submit();
    void showSolution();
    // What a key typed into the answer box becomes: six keys give Spanish letters.
    static char16_t typed(char16_t key);

private:
    struct Range
    {
        qint16 first;
        qint16 last;
    };
    std::optional<Range> chosenRange() const;
    int draw(int count);
    void resetDrill();
    void drawFirstItem(Range range);
    void nextItemOrFinish(Range range);
    void finishPass();
    void acceptAnswer();
    void collapseBlanks();
    bool fixInitialCapital(); // false: the check is abandoned
    bool typedSentenceMatches() const;
    void reportWrongAnswer();
    bool passUnderWay() const { return m_state.shownCount > 0; }
    void setImperativeMarker();
    void showSentence();
    void clearSentence();
    void setAnswer(QString text, qsizetype caret);

    content::ExerciseGroup m_group;
    DrillProfile m_profile;
    Feedback &m_feedback;
    DrawIndex m_drawIndex;
    DrillState m_state;
    DrillView m_view; // all but whether the start action is enabled, which view() derives
};

} // namespace drill
