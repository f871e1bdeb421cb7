#include "answertext.h"
#include "drillengine.h"
#include "expected.h"
#include "recordingfeedback.h"
#include "spokenitem.h"
#include "testitems.h"

#include <QTest>
#include <tuple>

using namespace Qt::Literals::StringLiterals;
using drill::DrillEngine;
using testsupport::RecordingFeedback;

namespace {

const QString kBeep = u"beep"_s;
const QString kCapital =
    testsupport::messageEvent(expected::kCapitalTitle, expected::kCapitalWarning);
const QString kWrong = testsupport::messageEvent(expected::kWrongTitle, expected::kWrongAnswer);

// The reference behaviour of blank collapsing: replace the first pair of blanks until none is left.
QString collapseByRepeatedReplace(QString text)
{
    for (qsizetype at = text.indexOf(u"  "_s); at >= 0; at = text.indexOf(u"  "_s))
        text.replace(at, 2, u" "_s);
    return text;
}

} // namespace

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accentKeys_data();
    void accentKeys();
    void collapseMatchesRepeatedReplace_data();
    void collapseMatchesRepeatedReplace();
    void runningTextRules_data();
    void runningTextRules();
    void spokenItem_data();
    void spokenItem();
    void check_data();
    void check();
    void checkKeepsItemAndCaretAfterWrongAnswer();
};

void TestAnswerCheck::accentKeys_data()
{
    QTest::addColumn<char16_t>("key");
    QTest::addColumn<char16_t>("shown");
    QTest::newRow("semicolon") << char16_t(u';') << char16_t(u'é');
    QTest::newRow("apostrophe") << char16_t(u'\'') << char16_t(u'á');
    QTest::newRow("grave accent") << char16_t(u'`') << char16_t(u'í');
    QTest::newRow("left bracket") << char16_t(u'[') << char16_t(u'ñ');
    QTest::newRow("slash") << char16_t(u'/') << char16_t(u'ú');
    QTest::newRow("backslash") << char16_t(u'\\') << char16_t(u'ó');
    // The keyboard help pairs @ and # with the inverted marks, but they are not converted.
    QTest::newRow("at sign") << char16_t(u'@') << char16_t(u'@');
    QTest::newRow("number sign") << char16_t(u'#') << char16_t(u'#');
    QTest::newRow("right bracket") << char16_t(u']') << char16_t(u']');
    QTest::newRow("double quote") << char16_t(u'"') << char16_t(u'"');
    QTest::newRow("letter") << char16_t(u'a') << char16_t(u'a');
    QTest::newRow("accented letter") << char16_t(u'é') << char16_t(u'é');
    QTest::newRow("carriage return") << char16_t(u'\r') << char16_t(u'\r');
}

void TestAnswerCheck::accentKeys()
{
    QFETCH(char16_t, key);
    QFETCH(char16_t, shown);
    QCOMPARE(DrillEngine::typed(key), shown);
}

void TestAnswerCheck::collapseMatchesRepeatedReplace_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one blank") << u" "_s;
    QTest::newRow("inner run") << u"se   acuestan"_s;
    QTest::newRow("leading and trailing runs") << u"   se  acuestan    "_s;
    QTest::newRow("tabs are not blanks") << u"se \t  acuestan"_s;
    QTest::newRow("blanks only") << QString(1000, u' ');
    QTest::newRow("mixed") << u" a  b   c    d     e "_s;
}

void TestAnswerCheck::collapseMatchesRepeatedReplace()
{
    QFETCH(QString, text);
    QCOMPARE(drill::answertext::collapseBlanks(text), collapseByRepeatedReplace(text));
}

