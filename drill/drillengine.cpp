#include "drillengine.h"

#include "answertext.h"
#include "messages.h"

#include <QRandomGenerator>
#include <algorithm>

namespace drill {

DrawIndex randomDrawIndex()
{
    return [](int count) { return static_cast<int>(QRandomGenerator::global()->bounded(count)); };
}

DrillEngine::DrillEngine(const content::ExerciseGroup &group, const DrillProfile &profile,
                         Feedback &feedback, DrawIndex drawIndex)
    : m_group(group)
    , m_profile(profile)
    , m_feedback(feedback)
    , m_drawIndex(std::move(drawIndex))
    , m_state{0, 0, content::ItemTable(group.items), QString()}
{
    m_view.startCaption = kStartCaption.toString();
    m_view.setAvailable.assign(group.sets.size(), true);
}

// A pass starts where none is under way and a set is chosen.
DrillView DrillEngine::view() const
{
    DrillView view = m_view;
    view.start.enabled = !passUnderWay() && chosenSet().has_value();
    return view;
}

FocusTarget DrillEngine::takeFocusRequest()
{
    return std::exchange(m_view.focus, FocusTarget::Unchanged);
}

void DrillEngine::chooseSet(int set)
{
    if (set < 0 || set >= static_cast<int>(m_group.sets.size()) || !m_view.setAvailable[set])
        return; // a disabled button takes no clicks
    resetDrill();
    m_view.setAvailable[set] = false;
    m_view.codeLabel = m_group.sets[set].codeLabel.toString();
}

void DrillEngine::chooseSetFromMainMenu(int set)
{
    if (set < 0 || set >= static_cast<int>(m_group.sets.size()))
        return;
    m_view.setAvailable[set] = false;
    m_view.codeLabel = m_group.sets[set].codeLabelFromMainMenu().toString();
}

// The chosen set is the first one, in the group's order, whose button is disabled.
std::optional<int> DrillEngine::chosenSet() const
{
    const auto found = std::ranges::find(m_view.setAvailable, false);
    if (found == m_view.setAvailable.end())
        return std::nullopt;
    return static_cast<int>(found - m_view.setAvailable.begin());
}

void DrillEngine::resetDrill()
{
    m_view.startCaption = kStartCaption.toString();
    m_view.setAvailable.assign(m_view.setAvailable.size(), true);
    clearSentence();
    m_state.runningText.clear();
    if (m_profile.imperativeAfter)
        m_view.imperativeMarkerVisible = false;
    m_state.shownCount = 0;
    m_state.items.clearUsedMarks();
}

std::optional<DrillEngine::Range> DrillEngine::chosenRange() const
{
    const std::optional<int> set = chosenSet();
    if (!set)
        return std::nullopt;
    const Range range{m_group.sets[*set].first, m_group.sets[*set].last};
    const bool valid = range.first <= range.last && m_state.items.contains(range.first) &&
                       m_state.items.contains(range.last);
    return valid ? std::optional(range) : std::nullopt;
}

int DrillEngine::draw(int count)
{
    const int index = m_drawIndex(count);
    Q_ASSERT(index >= 0 && index < count);
    return std::clamp(index, 0, count - 1);
}

void DrillEngine::start()
{
    const std::optional<Range> range = chosenRange();
    if (passUnderWay() || !range)
        return; // a pass under way, or no set chosen: nothing to start
    m_view.next = {true, true};
    m_view.nextIsDefault = true;
    m_view.solution.visible = true;
    m_state.runningText.clear();
    // Marks left by an answer accepted between passes must not reach the new pass.
    m_state.items.clearUsedMarks();
    drawFirstItem(*range);
    showSentence();
    m_view.focus = FocusTarget::AnswerBox;
}

void DrillEngine::drawFirstItem(Range range)
{
    m_state.currentItem = range.first + draw(range.last - range.first + 1);
    m_state.shownCount = 1;
    setImperativeMarker();
}

void DrillEngine::setImperativeMarker()
{
    if (m_profile.imperativeAfter)
        m_view.imperativeMarkerVisible = m_state.currentItem > *m_profile.imperativeAfter;
}

void DrillEngine::showSentence()
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    m_view.textBefore = answertext::joined({item.textBefore, u" "});
    m_view.textAfter = answertext::joined({u" ", item.textAfter});
    m_view.person = item.person.toString();
    m_view.infinitive = item.infinitive.toString();
}

void DrillEngine::clearSentence()
{
    m_view.textBefore.clear();
    m_view.textAfter.clear();
    m_view.person.clear();
    m_view.infinitive.clear();
    setAnswer(QString(), 0);
}

void DrillEngine::answerEdited(const QString &text, qsizetype caret)
{
    setAnswer(text, caret);
}

void DrillEngine::setAnswer(QString text, qsizetype caret)
{
    m_view.answer = std::move(text);
    m_view.answerCaret = std::clamp<qsizetype>(caret, 0, m_view.answer.size());
}

