#include "drillengine.h"

#include "answertext.h"
#include "messages.h"

#include <QRandomGenerator>
#include <algorithm>

namespace drill {

using namespace Qt::Literals::StringLiterals;

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
    m_view.command1 = {kStartCaption.toString(), false, true};
    m_view.command2 = {u"Si&guiente"_s, true, false};
    m_view.solution = {u"So&lución"_s, true, false};
    m_view.setButtonEnabled.assign(group.sets.size(), true);
}

FocusTarget DrillEngine::takeFocusRequest()
{
    return std::exchange(m_view.focus, FocusTarget::Unchanged);
}

void DrillEngine::Form_Load()
{
    m_state.items.clearUsedMarks();
    m_state.shownCount = 0;
}

void DrillEngine::setButtonClick(int set)
{
    if (set < 0 || set >= static_cast<int>(m_group.sets.size()) || !m_view.setButtonEnabled[set])
        return; // a disabled button takes no clicks
    resetDrill();
    m_view.setButtonEnabled[set] = false;
    m_view.label1 = m_group.sets[set].codeLabel.toString();
}

void DrillEngine::chooseFromMainMenu(int set)
{
    if (set < 0 || set >= static_cast<int>(m_group.sets.size()))
        return;
    m_view.setButtonEnabled[set] = false;
    m_view.command1.enabled = true;
    m_view.label1 = m_group.sets[set].mainMenuCodeLabel.toString();
}

void DrillEngine::resetDrill()
{
    m_view.command1.enabled = true;
    m_view.command1.caption = kStartCaption.toString();
    std::fill(m_view.setButtonEnabled.begin(), m_view.setButtonEnabled.end(), true);
    m_view.label6.clear();
    m_view.label7.clear();
    m_view.label8.clear();
    m_view.label9.clear();
    setAnswerText(QString(), 0);
    setRunningText(QString());
    if (m_profile.imperativeAfter)
        m_view.imperativeMarkerVisible = false;
    m_state.shownCount = 0;
    m_state.items.clearUsedMarks();
}