void TestAnswerCheck::runningTextRules_data()
{
    QTest::addColumn<QString>("textBefore");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("appended");
    QTest::newRow("ordinary") << u"El señor Pérez"_s << u"compra"_s << u"un coche."_s
                              << u"El señor Pérez compra un coche. "_s;
    QTest::newRow("gap opens the sentence")
        << QString() << u"Estudiamos"_s << u"mucho."_s << u" Estudiamos mucho. "_s;
    QTest::newRow("question mark alone")
        << u"¿Dónde"_s << u"coméis"_s << u"?"_s << u"¿Dónde coméis? "_s;
    QTest::newRow("full stop alone") << u"No"_s << u"te caigas"_s << u"."_s << u"No te caigas. "_s;
    QTest::newRow("exclamation mark alone") << u"No"_s << u"grites"_s << u"!"_s << u"No grites! "_s;
    QTest::newRow("opening question mark")
        << u"¿"_s << u"Trabajas"_s << u"en el hospital?"_s << u"¿Trabajas en el hospital? "_s;
    QTest::newRow("opening exclamation mark")
        << u"¡"_s << u"Ven"_s << u"aquí!"_s << u"¡Ven aquí! "_s;
    // The closing-mark rule comes first, so a blank follows the opening mark here.
    QTest::newRow("both marks alone") << u"¿"_s << u"Trabajas"_s << u"?"_s << u"¿ Trabajas? "_s;
    QTest::newRow("mark with blank is not the mark")
        << u"¿ "_s << u"Trabajas"_s << u"aquí?"_s << u"¿  Trabajas aquí? "_s;
}

void TestAnswerCheck::runningTextRules()
{
    QFETCH(QString, textBefore);
    QFETCH(QString, answer);
    QFETCH(QString, textAfter);
    QFETCH(QString, appended);
    QCOMPARE(drill::answertext::completedSentence(textBefore, answer, textAfter), appended);
}

void TestAnswerCheck::spokenItem_data()
{
    QTest::addColumn<QStringList>("shown"); // text before and after the gap, person, infinitive
    QTest::addColumn<QString>("spoken");
    QTest::newRow("gap inside") << QStringList{u"Mi madre "_s, u" desde casa."_s, u""_s,
                                               u"trabajar"_s}
                                << u"Mi madre, hueco, desde casa. Infinitivo: trabajar."_s;
    QTest::newRow("question opens on the gap")
        << QStringList{u"¿ "_s, u" a tus padres?"_s, u"2 2"_s, u"escribir"_s}
        << u"¿hueco, a tus padres? Infinitivo: escribir. Persona: vosotros o vosotras."_s;
    QTest::newRow("gap ends the sentence")
        << QStringList{u"¿Cuánto "_s, u" ?"_s, u"3"_s, u"costar"_s}
        << u"¿Cuánto, hueco? Infinitivo: costar. Persona: él, ella o usted."_s;
    QTest::newRow("no item on show") << QStringList{u" "_s, u" "_s, u""_s, u""_s} << QString();
    // Every other person code, said as the persons it stands for.
    const QString persons[][2] = {{u"1"_s, u"yo"_s},
                                  {u"2"_s, u"tú"_s},
                                  {u"1 1"_s, u"nosotros o nosotras"_s},
                                  {u"3 3"_s, u"ellos, ellas o ustedes"_s}};
    for (const auto &[code, said] : persons) {
        QTest::addRow("person %s", qPrintable(code))
            << QStringList{u" "_s, u" mucho."_s, code, u"leer"_s}
            << u"hueco, mucho. Infinitivo: leer. Persona: "_s + said + u'.';
    }
}

// What the answer box says to a screen reader.
void TestAnswerCheck::spokenItem()
{
    QFETCH(QStringList, shown);
    QFETCH(QString, spoken);
    drill::DrillView view;
    std::tie(view.textBefore, view.textAfter, view.person, view.infinitive) =
        std::tuple(shown[0], shown[1], shown[2], shown[3]);
    QCOMPARE(drill::spokenItem(view), spoken);
}

