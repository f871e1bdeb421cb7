#include "spokenitem.h"

#include "answertext.h"

namespace drill {
namespace {

using namespace Qt::Literals::StringLiterals;

struct SpokenPerson
{
    QStringView code;
    QStringView persons;
};

// The persons the hint of the person label names: "1 = (yo), 11 = (nosotros/as), 2 = (tú)...".
constexpr SpokenPerson kPersons[] = {
    {u"1", u"yo"},
    {u"2", u"tú"},
    {u"3", u"él, ella o usted"},
    {u"1 1", u"nosotros o nosotras"},
    {u"2 2", u"vosotros o vosotras"},
    {u"3 3", u"ellos, ellas o ustedes"},
};

QStringView spokenPersons(QStringView code)
{
    for (const SpokenPerson &person : kPersons) {
        if (person.code == code)
            return person.persons;
    }
    return code;
}

bool isMark(QChar c, QStringView marks)
{
    return marks.contains(c);
}

} // namespace

QString spokenItem(const DrillView &view)
{
    if (view.infinitive.isEmpty())
        return {};
    const QStringView before = answertext::trimBlanks(view.textBefore);
    const QStringView after = answertext::trimBlanks(view.textAfter);

    // Commas give the gap a pause of its own; the opening and closing marks keep the tune of
    // a question or an exclamation.
    QString spoken = before.toString();
    if (!before.isEmpty() && !isMark(before.back(), u"¿¡"))
        spoken += u", "_s;
    spoken += u"hueco"_s;
    if (!after.isEmpty()) {
        if (!isMark(after.front(), u".?!"))
            spoken += u", "_s;
        spoken += after;
    }
    if (!isMark(spoken.back(), u".?!"))
        spoken += u'.';
    spoken += u" Infinitivo: "_s + view.infinitive + u'.';
    if (!view.person.isEmpty())
        spoken += answertext::joined({u" Persona: ", spokenPersons(view.person), u"."});
    return spoken;
}

} // namespace drill
