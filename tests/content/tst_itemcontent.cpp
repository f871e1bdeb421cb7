// Guards the exercise content: whoever edits a sentence is stopped by the first rule it breaks,
// with the window and item index in the message.
#include "catalogue.h"
#include "itemtables.h"

#include <QHash>
#include <QMap>
#include <QPoint>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <span>
#include <tuple>

using namespace Qt::StringLiterals;
using content::DrillItem;

namespace {

struct Window
{
    QStringView name;
    int size;
    std::span<const DrillItem> (*items)();
};

const Window kWindows[] = {
    {u"zor_ige1", 63, content::zorIge1Items},
    {u"zor_ige2", 67, content::zorIge2Items},
    {u"zor_ige3", 79, content::zorIge3Items},
};

// One exercise of the book: a run of consecutive items with the shape it must keep.
struct Block
{
    QStringView window;
    int first;
    int last;
    int questions;   // textBefore begins with "¿"
    int capitalised; // the gap opens the sentence
    int twoWordAnswers;
    QStringView persons; // items per person code
    QStringView verbs;   // in the order of first use; "×2": the infinitive of two items
};

// clang-format off
constexpr Block kBlocks[] = {
    {u"zor_ige1", 0, 15, 1, 9, 0, uR"("" 7, "1" 2, "2" 2, "1 1" 3, "2 2" 2)",
     u"comprar, estudiar, tomar, preparar, descansar, enseñar, pasear, hablar, conversar, cantar, "
     u"fumar, bailar, nadar, lavar, trabajar, escuchar"},
    {u"zor_ige1", 16, 24, 4, 6, 0, uR"("" 3, "1" 2, "2" 2, "1 1" 1, "2 2" 1)",
     u"beber, leer, ver, correr, hacer ×2, comer ×2, vender"},
    {u"zor_ige1", 25, 37, 3, 6, 0, uR"("" 4, "1" 3, "2" 1, "1 1" 2, "2 2" 2, "3 3" 1)",
     u"trabajar, vender, cantar, nadar, beber ×2, comer ×2, fumar, ver, hacer, leer, estudiar"},
    {u"zor_ige1", 38, 43, 2, 4, 0, uR"("" 2, "1" 1, "2" 1, "1 1" 1, "2 2" 1)",
     u"salir, recibir, venir, escribir, abrir, subir"},
    {u"zor_ige1", 44, 62, 1, 15, 0, uR"("" 4, "1" 3, "2" 3, "1 1" 6, "2 2" 3)",
     u"nadar, venir, comer, beber, tomar, fumar, salir, estudiar, leer, escribir, descansar, "
     u"escuchar, ver, subir, cantar, abrir, hacer, recibir, trabajar"},
    {u"zor_ige2", 0, 20, 5, 5, 7, uR"("" 11, "1" 3, "2" 1, "1 1" 3, "2 2" 3)",
     u"costar, encontrarse, contar, empezar, despertarse ×2, merendar ×2, acostarse ×2, "
     u"sentarse ×2, almorzar ×3, venir ×3, tener ×3"},
    {u"zor_ige2", 21, 42, 4, 7, 5, uR"("" 11, "1" 4, "1 1" 5, "2 2" 2)",
     u"repetir ×2, servir ×2, elegir ×2, corregir ×2, vestir, vestirse, reírse ×2, pedir ×2, "
     u"decir ×2, seguir ×2, perseguir ×2, despedirse ×2"},
    {u"zor_ige2", 43, 66, 1, 3, 2, uR"("" 15, "1" 6, "1 1" 2, "2 2" 1)",
     u"corregir ×2, traducir, obedecer, huir, desconfiar, ofrecer, conducir ×2, desobedecer, "
     u"construir, agradecer, sustituir, continuar, merecer, confiar, parecerse ×2, producir ×2, "
     u"conocer ×2, enviar, enfriar"},
    {u"zor_ige3", 0, 28, 7, 10, 4, uR"("" 14, "1" 8, "2" 4, "1 1" 2, "2 2" 1)",
     u"comer, levantarse, lavar, vivir ×2, beber, dirigirse, coger, tener, decir ×2, costar, "
     u"hacer ×2, querer, sentir, poder, adquirir, perder, mentir, seguir, jugar, cerrar, "
     u"divertirse, vestirse, soñar, dormir, saber, preferir"},
    {u"zor_ige3", 29, 78, 0, 30, 4, uR"("" 11, "2" 24, "3" 3, "2 2" 10, "3 3" 2)",
     u"esperar, vestirse, cruzar, conducir, coger, buscar, apagar, elegir, despedirse, "
     u"construir, huir, confiar, trabajar, dejar, desconfiar, mentir, divertirse, adquirir, "
     u"levantarse, fregar, hacer ×2, salir ×3, obedecer, ponerse ×2, ser ×4, reírse, traer, "
     u"venir ×2, traducir, vaciar, torcer, perder, repetir, soñar, dormir, caerse, ir ×2, "
     u"decir ×2, tener ×2"},
};
// clang-format on

struct Field
{
    QStringView name;
    QStringView DrillItem::*member;
    qsizetype maxLength;
};

constexpr Field kFields[] = {
    {u"textBefore", &DrillItem::textBefore, 28}, {u"infinitive", &DrillItem::infinitive, 11},
    {u"answer", &DrillItem::answer, 14},         {u"textAfter", &DrillItem::textAfter, 31},
    {u"person", &DrillItem::person, 3},
};

std::span<const DrillItem> itemsOf(QStringView window)
{
    for (const Window &w : kWindows) {
        if (w.name == window)
            return w.items();
    }
    return {};
}

QString quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

QByteArray itemFault(QStringView window, qsizetype index, const QString &fault)
{
    return u"%1 item %2: %3"_s.arg(window).arg(index).arg(fault).toUtf8();
}

QByteArray blockFault(const Block &block, const QString &fault)
{
    return u"%1 block %2..%3: %4"_s.arg(block.window)
        .arg(block.first)
        .arg(block.last)
        .arg(fault)
        .toUtf8();
}

// Each rule returns what is wrong with an item, or nothing.
using ItemRule = QString (*)(const DrillItem &item);

QString allowedCharacters(const DrillItem &item)
{
    static const QRegularExpression other(u"[^A-Za-z0-9áéíóúñ¿ ,.?]"_s);
    for (const Field &field : kFields) {
        const QString text = (item.*field.member).toString();
        if (const auto match = other.match(text); match.hasMatch())
            return u"%1 %2 has the character %3"_s.arg(field.name, quoted(text),
                                                       quoted(match.captured()));
    }
    return {};
}

QString lengthLimits(const DrillItem &item)
{
    for (const Field &field : kFields) {
        if ((item.*field.member).size() > field.maxLength)
            return u"%1 %2 is longer than %3 characters"_s.arg(field.name)
                .arg(quoted(item.*field.member))
                .arg(field.maxLength);
    }
    return {};
}

QString blanks(const DrillItem &item)
{
    for (const Field &field : kFields) {
        const QStringView text = item.*field.member;
        if (text.startsWith(u' ') || text.endsWith(u' ') || text.contains(u"  "))
            return u"%1 %2 has a leading, trailing or doubled blank"_s.arg(field.name,
                                                                           quoted(text));
    }
    if (item.textAfter.isEmpty())
        return u"textAfter is empty"_s;
    return {};
}

QString questionMarks(const DrillItem &item)
{
    const bool question = item.textBefore.startsWith(u'¿');
    const QChar closing = question ? u'?' : u'.';
    if (!item.textAfter.endsWith(closing))
        return u"textAfter %1 must end with \"%2\""_s.arg(quoted(item.textAfter)).arg(closing);
    qsizetype opening = 0;
    qsizetype closingQuestion = 0;
    for (const Field &field : kFields) {
        opening += (item.*field.member).count(u'¿');
        closingQuestion += (item.*field.member).count(u'?');
    }
    if (opening != question || closingQuestion != question)
        return u"\"¿\" may only open textBefore and \"?\" only close textAfter"_s;
    return {};
}

QString capitals(const DrillItem &item)
{
    const bool gapOpens = item.textBefore.isEmpty() || item.textBefore == u"¿";
    const QChar first = item.answer.isEmpty() ? QChar() : item.answer.front();
    if (gapOpens && !first.isUpper())
        return u"answer %1 must start with a capital"_s.arg(quoted(item.answer));
    if (!gapOpens && !first.isLower())
        return u"answer %1 must start with a small letter"_s.arg(quoted(item.answer));
    for (const QChar c : item.answer.sliced(1)) {
        if (c.isUpper())
            return u"answer %1 has a capital inside"_s.arg(quoted(item.answer));
    }
    const QStringView opening =
        item.textBefore.startsWith(u'¿') ? item.textBefore.sliced(1) : item.textBefore;
    if (!gapOpens && !opening.front().isUpper())
        return u"textBefore %1 must start with a capital"_s.arg(quoted(item.textBefore));
    return {};
}

QString infinitiveForm(const DrillItem &item)
{
    static const QRegularExpression form(u"^[a-záéíóúñ]*(ar|er|ir|ír)(se)?$"_s);
    if (!form.match(item.infinitive.toString()).hasMatch())
        return u"infinitive %1 must be an infinitive in small letters"_s.arg(
            quoted(item.infinitive));
    return {};
}

QString personCode(const DrillItem &item)
{
    static const QStringList codes{u""_s, u"1"_s, u"2"_s, u"3"_s, u"1 1"_s, u"2 2"_s, u"3 3"_s};
    if (!codes.contains(item.person))
        return u"person %1 is not a person code"_s.arg(quoted(item.person));
    return {};
}

// A pronoun belongs to the answer exactly for reflexive verbs: before the verb, or attached
// to an affirmative imperative ("Vestíos", "Levántate").
QString reflexivePronoun(const DrillItem &item)
{
    static const QRegularExpression pronoun(u"^(me|te|se|nos|os)$"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression enclitic(u"(me|te|se|nos|os)$"_s);
    const bool reflexive = item.infinitive.endsWith(u"se");
    const QStringList words = item.answer.toString().split(u' ');
    if (words.size() > 2)
        return u"answer %1 has more than two words"_s.arg(quoted(item.answer));
    if (words.size() == 2 && !reflexive)
        return u"two-word answer %1 needs a reflexive infinitive, not %2"_s.arg(
            quoted(item.answer), quoted(item.infinitive));
    if (reflexive && words.size() == 2 && !pronoun.match(words.front()).hasMatch())
        return u"answer %1 must begin with the pronoun of %2"_s.arg(quoted(item.answer),
                                                                    quoted(item.infinitive));
    if (reflexive && words.size() == 1 && !enclitic.match(words.front()).hasMatch())
        return u"answer %1 lacks the pronoun of %2"_s.arg(quoted(item.answer),
                                                          quoted(item.infinitive));
    return {};
}

QMap<QString, int> parsePersons(QStringView text)
{
    static const QRegularExpression entry(u"\"([^\"]*)\" (\\d+)"_s);
    QMap<QString, int> counts;
    for (const auto &match : entry.globalMatch(text.toString()))
        counts.insert(match.captured(1), match.captured(2).toInt());
    return counts;
}

QList<std::pair<QString, int>> parseVerbs(QStringView text)
{
    QList<std::pair<QString, int>> verbs;
    for (const QString &entry : text.toString().split(u", "_s)) {
        const QStringList parts = entry.split(u" ×"_s);
        verbs.append({parts.front(), parts.size() > 1 ? parts.back().toInt() : 1});
    }
    return verbs;
}

} // namespace

Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(DrillItem)
Q_DECLARE_METATYPE(ItemRule)

class TestItemContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocksTileTables_data();
    void blocksTileTables();
    void itemRules_data();
    void itemRules();
    void blockShape_data();
    void blockShape();
    void blockVerbs_data() { blockShape_data(); }
    void blockVerbs();
    void imperativesAreAffirmativeOrNegative();
    void sampleItems_data();
    void sampleItems();
    void sentencesDiffer();
    void setsMatchBlocks_data();
    void setsMatchBlocks();
};