void TestAnswerCheck::check_data()
{
    QTest::addColumn<QString>("where"); // the test items, plain or collapsing, or a window
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("boxAfter"); // when not accepted

    const QStringList none;
    const QStringList wrong{kBeep, kWrong};
    const QStringList capital{kBeep, kCapital};
    const QStringList capitalThenWrong{kBeep, kCapital, kBeep, kWrong};

    QTest::newRow("right") << u"plain"_s << 0 << u"toma"_s << none << true << QString();
    QTest::newRow("blanks around are trimmed")
        << u"plain"_s << 0 << u"  toma  "_s << none << true << QString();
    QTest::newRow("capital is wrong inside the sentence")
        << u"plain"_s << 0 << u"Toma"_s << wrong << false << u"Toma"_s;
    QTest::newRow("empty, gap inside the sentence")
        << u"plain"_s << 0 << QString() << wrong << false << QString();
    QTest::newRow("blanks only, gap inside the sentence")
        << u"plain"_s << 0 << u"   "_s << wrong << false << u"   "_s;
    QTest::newRow("small first letter is capitalised")
        << u"plain"_s << 1 << u"estudiamos"_s << capital << true << QString();
    QTest::newRow("capitalised, then still wrong")
        << u"plain"_s << 1 << u"estudiamo"_s << capitalThenWrong << false << u"Estudiamo"_s;
    QTest::newRow("capital in place: no warning")
        << u"plain"_s << 1 << u"Estudiamos"_s << none << true << QString();
    QTest::newRow("sentence-initial answer is trimmed in the box")
        << u"plain"_s << 1 << u"  Estudiamo  "_s << wrong << false << u"Estudiamo"_s;
    QTest::newRow("empty sentence-initial answer does nothing")
        << u"plain"_s << 1 << u"    "_s << none << false << QString();
    QTest::newRow("no upper-case form: no warning")
        << u"plain"_s << 1 << u"1studiamos"_s << wrong << false << u"1studiamos"_s;
    QTest::newRow("capital after the opening question mark")
        << u"plain"_s << 2 << u"trabajas"_s << capital << true << QString();
    QTest::newRow("capital after the opening exclamation mark")
        << u"plain"_s << 7 << u"ten"_s << capital << true << QString();
    QTest::newRow("accented first letter")
        << u"plain"_s << 1 << u"éstudiamos"_s << capitalThenWrong << false << u"Éstudiamos"_s;
    QTest::newRow("inner blanks collapsed where the window does it")
        << u"collapsing"_s << 3 << u"se   acuestan"_s << none << true << QString();
    QTest::newRow("inner blanks kept elsewhere")
        << u"plain"_s << 3 << u"se   acuestan"_s << wrong << false << u"se   acuestan"_s;
    QTest::newRow("collapsing shows in the box")
        << u"collapsing"_s << 3 << u"  se  acuestas   "_s << wrong << false << u" se acuestas "_s;
    QTest::newRow("accent missing") << u"plain"_s << 4 << u"esta"_s << wrong << false << u"esta"_s;
    QTest::newRow("accent typed") << u"plain"_s << 4 << u"está"_s << none << true << QString();
    QTest::newRow("decomposed accent is another text")
        << u"plain"_s << 4 << u"esta\u0301"_s << wrong << false << u"esta\u0301"_s;
    QTest::newRow("closing mark alone after the gap")
        << u"plain"_s << 5 << u"coméis"_s << none << true << QString();
    QTest::newRow("two-word answer")
        << u"plain"_s << 6 << u"te caigas"_s << none << true << QString();
    QTest::newRow("tab is not a blank")
        << u"plain"_s << 0 << u"toma\t"_s << wrong << false << u"toma\t"_s;
    QTest::newRow("right-to-left mark")
        << u"plain"_s << 0 << u"\u200Ftoma"_s << wrong << false << u"\u200Ftoma"_s;
    QTest::newRow("control character")
        << u"plain"_s << 0 << u"to\u0007ma"_s << wrong << false << u"to\u0007ma"_s;
    QTest::newRow("letter beyond the basic plane is upper-cased whole")
        << u"plain"_s << 1 << u"\U00010428studiamos"_s << capitalThenWrong << false
        << u"\U00010400studiamos"_s;
    QTest::newRow("no single upper-case letter: no warning")
        << u"plain"_s << 1 << u"ßtudiamos"_s << wrong << false << u"ßtudiamos"_s;
    QTest::newRow("lone surrogate")
        << u"plain"_s << 1 << QString(QChar(0xD801)) << wrong << false << QString(QChar(0xD801));
    QTest::newRow("100 000 characters")
        << u"collapsing"_s << 0 << QString(100000, u'a') << wrong << false << QString(100000, u'a');
    QTest::newRow("100 000 blanks, sentence-initial")
        << u"collapsing"_s << 1 << QString(100000, u' ') << none << false << QString();
    // Each window with its own items and drill: blanks collapse in zor_ige2 and zor_ige3 only.
    QTest::newRow("zor_ige1 keeps inner blanks")
        << u"zor_ige1"_s << 0 << u"com  pra"_s << wrong << false << u"com  pra"_s;
    QTest::newRow("zor_ige1 capital")
        << u"zor_ige1"_s << 3 << u"preparo"_s << capital << true << QString();
    QTest::newRow("zor_ige2 collapses blanks")
        << u"zor_ige2"_s << 4 << u"me   despierto"_s << none << true << QString();
    QTest::newRow("zor_ige2 capital")
        << u"zor_ige2"_s << 5 << u"os despertáis"_s << capital << true << QString();
    QTest::newRow("zor_ige3 collapses blanks")
        << u"zor_ige3"_s << 10 << u"cue  sta"_s << wrong << false << u"cue sta"_s;
    QTest::newRow("zor_ige3 collapses, then capitalises")
        << u"zor_ige3"_s << 6 << u"me   dirij"_s << capitalThenWrong << false << u"Me dirij"_s;
}