void DrillEngine::submit()
{
    if (!m_view.next.enabled || !m_view.next.visible)
        return;
    if (m_profile.collapsesBlanks)
        collapseBlanks();
    if (!fixInitialCapital())
        return;
    if (typedSentenceMatches()) {
        acceptAnswer();
    } else {
        reportWrongAnswer();
        m_view.answerCaret = m_view.answer.size();
    }
}

void DrillEngine::collapseBlanks()
{
    QString collapsed = answertext::collapseBlanks(m_view.answer);
    if (collapsed.size() != m_view.answer.size())
        setAnswer(std::move(collapsed), 0);
}

// Where the gap opens the sentence shown, the answer is trimmed and its first letter
// upper-cased, with a warning if it was small. With no pass under way no sentence is shown, and
// the empty text before the gap counts as the start of a sentence.
bool DrillEngine::fixInitialCapital()
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    if (!answertext::isSentenceInitial(passUnderWay() ? item.textBefore : QStringView()))
        return true;
    QString text = answertext::trimBlanks(m_view.answer).toString();
    if (text.isEmpty()) {
        setAnswer(QString(), 0);
        return false; // no first letter to capitalise: the check ends quietly
    }
    const bool changed = answertext::upperCaseFirstLetter(text);
    // The caret stands after the replaced first letter, as after replacing a selection.
    const qsizetype caret = text.size() > 1 && text[0].isHighSurrogate() ? 2 : 1;
    setAnswer(std::move(text), caret);
    if (changed) {
        m_feedback.beep();
        m_feedback.message(kCapitalTitle.toString(), kCapitalWarning.toString(),
                           MessageIcon::Exclamation);
    }
    return true;
}

// The sentence as typed, its gap filled with the trimmed answer, against the stored sentence.
// With no pass under way (a set chosen in mid-pass) the answer alone stands for the sentence.
bool DrillEngine::typedSentenceMatches() const
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    const QStringView before =
        passUnderWay() ? answertext::chopTrailingBlanks(item.textBefore) : QStringView();
    const QStringView after =
        passUnderWay() ? answertext::chopLeadingBlanks(item.textAfter) : QStringView();
    const QString typedSentence =
        answertext::joined({before, answertext::trimBlanks(m_view.answer), after});
    return typedSentence == answertext::joined({item.textBefore, item.answer, item.textAfter});
}

void DrillEngine::reportWrongAnswer()
{
    m_feedback.beep();
    m_feedback.message(kWrongAnswerTitle.toString(), kWrongAnswer.toString(),
                       MessageIcon::Exclamation);
}

void DrillEngine::acceptAnswer()
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    m_state.items.markUsed(m_state.currentItem);
    m_state.runningText +=
        answertext::completedSentence(item.textBefore, item.answer, item.textAfter);
    const std::optional<Range> range = chosenRange();
    if (passUnderWay() && range)
        nextItemOrFinish(*range);
}

void DrillEngine::nextItemOrFinish(Range range)
{
    const int count = range.last - range.first + 1;
    int unused = 0;
    for (int k = range.first; k <= range.last; ++k)
        unused += m_state.items.isUsed(k) ? 0 : 1;
    // Drawing among the unused items is the repeated draw that skips used ones, without its
    // unbounded loop; with none left the pass is over.
    if (m_state.shownCount >= count || unused == 0) {
        finishPass();
        return;
    }
    int remaining = draw(unused);
    for (int k = range.first; k <= range.last; ++k) {
        if (!m_state.items.isUsed(k) && remaining-- == 0) {
            m_state.currentItem = k;
            break;
        }
    }
    setImperativeMarker();
    ++m_state.shownCount;
    showSentence();
    setAnswer(QString(), 0);
    m_view.focus = FocusTarget::AnswerBox;
}

void DrillEngine::finishPass()
{
    m_feedback.beep();
    m_view.nextIsDefault = false;
    m_view.next.enabled = false;
    if (m_profile.solutionHiding == SolutionHiding::BeforeEndMessage)
        m_view.solution.visible = false;
    m_feedback.message(kEndTitle.toString(), kEndMessage.toString(), MessageIcon::Exclamation);
    m_view.startCaption = kRestartCaption.toString();
    if (m_profile.solutionHiding == SolutionHiding::AfterEndMessage)
        m_view.solution.visible = false;
    clearSentence();
    m_view.focus = FocusTarget::StartButton;
    m_state.items.clearUsedMarks();
    m_state.shownCount = 0;
}

void DrillEngine::showSolution()
{
    if (!m_view.solution.enabled || !m_view.solution.visible)
        return;
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    m_feedback.message(m_profile.solutionTitle.toString(),
                       answertext::joined({kSolutionPrefix, item.answer}),
                       MessageIcon::Exclamation);
    m_view.focus = FocusTarget::AnswerBox;
}

char16_t DrillEngine::typed(char16_t key)
{
    return answertext::convertAccentKey(key);
}

} // namespace drill
