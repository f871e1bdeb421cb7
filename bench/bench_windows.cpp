// The exercise windows offscreen: opening and closing one, and a whole pass typed at the keyboard,
// against a bare window with one label and one button measured in the same run.
#include "exercisewindow.h"
#include "fonts.h"
#include "typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

class SilentFeedback : public drill::Feedback
{
public:
    void beep() override {}
    void message(const QString &, const QString &, drill::MessageIcon) override {}
};

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_Baseline_OpenCloseBareWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto *window = new QMainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        auto *central = new QWidget(window);
        new QLabel(QStringLiteral("Etiqueta"), central);
        new QPushButton(QStringLiteral("Botón"), central);
        window->setCentralWidget(central);
        window->show();
        window->close();
        settle();
    }
}
BENCHMARK(BM_Baseline_OpenCloseBareWindow)->Unit(benchmark::kMillisecond);

// Load from the design with the item table, choose a set, show, leave.
void BM_OpenCloseExerciseWindow(benchmark::State &state)
{
    const ui::ExerciseProfile &profile = ui::kExerciseProfiles[state.range(0)];
    SilentFeedback feedback;
    for (auto _ : state) {
        auto *window = new ui::ExerciseWindow(
            profile, [] {}, &feedback);
        window->chooseFromMainMenu(0);
        window->show();
        window->close();
        settle();
    }
    state.SetLabel(profile.windowName.toString().toStdString());
}
BENCHMARK(BM_OpenCloseExerciseWindow)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Comenzar, then every item of the 16-item set 2/9 typed key by key with Enter, to the end.
void BM_KeyboardPass16Items(benchmark::State &state)
{
    SilentFeedback feedback;
    auto *window = new ui::ExerciseWindow(
        ui::kExerciseProfiles[0], [] {}, &feedback);
    window->chooseFromMainMenu(0);
    window->show();
    auto *start = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *answerBox = window->findChild<QLineEdit *>(QStringLiteral("Text2"));
    for (auto _ : state) {
        QTest::keyClick(start, Qt::Key_Space);
        while (window->engine().state().shownCount > 0) {
            const auto &drill = window->engine().state();
            QTest::keyClicks(answerBox,
                             testsupport::keysFor(drill.items.item(drill.currentItem).answer));
            QTest::keyClick(answerBox, Qt::Key_Return);
        }
    }
    delete window;
}
BENCHMARK(BM_KeyboardPass16Items)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::registerFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