void TestAnswerCheck::check()
{
    QFETCH(QString, where);
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(QStringList, events);
    QFETCH(bool, accepted);
    QFETCH(QString, boxAfter);

    const bool window = where.startsWith(u"zor_ige");
    const content::ExerciseGroup &group =
        window ? content::exerciseGroups()[where.back().digitValue() - 1] : testitems::kGroup;
    const drill::DrillProfile &profile = window                   ? drill::profileOf(group)
                                         : where == u"collapsing" ? testitems::kCollapsing
                                                                  : testitems::kPlain;
    RecordingFeedback feedback;
    DrillEngine engine(group, profile, feedback, testsupport::scriptedDraw({item}));
    engine.chooseSet(0);
    engine.start();
    QCOMPARE(engine.state().currentItem, item);

    engine.answerEdited(typed, typed.size());
    engine.submit();

    QCOMPARE(feedback.events, events);
    for (drill::MessageIcon icon : feedback.icons)
        QCOMPARE(icon, drill::MessageIcon::Exclamation);
    QCOMPARE(engine.state().items.isUsed(item), accepted);
    QCOMPARE(engine.state().shownCount, qint16(accepted ? 2 : 1));
    if (!accepted) {
        QCOMPARE(engine.state().currentItem, item);
        QCOMPARE(engine.view().answer, boxAfter);
        QVERIFY(engine.state().runningText.isEmpty());
    } else {
        QVERIFY(engine.view().answer.isEmpty());
        QVERIFY(engine.state().runningText.startsWith(group.items[item].textBefore));
    }
}

void TestAnswerCheck::checkKeepsItemAndCaretAfterWrongAnswer()
{
    RecordingFeedback feedback;
    DrillEngine engine(testitems::kGroup, testitems::kPlain, feedback,
                       testsupport::scriptedDraw({0}));
    engine.chooseSet(0);
    engine.start();
    engine.answerEdited(u"tomo"_s, 1);
    engine.takeFocusRequest();
    engine.submit();
    QCOMPARE(engine.view().answerCaret, qsizetype(4));
    QCOMPARE(engine.takeFocusRequest(), drill::FocusTarget::Unchanged);
    QCOMPARE(engine.view().textBefore, u"La señorita "_s);
    QCOMPARE(engine.view().textAfter, u" el autobús."_s);
    // Retrying costs nothing but the message.
    engine.answerEdited(u"toma"_s, 4);
    engine.submit();
    QVERIFY(engine.state().items.isUsed(0));
    QCOMPARE(feedback.beeps(), 1);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
