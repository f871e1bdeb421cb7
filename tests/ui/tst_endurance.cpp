#include "exercisewindow.h"
#include "recordingfeedback.h"
#include "testmain.h"
#include "zor_ige11.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

qint64 residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Opens an exercise window, answers a few items (one of them wrongly first), leaves it.
void visit(int round, testsupport::RecordingFeedback &feedback)
{
    const ui::ExerciseProfile &profile = ui::kExerciseProfiles[round % 3];
    QPointer<ui::ExerciseWindow> window = new ui::ExerciseWindow(
        profile, [] {}, &feedback);
    window->show();
    window->chooseFromMainMenu(0);
    QTest::mouseClick(window->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    auto *answerBox = window->findChild<QLineEdit *>(u"Text2"_s);
    QTest::keyClicks(answerBox, u"x"_s);
    QTest::keyClick(answerBox, Qt::Key_Return);
    for (int k = 0; k < 3; ++k) {
        const auto &state = window->engine().state();
        answerBox->setText(state.items.item(state.currentItem).answer.toString());
        QTest::keyClick(answerBox, Qt::Key_Return);
    }
    QTest::mouseClick(window->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
    // As the event loop of the program would: posted events, then the deferred deletion.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    feedback.clear();
}

} // namespace

class TestEndurance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fiveHundredVisitsDoNotGrowMemory();
};

void TestEndurance::fiveHundredVisitsDoNotGrowMemory()
{
    testsupport::RecordingFeedback feedback;
    // Warm up: fonts, styles and glyph caches fill on the first visits.
    for (int round = 0; round < 100; ++round)
        visit(round, feedback);
    const qint64 before = residentKiB();
    QVERIFY(before > 0);
    for (int round = 0; round < 500; ++round) {
        visit(round, feedback);
        if (QTest::currentTestFailed())
            break;
    }
    const qint64 grown = residentKiB() - before;
    qInfo("resident memory grew by %lld KiB over 500 visits", grown);
    QVERIFY2(grown <= 2048, qPrintable(u"grew by %1 KiB"_s.arg(grown)));
}

ZOR_TEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