void TestItemContent::blocksTileTables_data()
{
    QTest::addColumn<int>("window");
    for (int w = 0; w < int(std::size(kWindows)); ++w)
        QTest::addRow("%s", qUtf8Printable(kWindows[w].name.toString())) << w;
}

void TestItemContent::blocksTileTables()
{
    QFETCH(int, window);
    const Window &w = kWindows[window];
    QCOMPARE(int(w.items().size()), w.size);
    int next = 0;
    for (const Block &block : kBlocks) {
        if (block.window != w.name)
            continue;
        QVERIFY2(block.first == next,
                 blockFault(block, u"must start at %1, right after the block before"_s.arg(next)));
        next = block.last + 1;
    }
    QVERIFY2(next == w.size, u"%1: the last block must end at item %2"_s.arg(w.name)
                                 .arg(w.size - 1)
                                 .toUtf8()
                                 .constData());
}

void TestItemContent::itemRules_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<ItemRule>("rule");
    const std::pair<const char *, ItemRule> rules[] = {
        {"characters", allowedCharacters},
        {"lengths", lengthLimits},
        {"blanks", blanks},
        {"question marks", questionMarks},
        {"capitals", capitals},
        {"infinitive", infinitiveForm},
        {"person code", personCode},
        {"reflexive pronoun", reflexivePronoun},
    };
    for (const Window &w : kWindows) {
        for (const auto &[name, rule] : rules)
            QTest::addRow("%s %s", qUtf8Printable(w.name.toString()), name)
                << w.name.toString() << rule;
    }
}

