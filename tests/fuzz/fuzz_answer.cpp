// Fuzz target of the answer path: typed keys, the answer box and the check, and the text rules
// beneath them. Built as a libFuzzer target and, with a small main, as a replay of the corpus.
//
// Input layout (missing bytes read as 0):
//   byte 0   bits 0-6: window (modulo 3); bit 7: the rest is UTF-16 (little-endian units, an odd
//            last byte dropped) instead of UTF-8
//   byte 1   the exercise set (modulo the window's sets)
//   byte 2   the draw: the first item drawn is first + byte 2 modulo the set's size
//   byte 3-4 blanks typed before the right answer (little-endian, modulo 4097)
//   byte 5-6 blanks typed after it (likewise)
//   byte 7   further right answers after the first (modulo 100), through whole passes
//   byte 8   signed shift of the caret handed in with the typed text
//   rest     the text, typed key by key into the answer box

#include "answertext.h"
#include "catalogue.h"
#include "drillengine.h"
#include "drillprofile.h"
#include "messages.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

namespace at = drill::answertext;

constexpr std::size_t kMaxInput = 64 * 1024;
constexpr std::size_t kHeaderSize = 9;
constexpr qsizetype kMaxBlanks = 4096;
constexpr qsizetype kNaiveCollapseLimit = 512;
constexpr qsizetype kDirectTextLimit = 4096;

[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "fuzz_answer: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  detail: %s\n", detail.toUtf8().constData());
    std::abort();
}

void require(bool condition, const char *what, const QString &detail = QString())
{
    if (!condition)
        fail(what, detail);
}

struct Counts
{
    int beeps = 0;
    int wrong = 0;
    int capital = 0;
    int end = 0;
    int other = 0;
};

// Counts the beeps and messages instead of beeping and blocking.
class CountingFeedback : public drill::Feedback
{
public:
    void beep() override { ++counts.beeps; }
    void message(const QString &title, const QString &text, drill::MessageIcon) override
    {
        if (title == drill::kWrongAnswerTitle && text == drill::kWrongAnswer)
            ++counts.wrong;
        else if (title == drill::kCapitalTitle && text == drill::kCapitalWarning)
            ++counts.capital;
        else if (title == drill::kEndTitle && text == drill::kEndMessage)
            ++counts.end;
        else
            ++counts.other;
    }

    Counts counts;
};

struct Input
{
    const std::uint8_t *data;
    std::size_t size;

    std::uint8_t byte(std::size_t k) const { return k < size ? data[k] : 0; }
    unsigned word(std::size_t k) const { return byte(k) | unsigned(byte(k + 1)) << 8; }
};

QString decodeText(const Input &in)
{
    if (in.size <= kHeaderSize)
        return QString();
    const auto *rest = in.data + kHeaderSize;
    const std::size_t restSize = in.size - kHeaderSize;
    if (!(in.byte(0) & 0x80))
        return QString::fromUtf8(reinterpret_cast<const char *>(rest), qsizetype(restSize));
    QString text;
    text.reserve(qsizetype(restSize / 2));
    for (std::size_t k = 0; k + 1 < restSize; k += 2)
        text.append(QChar(char16_t(rest[k] | unsigned(rest[k + 1]) << 8)));
    return text;
}

// Repeatedly replaces the first pair of blanks with one blank.
QString collapseByReplacing(QString text)
{
    for (qsizetype pos = text.indexOf(u"  "); pos >= 0; pos = text.indexOf(u"  "))
        text.replace(pos, 2, u" "_s);
    return text;
}

QString withoutBlanks(QStringView text)
{
    QString result;
    for (QChar c : text) {
        if (c != u' ')
            result.append(c);
    }
    return result;
}

bool isSubview(QStringView part, QStringView whole)
{
    return part.isEmpty() || (part.data() >= whole.data() &&
                              part.data() + part.size() <= whole.data() + whole.size());
}

