// The engine's cost per answer, measured against a baseline run in the same process.
#include "catalogue.h"
#include "drillengine.h"

#include <benchmark/benchmark.h>

namespace {

class SilentFeedback : public drill::Feedback
{
public:
    void beep() override {}
    void message(const QString &, const QString &, drill::MessageIcon) override {}
};

const content::ExerciseGroup &zorIge3()
{
    return content::exerciseGroups()[2];
}

// Baseline: the string work a check cannot avoid (copy the typed text, compare two sentences).
void BM_Baseline_CompareSentence(benchmark::State &state)
{
    const content::DrillItem &item = zorIge3().items[40];
    const QString stored =
        item.textBefore.toString() + item.answer.toString() + item.textAfter.toString();
    for (auto _ : state) {
        QString typed =
            item.textBefore.toString() + item.answer.toString() + item.textAfter.toString();
        benchmark::DoNotOptimize(typed == stored);
    }
}
BENCHMARK(BM_Baseline_CompareSentence);

// A right answer through submit(), including the draw of the next item.
void BM_RightAnswerAndNextDraw(benchmark::State &state)
{
    SilentFeedback feedback;
    drill::DrillEngine engine(zorIge3(), drill::profileOf(zorIge3()), feedback,
                              drill::randomDrawIndex());
    engine.chooseSet(2); // 9+10: all 79 items
    engine.start();
    for (auto _ : state) {
        const QString answer =
            engine.state().items.item(engine.state().currentItem).answer.toString();
        engine.answerEdited(answer, answer.size());
        engine.submit();
        if (engine.state().shownCount == 0) { // a pass ended: start the next one untimed
            state.PauseTiming();
            engine.start();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RightAnswerAndNextDraw);

// A whole pass of the 79-item set, Comenzar to the end message.
void BM_WholePassOf79Items(benchmark::State &state)
{
    SilentFeedback feedback;
    drill::DrillEngine engine(zorIge3(), drill::profileOf(zorIge3()), feedback,
                              drill::randomDrawIndex());
    engine.chooseSet(2);
    for (auto _ : state) {
        engine.start();
        while (engine.state().shownCount > 0) {
            const QString answer =
                engine.state().items.item(engine.state().currentItem).answer.toString();
            engine.answerEdited(answer, answer.size());
            engine.submit();
        }
    }
}
BENCHMARK(BM_WholePassOf79Items)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