void TestItemContent::itemRules()
{
    QFETCH(QString, window);
    QFETCH(ItemRule, rule);
    const auto items = itemsOf(window);
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (const QString fault = rule(items[k]); !fault.isEmpty())
            QFAIL(itemFault(window, qsizetype(k), fault).constData());
    }
}

void TestItemContent::blockShape_data()
{
    QTest::addColumn<Block>("block");
    for (const Block &block : kBlocks)
        QTest::addRow("%s %d..%d", qUtf8Printable(block.window.toString()), block.first, block.last)
            << block;
}

void TestItemContent::blockShape()
{
    QFETCH(Block, block);
    const auto items = itemsOf(block.window);
    QVERIFY(block.last < int(items.size()));
    int questions = 0;
    int capitalised = 0;
    int twoWordAnswers = 0;
    QMap<QString, int> persons;
    for (int k = block.first; k <= block.last; ++k) {
        const DrillItem &item = items[k];
        questions += item.textBefore.startsWith(u'¿');
        capitalised += item.textBefore.isEmpty() || item.textBefore == u"¿";
        twoWordAnswers += item.answer.contains(u' ');
        ++persons[item.person.toString()];
    }
    const auto count = [&](int actual, int expected, QStringView what) {
        return blockFault(block, u"%1 %2, expected %3"_s.arg(actual).arg(what).arg(expected));
    };
    QVERIFY2(questions == block.questions, count(questions, block.questions, u"questions"));
    QVERIFY2(capitalised == block.capitalised,
             count(capitalised, block.capitalised, u"capitalised answers"));
    QVERIFY2(twoWordAnswers == block.twoWordAnswers,
             count(twoWordAnswers, block.twoWordAnswers, u"two-word answers"));
    const QMap<QString, int> expected = parsePersons(block.persons);
    for (const QString &code : persons.keys() + expected.keys()) {
        const QString what = u"items with person code %1"_s.arg(quoted(code));
        QVERIFY2(persons.value(code) == expected.value(code),
                 count(persons.value(code), expected.value(code), what));
    }
}

