#include "catalogue.h"

#include "itemtables.h"

namespace content {
namespace {

// clang-format off
constexpr ExerciseSet kZorIge1Sets[] = {
    {u"2/9:", 0, 15,
     u"Verbos de la primera conjugación: \"-ar\" ",
     u"Unidad 2, ejercicio 9: verbos de la primera conjugación (-ar)"},
    {u"3/11/a:", 16, 24,
     u"Verbos de la segunda conjugación: \"-er\" ",
     u"Unidad 3, ejercicio 11/a: verbos de la segunda conjugación (-er)"},
    {u"3/11/b:", 25, 37,
     u"Verbos de la primera y segunda conjugación: \"-ar\" y \"-er\" ",
     u"Unidad 3, ejercicio 11/b: verbos de la primera y segunda conjugación (-ar, -er)"},
    {u"4/2/a:", 38, 43,
     u"Verbos de la tercera conjugación: \"-ir\" ",
     u"Unidad 4, ejercicio 2/a: verbos de la tercera conjugación (-ir)"},
    {u"4/2/b:", 44, 62,
     u"Verbos de la primera, segunda y tercera conjugación: \"-ar\", \"-er\", \"-ir\" ",
     u"Unidad 4, ejercicio 2/b: verbos de la primera, segunda y tercera cojugación (-ar, -er, -ir)"},
    {u"2+3:", 0, 37,
     u"Ejercicios de las Unidades 2 y 3: \"-ar\", \"-er\" ",
     u"Unidad 2 y 3: verbos de la primera y segunda conjugación (-ar, -er)"},
    {u"2+3+4:", 0, 62,
     u"Ejercicios de las Unidades 2, 3 y 4: \"-ar\", \"-er\", \"-ir\" ",
     u"Unidad 2,3 y 4: verbos de la primera, segunda y tercera conjugación (-ar, -er, -ir)"},
};

constexpr ExerciseSet kZorIge2Sets[] = {
    {u"8/2:", 0, 20,
     u"Verbos irregulares del tipo \"A\": e --> ie;  o --> ue",
     u"Unidad 8, ejercicio 2: verbos irregulares del tipo \"A\" (e --> ie; o --> ue)"},
    {u"8/5:", 21, 42,
     u"Verbos irregulares del tipo \"B\": e --> i",
     u"Unidad 8, ejercicio 5: verbos irregulares del tipo \"B\" (e --> i)"},
    {u"10/13:", 43, 66,
     u"Verbos irregulares de los tipos \"C\" (conocer), \"E\" (construir) y \"F\" (enviar)",
     u"Unidad 10, ejercicio 13: verbos irregulares de los tipos \"C\" (conocer), \"E\" (construir) y \"F\" (enviar)"},
    {u"8:", 0, 42,
     u"Verbos irregulares de los tipos \"A\" (e --> ie;  o --> ue) y \"B\" (e -->i)",
     u"Unidad 8: verbos irregulares de los tipos \"A\" (e --> ie; o --> ue) y \"B\" (e --> i)"},
    {u"8+10:", 0, 66,
     u"Verbos irregulares de los tipos \"A\", \"B\", \"C\", \"E\" y \"F\"",
     u"Unidad 10: verbos irregulares de los tipos \"A\", \"B\", \"C\", \"E\" y \"F\""},
};

constexpr ExerciseSet kZorIge3Sets[] = {
    {u"12/9:", 0, kUnit12LastIndicativo,
     u"El verbo: Presente  --  Indicativo",
     u"Unidad 12, ejercicio 9: Presente de Indicativo (verbos regulares e irregulares)"},
    {u"12/10:", kUnit12LastIndicativo + 1, 78,
     u"El verbo: Presente  --  Imperativo y Subjuntivo",
     u"Unidad 12, ejercicio 10: Imperativo y Presente de Subjuntivo (verbos regulares e irregulares)"},
    {u"9+10:", 0, 78,
     u"El verbo: Presente  --  Indicativo, Imperativo y Subjuntivo",
     u"Unidad 12, ejercicios 9 y 10: Imperativo, Presente de Indicativo y Subjuntivo (verbos regulares e irregulares)",
     u"9 + 10:"},
};
// clang-format on

} // namespace

const std::array<ExerciseGroup, 3> &exerciseGroups()
{
    static const std::array<ExerciseGroup, 3> groups{{
        {u"zor_ige1", kZorIge1Sets, zorIge1Items()},
        {u"zor_ige2", kZorIge2Sets, zorIge2Items()},
        {u"zor_ige3", kZorIge3Sets, zorIge3Items()},
    }};
    return groups;
}

} // namespace content
