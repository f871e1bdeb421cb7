// Debian's Spanish dictionary over every sentence of the drill and over every text the windows
// show a learner or give a screen reader, read from the windows themselves as a learner goes
// through the whole program: a dropped accent ("Lavais") or two words run together fail.
#include "alap.h"
#include "exercisewindow.h"
#include "hatter.h"
#include "recordingfeedback.h"
#include "sobre.h"
#include "zor_ige11.h"

#include <QAction>
#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using ui::ZOR_IGE11;

namespace {

// Words the dictionary does not know that stay as they are. A word of one letter names a letter
// (the verb types "A" to "F", the keyboard's table, the spaced-out title of the About window).
// clang-format off
const QSet<QString> kKeptSpellings = {
    u"cojugación"_s, u"siguente"_s,         // the program's own spelling of two hints, kept
    u"ZOR"_s, u"ZORrcicios"_s,              // its name, and the main menu's title as spelt
    u"er"_s, u"ie"_s, u"ue"_s,              // an ending ("-er"), stem changes ("e --> ie")
    u"Ind"_s,                               // "Ind. + Imp.", a set's subtitle in the main menu
    u"Enter"_s, u"Alt"_s, u"OnTop"_s,       // names of keys, and a menu item of the exercises
    u"Felszólítás"_s, u"tiltás"_s, u"ez"_s, // Hungarian: the imperative's gloss, "Mi ez?"
};
// clang-format on

// Spanish never writes ő or ű (stored as õ and û in places): a paragraph with one is Hungarian.
bool isHungarian(const QString &paragraph)
{
    static const QRegularExpression letters(u"[őűŐŰõûÕÛ]"_s);
    return letters.match(paragraph).hasMatch();
}

// Fails with each word that neither the dictionary nor the kept spellings know, once for each
// place it is seen in; where: each text's place. hunspell's pipe mode answers each line ("^":
// plain text, whatever its first character) with a line per word, "&" or "#" first for an
// unknown one, and an empty line.
void checkSpelling(const QHash<QString, QString> &where)
{
    const QStringList texts = where.keys();
    QProcess hunspell;
    hunspell.start(u"hunspell"_s, {u"-d"_s, u"es_ES"_s, u"-a"_s, u"-i"_s, u"UTF-8"_s});
    for (QString text : texts)
        hunspell.write('^' + text.replace(u'\r', u' ').replace(u'\n', u' ').toUtf8() + '\n');
    hunspell.closeWriteChannel();
    QVERIFY2(
        hunspell.waitForFinished(-1) && hunspell.exitCode() == 0,
        "hunspell or its Spanish dictionary is missing; scripts/install-deps test installs them");
    const QList<QByteArray> lines = hunspell.readAllStandardOutput().split('\n');
    QMap<QString, QString> faults; // by place and word, with the text around its first sighting
    qsizetype k = 0;
    for (const QByteArray &line : lines.mid(1, lines.size() - 2)) { // after the version banner
        const QString word = QString::fromUtf8(line.split(' ').value(1));
        const QString fault = u"%1: \"%2\""_s.arg(where[texts.value(k)], word);
        if (line.isEmpty()) {
            ++k;
        } else if ((line[0] == '&' || line[0] == '#') && word.size() > 1 &&
                   !kKeptSpellings.contains(word) && !faults.contains(fault)) {
            const qsizetype from = std::max<qsizetype>(0, texts[k].indexOf(word) - 40);
            faults.insert(fault, texts[k].mid(from, word.size() + 80));
        }
    }
    QCOMPARE(k, texts.size());
    for (auto fault = faults.cbegin(); fault != faults.cend(); ++fault)
        qWarning().noquote() << fault.key() << u"in \""_s + fault.value() + u'"';
    QVERIFY2(faults.isEmpty(), "words that the dictionary does not know, listed above");
}

void processDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
    processDeletions();
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextOfTheProgram();

private:
    void add(const QString &text, const QString &where);
    void collect(QObject *window);
    void hoverEveryControl(QWidget *window);
    void runEveryPass(const content::ExerciseGroup &group);

    testsupport::RecordingFeedback m_feedback;
    QHash<QString, QString> m_where; // each Spanish paragraph, and where it was first seen
};