void TestItemContent::blockVerbs()
{
    QFETCH(Block, block);
    const auto items = itemsOf(block.window);
    QVERIFY(block.last < int(items.size()));
    const QList<std::pair<QString, int>> verbs = parseVerbs(block.verbs);
    QHash<QString, int> expected;
    for (const auto &[verb, times] : verbs)
        expected.insert(verb, times);
    QHash<QString, int> used;
    qsizetype nextNew = 0;
    for (int k = block.first; k <= block.last; ++k) {
        const QString verb = items[k].infinitive.toString();
        if (!used.contains(verb)) {
            QVERIFY2(expected.contains(verb),
                     itemFault(block.window, k,
                               u"infinitive %1 is not a verb of this block"_s.arg(quoted(verb))));
            QVERIFY2(verbs.value(nextNew).first == verb,
                     itemFault(block.window, k,
                               u"infinitive %1 is used before %2"_s.arg(
                                   quoted(verb), quoted(verbs.value(nextNew).first))));
            ++nextNew;
        }
        QVERIFY2(++used[verb] <= expected.value(verb),
                 itemFault(block.window, k,
                           u"infinitive %1 is used more than %2 times"_s.arg(quoted(verb))
                               .arg(expected.value(verb))));
    }
    for (const auto &[verb, times] : verbs)
        QVERIFY2(used.value(verb) == times,
                 blockFault(block, u"%1 is used %2 times, expected %3"_s.arg(quoted(verb))
                                       .arg(used.value(verb))
                                       .arg(times)));
}