void checkTextRules(const QString &full, const Input &in)
{
    const QString text = full.first(std::min(full.size(), kDirectTextLimit));

    for (QChar c : text) {
        const char16_t converted = at::convertAccentKey(c.unicode());
        require(at::convertAccentKey(converted) == converted, "a converted key converts again");
    }

    const QString collapsed = at::collapseBlanks(text);
    require(!collapsed.contains(u"  "), "two blanks in a row after collapsing", collapsed);
    require(withoutBlanks(collapsed) == withoutBlanks(text), "collapsing lost a non-blank");
    require(at::collapseBlanks(collapsed) == collapsed, "collapsing twice changes the text");
    if (text.size() <= kNaiveCollapseLimit)
        require(collapsed == collapseByReplacing(text),
                "collapsing differs from repeated first-pair replacement", text);

    const QStringView trimmed = at::trimBlanks(text);
    require(isSubview(trimmed, text), "trimmed text outside the text");
    require(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '), "a blank left after trimming");
    require(at::chopLeadingBlanks(at::chopTrailingBlanks(text)) == trimmed,
            "trimming depends on the side first chopped");

    const QString padded =
        QString(qsizetype(in.byte(3) % 8), u' ') + text + QString(qsizetype(in.byte(5) % 8), u' ');
    require(at::isSentenceInitial(padded) == at::isSentenceInitial(text),
            "blanks change whether a gap opens the sentence", text);

    QString upper = text;
    const bool changed = at::upperCaseFirstLetter(upper);
    require(changed == (upper != text), "upper-casing reports a change it did not make");
    if (!text.isEmpty()) {
        const qsizetype firstLength =
            text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
        require(upper.endsWith(QStringView(text).sliced(firstLength)),
                "upper-casing touched more than the first letter", text);
    }

    // Three pieces of the text, cut where bytes 1 and 2 say.
    const qsizetype cut1 = text.isEmpty() ? 0 : qsizetype(in.byte(1)) % (text.size() + 1);
    const qsizetype cut2 =
        cut1 + (text.isEmpty() ? 0 : qsizetype(in.byte(2)) % (text.size() - cut1 + 1));
    const QStringView view(text);
    const QStringView before = view.first(cut1);
    const QStringView answer = view.sliced(cut1, cut2 - cut1);
    const QStringView after = view.sliced(cut2);
    require(at::joined({before, answer, after}) == text, "joined pieces differ from the whole");
    const QString sentence = at::completedSentence(before, answer, after);
    const qsizetype pieces = before.size() + answer.size() + after.size();
    require(sentence.size() == pieces + 2 || sentence.size() == pieces + 3,
            "completed sentence of an unexpected length");
    require(sentence.startsWith(before) && sentence.endsWith(u' ') && sentence.contains(answer),
            "completed sentence lost a piece");
}

struct Run
{
    const content::ExerciseGroup &group;
    const drill::DrillProfile &profile;
    const content::ExerciseSet &set;
    CountingFeedback &feedback;
    drill::DrillEngine &engine;

    void checkState() const
    {
        const drill::DrillState &state = engine.state();
        const int setSize = set.last - set.first + 1;
        require(state.shownCount >= 0 && state.shownCount <= setSize, "shown count out of range");
        require(state.items.contains(state.currentItem), "current item outside the table");
        if (state.shownCount > 0)
            require(state.currentItem >= set.first && state.currentItem <= set.last,
                    "current item outside the chosen set");
        const drill::DrillView &view = engine.view();
        require(view.answerCaret >= 0 && view.answerCaret <= view.answer.size(),
                "caret outside the answer box");
        require(feedback.counts.other == 0, "an unexpected message");
    }

    // Starts a pass when none is running.
    void ensurePass()
    {
        if (!engine.view().next.enabled) {
            engine.start();
            require(engine.view().next.enabled, "a pass does not start");
            require(engine.state().shownCount == 1, "a new pass does not show one item");
        }
    }

    void typeAndCheck(const QString &keys, int caretShift)
    {
        ensurePass();
        QString box;
        box.reserve(keys.size());
        for (QChar c : keys) {
            box.append(QChar(drill::DrillEngine::typed(c.unicode())));
        }
        engine.answerEdited(box, box.size() + qsizetype(caretShift) * 37);
        const int wrongBefore = feedback.counts.wrong;
        const QString runningBefore = engine.state().runningText;
        const bool initial = at::isSentenceInitial(engine.view().textBefore);
        engine.submit();
        checkState();

        const bool accepted = engine.state().runningText != runningBefore;
        if (accepted) {
            require(feedback.counts.wrong == wrongBefore, "an accepted answer reported wrong");
        } else if (feedback.counts.wrong == wrongBefore) {
            require(initial && at::trimBlanks(box).isEmpty(),
                    "an answer neither accepted nor reported wrong", box);
        } else {
            require(feedback.counts.wrong == wrongBefore + 1, "one check reported wrong twice");
            const drill::DrillView &view = engine.view();
            require(view.answerCaret == view.answer.size(),
                    "caret not at the end after a wrong answer");
            if (profile.collapsesBlanks)
                require(!view.answer.contains(u"  "), "blanks left uncollapsed after the check");
            else if (!initial)
                require(view.answer == box, "the box changed without blank collapsing");
        }
    }

    void answerRightly(qsizetype blanksBefore, qsizetype blanksAfter)
    {
        ensurePass();
        const int item = engine.state().currentItem;
        const content::DrillItem stored = engine.state().items.item(item);
        const QString typed =
            QString(blanksBefore, u' ') + stored.answer.toString() + QString(blanksAfter, u' ');
        const Counts counts = feedback.counts;
        const QString runningBefore = engine.state().runningText;
        const qint16 shownBefore = engine.state().shownCount;

        engine.answerEdited(typed, typed.size());
        engine.submit();
        checkState();

        const QString detail = group.window.toString() + u" item "_s + QString::number(item) +
                               u": "_s + stored.answer.toString();
        require(feedback.counts.wrong == counts.wrong, "a right answer with blanks reported wrong",
                detail);
        require(feedback.counts.capital == counts.capital,
                "a right answer drew the capital warning", detail);
        require(engine.state().runningText ==
                    runningBefore +
                        at::completedSentence(stored.textBefore, stored.answer, stored.textAfter),
                "a right answer did not add its sentence", detail);
        if (feedback.counts.end == counts.end) {
            require(engine.state().items.isUsed(item), "a right answer left its item unused",
                    detail);
            require(engine.state().shownCount == shownBefore + 1,
                    "no next item after a right answer", detail);
            require(!engine.state().items.isUsed(engine.state().currentItem),
                    "the next item was used already", detail);
        } else {
            require(feedback.counts.end == counts.end + 1, "two end messages for one answer");
            require(engine.state().shownCount == 0, "a finished pass left items shown");
            require(!engine.state().items.isUsed(item), "a finished pass left a used mark");
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > kMaxInput)
        return -1; // not added to the corpus
    const Input in{data, size};
    const QString text = decodeText(in);
    checkTextRules(text, in);

    const auto &groups = content::exerciseGroups();
    const content::ExerciseGroup &group = groups[(in.byte(0) & 0x7f) % groups.size()];
    const drill::DrillProfile &profile = drill::profileOf(group);
    const int setIndex = in.byte(1) % int(group.sets.size());
    const content::ExerciseSet &set = group.sets[setIndex];

    int draws = 0;
    auto drawIndex = [first = int(in.byte(2)), &draws](int count) {
        require(count >= 1, "a draw among no items");
        return (first + 7 * draws++) % count;
    };

    CountingFeedback feedback;
    drill::DrillEngine engine(group, profile, feedback, drawIndex);
    Run run{group, profile, set, feedback, engine};
    engine.chooseSet(setIndex);
    engine.start();
    run.checkState();
    require(engine.state().shownCount == 1, "the start shows no item");
    require(engine.state().currentItem == set.first + in.byte(2) % (set.last - set.first + 1),
            "the start did not show the drawn item");

    run.typeAndCheck(text, static_cast<std::int8_t>(in.byte(8)));
    run.answerRightly(qsizetype(in.word(3)) % (kMaxBlanks + 1),
                      qsizetype(in.word(5)) % (kMaxBlanks + 1));
    const int more = in.byte(7) % 100;
    for (int k = 0; k < more; ++k)
        run.answerRightly(k % 3, (k + in.byte(7)) % 4);
    return 0;
}
