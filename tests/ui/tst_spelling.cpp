// Debian's Spanish dictionary over every sentence of the drill and over every text the windows
// show a learner or give a screen reader: a dropped accent ("Lavais") or two words run together
// fail.
#include "alap.h"
#include "exercisewindow.h"
#include "hatter.h"
#include "helptexts.h"
#include "messages.h"
#include "recordingfeedback.h"
#include "sobre.h"
#include "spokenitem.h"
#include "testmain.h"
#include "zor_ige11.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <tuple>

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

// Each Spanish paragraph, and where it was first met. Spanish never writes ő or ű (stored as õ
// and û in places): a paragraph with one is Hungarian.
QMap<QString, QString> g_texts;

void add(QStringView text, const QString &where)
{
    static const QRegularExpression hungarian(u"[őűŐŰõûÕÛ]"_s);
    for (QString paragraph : text.toString().split(u"\r\n\r\n"_s, Qt::SkipEmptyParts)) {
        paragraph.replace(u"\r\n"_s, u" "_s);
        if (!hungarian.match(paragraph).hasMatch() && !g_texts.contains(paragraph))
            g_texts.insert(paragraph, where);
    }
}

// Every text of the window's widgets, actions and menus, without the access keys' ampersands:
// captions, titles, names, and the descriptions, which carry the hints.
void collect(QObject *window)
{
    static const QRegularExpression accessKey(u"&(?!&)"_s);
    QObjectList objects = window->findChildren<QObject *>();
    objects.prepend(window);
    for (QObject *object : std::as_const(objects)) {
        for (const char *property : {"windowTitle", "title", "text", "plainText", "toolTip",
                                     "accessibleName", "accessibleDescription"}) {
            const QVariant value = object->property(property);
            if (value.metaType() == QMetaType::fromType<QString>())
                add(value.toString().remove(accessKey),
                    object->objectName() + u'.' + QLatin1StringView(property));
        }
    }
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextOfTheProgram();
};

// The sentences and what a screen reader says of them, every window as it loads, and the
// messages and captions that the drill and the windows show.
void TestSpelling::everyTextOfTheProgram()
{
    for (const content::ExerciseGroup &group : content::exerciseGroups()) {
        for (std::size_t k = 0; k < group.items.size(); ++k) {
            const content::DrillItem &item = group.items[k];
            drill::DrillView shown;
            std::tie(shown.textBefore, shown.textAfter, shown.person, shown.infinitive) =
                std::tuple(item.textBefore.toString(), item.textAfter.toString(),
                           item.person.toString(), item.infinitive.toString());
            add(item.answer, u"%1 item %2"_s.arg(group.window).arg(k));
            add(drill::spokenItem(shown), u"%1 item %2"_s.arg(group.window).arg(k));
        }
    }
    for (QStringView text :
         {drill::kEndMessage, drill::kEndTitle, drill::kCapitalWarning, drill::kWrongAnswer,
          drill::kWrongAnswerTitle, drill::kSolutionPrefix, drill::kSolutionTitleUnits2to4,
          drill::kSolutionTitleUnits8to10, drill::kRestartCaption.sliced(1),
          ui::helptexts::kHelpTitle, ui::helptexts::kExerciseHelp,
          ui::helptexts::kExerciseHelpBilingual, ui::helptexts::kKeyboardHelpTitle,
          ui::helptexts::kKeyboardHelp, ui::helptexts::kInformation})
        add(text, u"message"_s);
    testsupport::RecordingFeedback feedback;
    const ui::Host host{&feedback, drill::randomDrawIndex(), [] {}};
    ZOR_IGE11::start(host);
    collect(ZOR_IGE11::sobreWindow());
    ZOR_IGE11::sobreWindow()->Timer1_Timer();
    collect(ZOR_IGE11::hatterWindow());
    collect(ZOR_IGE11::alapWindow());
    for (const ui::ExerciseProfile &profile : ui::kExerciseProfiles)
        collect(ZOR_IGE11::showExerciseWindow(profile));
    ZOR_IGE11::endProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // hunspell -l lists the words it does not know, one a line.
    QProcess hunspell;
    hunspell.start(u"hunspell"_s, {u"-d"_s, u"es_ES"_s, u"-l"_s, u"-i"_s, u"UTF-8"_s});
    hunspell.write(g_texts.keys().join(u'\n').toUtf8());
    hunspell.closeWriteChannel();
    QVERIFY2(
        hunspell.waitForFinished(-1) && hunspell.exitCode() == 0,
        "hunspell or its Spanish dictionary is missing; scripts/install-deps test installs them");
    const auto where = [](const QString &word) {
        for (auto text = g_texts.cbegin(); text != g_texts.cend(); ++text) {
            if (text.key().contains(word))
                return text.value() + u": "_s + text.key();
        }
        return QString();
    };
    QStringList unknown;
    for (const QString &word :
         QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        if (word.size() > 1 && !kKeptSpellings.contains(word))
            unknown << u"\"%1\" in %2"_s.arg(word, where(word));
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u'\n')));
}

ZOR_TEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