// After the indicative block of zor_ige3 every gap wants an imperative: affirmative when the
// sentence opens with it, negative (subjunctive) after "No".
void TestItemContent::imperativesAreAffirmativeOrNegative()
{
    const auto items = content::zorIge3Items();
    QVERIFY(items.size() >= 79);
    int affirmative = 0;
    int negative = 0;
    for (int k = 29; k <= 78; ++k) {
        const QStringView before = items[k].textBefore;
        QVERIFY2(before.isEmpty() || before == u"No",
                 itemFault(u"zor_ige3", k,
                           u"textBefore %1 must be empty or \"No\""_s.arg(quoted(before))));
        (before.isEmpty() ? affirmative : negative) += 1;
    }
    QCOMPARE(affirmative, 30);
    QCOMPARE(negative, 20);
}

void TestItemContent::sampleItems_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("index");
    QTest::addColumn<DrillItem>("expected");
    // clang-format off
    const std::tuple<const char16_t *, int, DrillItem> samples[] = {
        {u"zor_ige1", 0, {u"El señor Pérez", u"comprar", u"compra", u"un coche.", u""}},
        {u"zor_ige1", 3, {u"", u"preparar", u"Preparo", u"la comida.", u"1"}},
        {u"zor_ige1", 14, {u"¿", u"trabajar", u"Trabajas", u"en el hospital?", u"2"}},
        {u"zor_ige1", 20, {u"¿Qué", u"hacer", u"hacen", u"ustedes?", u""}},
        {u"zor_ige1", 23, {u"¿", u"vender", u"Vendéis", u"periódicos?", u"2 2"}},
        {u"zor_ige1", 28, {u"No", u"nadar", u"nado", u"en la piscina.", u"1"}},
        {u"zor_ige1", 30, {u"¿Dónde", u"comer", u"coméis", u"?", u"2 2"}},
        {u"zor_ige1", 36, {u"", u"comer", u"Comen", u"paella.", u"3 3"}},
        {u"zor_ige1", 42, {u"¿", u"abrir", u"Abrís", u"las ventanas?", u"2 2"}},
        {u"zor_ige1", 43, {u"El conserje", u"subir", u"sube", u"al segundo piso.", u""}},
        {u"zor_ige1", 51, {u"", u"estudiar", u"Estudiáis", u"mucho.", u"2 2"}},
        {u"zor_ige2", 4, {u"Yo", u"despertarse", u"me despierto", u"a las 6 de la mañana.", u""}},
        {u"zor_ige2", 5, {u"", u"despertarse", u"Os despertáis", u"a las siete.", u"2 2"}},
        {u"zor_ige2", 9, {u"¿A qué hora", u"acostarse", u"os acostáis", u"?", u"2 2"}},
        {u"zor_ige2", 30, {u"", u"vestirse", u"Nos vestimos", u"en seguida.", u"1 1"}},
        {u"zor_ige2", 31, {u"¿De quién", u"reírse", u"se ríe", u"usted?", u""}},
        {u"zor_ige2", 33, {u"En el bar", u"pedir", u"pido", u"cerveza.", u"1"}},
        {u"zor_ige2", 45, {u"", u"traducir", u"Traduzco", u"del español al húngaro.", u"1"}},
        {u"zor_ige2", 53, {u"¿Quién", u"construir", u"construye", u"esta casa?", u""}},
        {u"zor_ige2", 56, {u"Después de cenar, los niños", u"continuar", u"continúan", u"el juego.", u""}},
        {u"zor_ige3", 6, {u"", u"dirigirse", u"Me dirijo", u"a la parada.", u"1"}},
        {u"zor_ige3", 10, {u"¿Cuánto", u"costar", u"cuesta", u"ese abrigo?", u""}},
        {u"zor_ige3", 26, {u"No", u"saber", u"sé", u"jugar al ajedrez.", u"1"}},
        {u"zor_ige3", 30, {u"", u"vestirse", u"Vestíos", u"rápido.", u"2 2"}},
        {u"zor_ige3", 35, {u"", u"apagar", u"Apague", u"la luz antes de salir.", u"3"}},
        {u"zor_ige3", 65, {u"No", u"caerse", u"te caigas", u".", u"2"}},
    };
    // clang-format on
    for (const auto &[window, index, item] : samples) {
        const QString name = QString::fromUtf16(window);
        QTest::addRow("%s item %d", qUtf8Printable(name), index) << name << index << item;
    }
}