void TestSpelling::everyTextOfTheProgram()
{
    for (const content::ExerciseGroup &group : content::exerciseGroups()) {
        for (std::size_t k = 0; k < group.items.size(); ++k) {
            const content::DrillItem &item = group.items[k];
            for (QStringView field :
                 {item.textBefore, item.answer, item.textAfter, item.infinitive})
                add(field.toString(), u"%1 item %2"_s.arg(group.window).arg(k));
        }
    }
    ZOR_IGE11::feedback = &m_feedback;
    ZOR_IGE11::drawIndex = [](int) { return 0; };
    ZOR_IGE11::quit = [] {};
    ZOR_IGE11::start();
    collect(ZOR_IGE11::sobreWindow());
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
    processDeletions();
    collect(ZOR_IGE11::hatterWindow());
    hoverEveryControl(ZOR_IGE11::alapWindow());
    ZOR_IGE11::alapWindow()->findChild<QAction *>(u"como"_s)->trigger();
    ui::sobre::openAbout();
    collect(ZOR_IGE11::sobreWindow());
    click(ZOR_IGE11::sobreWindow(), u"Image2"_s);
    click(ZOR_IGE11::sobreWindow(), u"Command1"_s);
    for (const content::ExerciseGroup &group : content::exerciseGroups()) {
        runEveryPass(group);
        if (QTest::currentTestFailed())
            return;
    }
    for (const QString &event : std::as_const(m_feedback.events)) {
        const qsizetype bar = event.indexOf(u" | "_s);
        if (bar >= 0) {
            add(event.left(bar), u"message title"_s);
            add(event.mid(bar + 3), u"message "_s + event.left(bar));
        }
    }
    ZOR_IGE11::endProgram();
    processDeletions();
    checkSpelling(m_where);
}

// Opens each set of the group from the main menu and answers all its items; the first visit
// also reads the hints and the help.
void TestSpelling::runEveryPass(const content::ExerciseGroup &group)
{
    for (const content::ExerciseSet &set : group.sets) {
        click(ZOR_IGE11::alapWindow(), set.mainMenuButton.toString());
        ui::ExerciseWindow *window = ZOR_IGE11::exerciseWindow(group.window);
        if (&set == &group.sets.front()) {
            hoverEveryControl(window);
            click(window, u"Command4"_s);
        }
        auto *answerBox = window->findChild<QLineEdit *>(u"Text2"_s);
        const auto answer = [&](const QString &typed) {
            answerBox->clear();
            answerBox->insert(typed);
            click(window, u"Command2"_s);
            collect(window);
        };
        click(window, u"Command1"_s);
        answer(u"no"_s); // wrong, and a word: the answer box shows only words
        click(window, window->profile().drill().solutionButton.toString());
        const drill::DrillState &state = window->engine().state();
        while (state.shownCount > 0) {
            const QString right = group.items[state.currentItem].answer.toString();
            const QString before = state.runningText;
            // A small initial letter brings the capital warning where the gap opens the sentence.
            answer(right.front().toLower() + right.mid(1));
            if (state.runningText == before)
                answer(right);
            QVERIFY2(state.runningText != before, qPrintable(right));
        }
        click(window, u"Command3"_s);
    }
}

void TestSpelling::hoverEveryControl(QWidget *window)
{
    QVERIFY(QTest::qWaitForWindowExposed(window));
    collect(window);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisible()) {
            QTest::mouseMove(window->windowHandle(),
                             control->mapTo(window, control->rect().center()));
            collect(window);
        }
    }
}

void TestSpelling::add(const QString &text, const QString &where)
{
    for (const QString &paragraph : text.split(u"\r\n\r\n"_s, Qt::SkipEmptyParts)) {
        if (!isHungarian(paragraph) && !paragraph.trimmed().isEmpty() &&
            !m_where.contains(paragraph))
            m_where.insert(paragraph, where);
    }
}

// Every text of the window's widgets, actions and menus, without the access keys' ampersands.
void TestSpelling::collect(QObject *window)
{
    static const char *const kTexts[] = {"windowTitle", "title",          "text",
                                         "plainText",   "toolTip",        "statusTip",
                                         "whatsThis",   "accessibleName", "accessibleDescription"};
    static const QRegularExpression accessKey(u"&(?!&)"_s);
    QObjectList objects = window->findChildren<QObject *>();
    objects.prepend(window);
    for (QObject *object : std::as_const(objects)) {
        for (const char *property : kTexts) {
            const QVariant value = object->property(property);
            if (value.metaType() == QMetaType::fromType<QString>()) {
                add(value.toString().remove(accessKey), window->objectName() + u'/' +
                                                            object->objectName() + u'.' +
                                                            QLatin1StringView(property));
            }
        }
    }
}

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