std::optional<DrillEngine::Range> DrillEngine::chosenRange() const
{
    for (std::size_t k = 0; k < m_group.sets.size(); ++k) {
        if (!m_view.setButtonEnabled[k]) {
            const Range range{m_group.sets[k].first, m_group.sets[k].last};
            if (isValid(range))
                return range;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool DrillEngine::isValid(Range range) const
{
    return range.first <= range.last && m_state.items.contains(range.first) &&
           m_state.items.contains(range.last);
}

int DrillEngine::draw(int count)
{
    const int index = m_drawIndex(count);
    Q_ASSERT(index >= 0 && index < count);
    return std::clamp(index, 0, count - 1);
}

void DrillEngine::Command1_Click()
{
    if (!m_view.command1.enabled)
        return;
    std::optional<Range> range;
    if (m_state.shownCount < 1) {
        range = chosenRange();
        if (!range)
            return; // no set chosen: nothing to start
    }
    m_view.command2.visible = true;
    m_view.solution.visible = true;
    m_view.command2.enabled = true;
    m_view.command2IsDefault = true;
    setRunningText(QString());
    // Marks left by an answer accepted between passes must not reach the new pass.
    m_state.items.clearUsedMarks();
    if (range)
        drawFirstItem(range->first, range->last);
    showCurrentItem();
    m_view.focus = FocusTarget::AnswerBox;
    m_view.command1.enabled = false;
}

void DrillEngine::drawFirstItem(qint16 first, qint16 last)
{
    if (!isValid({first, last}))
        return;
    m_state.currentItem = first + draw(last - first + 1);
    m_state.shownCount = 1;
    setImperativeMarker();
}

void DrillEngine::setImperativeMarker()
{
    if (m_profile.imperativeAfter)
        m_view.imperativeMarkerVisible = m_state.currentItem > *m_profile.imperativeAfter;
}

void DrillEngine::showCurrentItem()
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    m_view.label6 = answertext::joined({item.textBefore, u" "});
    m_view.label7 = answertext::joined({u" ", item.textAfter});
    m_view.label8 = item.person.toString();
    m_view.label9 = item.infinitive.toString();
}

void DrillEngine::Command2_Click()
{
    if (!m_view.command2.enabled || !m_view.command2.visible)
        return;
    if (m_profile.collapsesBlanks)
        collapseBlanks();
    if (!fixInitialCapital())
        return;
    if (typedSentenceMatches()) {
        acceptAnswer();
    } else {
        reportWrongAnswer();
        m_view.text2Cursor = m_view.text2.size();
    }
}

void DrillEngine::collapseBlanks()
{
    QString collapsed = answertext::collapseBlanks(m_view.text2);
    if (collapsed.size() != m_view.text2.size())
        setAnswerText(std::move(collapsed), 0);
}

bool DrillEngine::fixInitialCapital()
{
    if (!answertext::isSentenceInitial(m_view.label6))
        return true;
    QString text = answertext::trimBlanks(m_view.text2).toString();
    if (text.isEmpty()) {
        setAnswerText(QString(), 0);
        return false; // no first letter to capitalise: the check ends quietly
    }
    const bool changed = answertext::upperCaseFirstLetter(text);
    // The caret stands after the replaced first letter, as after replacing a selection.
    const qsizetype cursor = text.size() > 1 && text[0].isHighSurrogate() ? 2 : 1;
    setAnswerText(std::move(text), cursor);
    if (changed) {
        m_feedback.beep();
        m_feedback.message(kCapitalTitle.toString(), kCapitalWarning.toString(),
                           MessageIcon::Exclamation);
    }
    return true;
}

bool DrillEngine::typedSentenceMatches() const
{
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    const QStringView before = answertext::chopTrailingBlanks(m_view.label6);
    const QStringView typed = answertext::trimBlanks(m_view.text2);
    const QStringView after = answertext::chopLeadingBlanks(m_view.label7);
    const QString typedSentence = answertext::joined({before, typed, after});
    const QString storedSentence =
        answertext::joined({item.textBefore, item.answer, item.textAfter});
    return typedSentence == storedSentence;
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
    setRunningText(m_state.runningText +
                   answertext::completedSentence(item.textBefore, item.answer, item.textAfter));
    if (m_state.shownCount > 0) {
        if (const std::optional<Range> range = chosenRange())
            nextItemOrFinish(range->first, range->last);
    }
}

void DrillEngine::nextItemOrFinish(qint16 first, qint16 last)
{
    if (!isValid({first, last}))
        return;
    const int count = last - first + 1;
    int unused = 0;
    for (int k = first; k <= last; ++k)
        unused += m_state.items.isUsed(k) ? 0 : 1;
    // Drawing among the unused items is the repeated draw that skips used ones, without its
    // unbounded loop; with none left the pass is over.
    if (m_state.shownCount >= count || unused == 0) {
        finishPass();
        return;
    }
    int remaining = draw(unused);
    for (int k = first; k <= last; ++k) {
        if (!m_state.items.isUsed(k) && remaining-- == 0) {
            m_state.currentItem = k;
            break;
        }
    }
    setImperativeMarker();
    ++m_state.shownCount;
    showCurrentItem();
    setAnswerText(QString(), 0);
    m_view.focus = FocusTarget::AnswerBox;
}

void DrillEngine::finishPass()
{
    m_feedback.beep();
    m_view.command2IsDefault = false;
    m_view.command2.enabled = false;
    if (m_profile.solutionHiding == SolutionHiding::BeforeEndMessage)
        m_view.solution.visible = false;
    m_feedback.message(kEndTitle.toString(), kEndMessage.toString(), MessageIcon::Exclamation);
    m_view.command1.enabled = true;
    m_view.command1.caption = kRestartCaption.toString();
    if (m_profile.solutionHiding == SolutionHiding::AfterEndMessage)
        m_view.solution.visible = false;
    m_view.label6.clear();
    m_view.label7.clear();
    m_view.label8.clear();
    m_view.label9.clear();
    setAnswerText(QString(), 0);
    m_view.focus = FocusTarget::StartButton;
    m_state.items.clearUsedMarks();
    m_state.shownCount = 0;
}

void DrillEngine::solutionClick()
{
    if (!m_view.solution.enabled || !m_view.solution.visible)
        return;
    const content::DrillItem item = m_state.items.item(m_state.currentItem);
    m_feedback.message(m_profile.solutionTitle.toString(),
                       answertext::joined({kSolutionPrefix, item.answer}),
                       MessageIcon::Exclamation);
    m_view.focus = FocusTarget::AnswerBox;
}

void DrillEngine::Text5_Change()
{
    m_view.text5Cursor = m_state.runningText.size();
}

void DrillEngine::setRunningText(QString text)
{
    if (text == m_state.runningText)
        return;
    m_state.runningText = std::move(text);
    Text5_Change();
}

void DrillEngine::Text2_KeyPress(char16_t &keyAscii)
{
    keyAscii = answertext::convertAccentKey(keyAscii);
}

void DrillEngine::Text2_Change(const QString &text, qsizetype cursor)
{
    m_view.text2 = text;
    m_view.text2Cursor = std::clamp<qsizetype>(cursor, 0, text.size());
}

void DrillEngine::setAnswerText(QString text, qsizetype cursor)
{
    m_view.text2 = std::move(text);
    m_view.text2Cursor = std::clamp<qsizetype>(cursor, 0, m_view.text2.size());
}

void DrillEngine::movi()
{
    for (std::size_t k = 0; k < m_group.sets.size(); ++k) {
        if (!m_view.setButtonEnabled[k]) {
            m_view.hintLine = m_group.sets[k].hint.toString();
            return;
        }
    }
}

void DrillEngine::setButtonMouseMove(int set)
{
    if (set < 0 || set >= static_cast<int>(m_group.sets.size()) || !m_view.setButtonEnabled[set])
        return; // a disabled button raises no mouse events
    m_view.hintLine = m_group.sets[set].hint.toString();
}

void DrillEngine::showHint(const QString &text)
{
    m_view.hintLine = text;
}

} // namespace drill