void TestItemContent::sampleItems()
{
    QFETCH(QString, window);
    QFETCH(int, index);
    QFETCH(DrillItem, expected);
    const auto items = itemsOf(window);
    QVERIFY(index < int(items.size()));
    for (const Field &field : kFields) {
        const QStringView actual = items[index].*field.member;
        const QStringView wanted = expected.*field.member;
        QVERIFY2(actual == wanted, itemFault(window, index,
                                             u"%1 %2, expected %3"_s.arg(field.name, quoted(actual),
                                                                         quoted(wanted))));
    }
}

void TestItemContent::sentencesDiffer()
{
    QHash<QString, QString> seen; // completed sentence in small letters -> where it stands
    for (const Window &w : kWindows) {
        const auto items = w.items();
        for (std::size_t k = 0; k < items.size(); ++k) {
            const DrillItem &item = items[k];
            const QString sentence =
                u"%1 %2 %3"_s.arg(item.textBefore, item.answer, item.textAfter).toLower();
            const QString where = u"%1 item %2"_s.arg(w.name).arg(k);
            QVERIFY2(!seen.contains(sentence),
                     itemFault(w.name, qsizetype(k),
                               u"the sentence is the same as %1"_s.arg(seen.value(sentence))));
            seen.insert(sentence, where);
        }
    }
}

void TestItemContent::setsMatchBlocks_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<QPoint>>("blocks"); // per set: its first and last block of the window
    const QPoint a(0, 0), b(1, 1), c(2, 2);
    QTest::newRow("zor_ige1") << u"zor_ige1"_s
                              << QList{a,           b, c, QPoint(3, 3), QPoint(4, 4), QPoint(0, 2),
                                       QPoint(0, 4)};
    QTest::newRow("zor_ige2") << u"zor_ige2"_s << QList{a, b, c, QPoint(0, 1), QPoint(0, 2)};
    QTest::newRow("zor_ige3") << u"zor_ige3"_s << QList{a, b, QPoint(0, 1)};
}

// Single sets are the blocks; combined sets are runs of blocks from index 0.
void TestItemContent::setsMatchBlocks()
{
    QFETCH(QString, window);
    QFETCH(QList<QPoint>, blocks);
    const auto &groups = content::exerciseGroups();
    const auto group = std::ranges::find(groups, window, &content::ExerciseGroup::window);
    QVERIFY(group != groups.end());
    QCOMPARE(group->items.data(), itemsOf(window).data());
    QCOMPARE(group->sets.size(), std::size_t(blocks.size()));

    QList<const Block *> ofWindow;
    for (const Block &block : kBlocks) {
        if (block.window == window)
            ofWindow.append(&block);
    }
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        const content::ExerciseSet &set = group->sets[k];
        const int first = ofWindow.value(blocks[k].x())->first;
        const int last = ofWindow.value(blocks[k].y())->last;
        QVERIFY2(set.first == first && set.last == last,
                 qPrintable(u"%1 set %2 is %3..%4, its blocks are %5..%6"_s
                                .arg(window, quoted(set.codeLabel))
                                .arg(set.first)
                                .arg(set.last)
                                .arg(first)
                                .arg(last)));
    }
}

QTEST_GUILESS_MAIN(TestItemContent)
#include "tst_itemcontent.moc"
