#pragma once

#include "catalogue.h"
#include "drillprofile.h"
#include "feedback.h"
#include "itemtable.h"

#include <QString>
#include <optional>
#include <vector>

namespace drill {

struct ButtonState
{
    QString caption;
    bool enabled = true;
    bool visible = true;
};

enum class FocusTarget { Unchanged, AnswerBox, StartButton };

// Everything of an exercise window that the drill drives, as the window must show it.
struct DrillView
{
    ButtonState command1;
    ButtonState command2;
    bool command2IsDefault = true;
    ButtonState solution;
    std::vector<bool> setButtonEnabled; // one per set, in the group's order
    QString label1;
    QString label6;
    QString label7;
    QString label8;
    QString label9;
    QString text2; // the answer box
    qsizetype text2Cursor = 0;
    qsizetype text5Cursor = 0;
    bool imperativeMarkerVisible = false;
    QString hintLine;
    FocusTarget focus = FocusTarget::Unchanged; // a request, taken by the window
};

struct DrillState
{
    int currentItem = 0;
    qint16 shownCount = 0;    // items drawn in the pass under way; 0 when none runs
    content::ItemTable items; // the used marks live in its infinitive table
    QString runningText;
};

// One exercise window's drill: its public functions are the window's events.
class DrillEngine
{
public:
    DrillEngine(const content::ExerciseGroup &group, const DrillProfile &profile,
                Feedback &feedback, DrawIndex drawIndex);

    const DrillView &view() const { return m_view; }
    const DrillState &state() const { return m_state; }
    const content::ExerciseGroup &group() const { return m_group; }
    const DrillProfile &profile() const { return m_profile; }
    FocusTarget takeFocusRequest();

    void Form_Load();
    void setButtonClick(int set);
    void chooseFromMainMenu(int set);
    void resetDrill();
    void Command1_Click();
    void drawFirstItem(qint16 first, qint16 last);
    void Command2_Click();
    void acceptAnswer();
    void nextItemOrFinish(qint16 first, qint16 last);
    void solutionClick();
    void Text5_Change();

    static void Text2_KeyPress(char16_t &keyAscii);
    void Text2_Change(const QString &text, qsizetype cursor);
    void collapseBlanks();
    bool fixInitialCapital(); // false: the check is abandoned
    bool typedSentenceMatches() const;
    void reportWrongAnswer();

    void movi();
    void setButtonMouseMove(int set);
    void showHint(const QString &text);

private:
    struct Range
    {
        qint16 first;
        qint16 last;
    };
    std::optional<Range> chosenRange() const;
    bool isValid(Range range) const;
    int draw(int count);
    void setImperativeMarker();
    void showCurrentItem();
    void setRunningText(QString text);
    void setAnswerText(QString text, qsizetype cursor);
    void finishPass();

    content::ExerciseGroup m_group;
    DrillProfile m_profile;
    Feedback &m_feedback;
    DrawIndex m_drawIndex;
    DrillState m_state;
    DrillView m_view;
};

} // namespace drill
