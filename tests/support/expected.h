#pragma once

#include <QStringView>

// What the learner is shown, typed here once more, apart from the program's own tables: the tests
// compare the program against these, so that a slip on either side shows.
namespace expected {

inline constexpr QStringView kEndTitle = u"Verbos   ---   Unidades 2-4";
inline constexpr QStringView kEndMessage =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\".";
inline constexpr QStringView kCapitalTitle = u"Verbos   ---   Unidades 2-4";
inline constexpr QStringView kCapitalWarning = u"¡Atención a las mayúsculas!";
inline constexpr QStringView kWrongTitle = u"Verbos    ---   Unidad 2-4";
inline constexpr QStringView kWrongAnswer = u"No es correcto. Vuelva a probarlo.";
inline constexpr QStringView kSolutionPrefix = u"La forma correcta es: ";
// Of zor_ige1, zor_ige2 and zor_ige3.
inline constexpr QStringView kSolutionTitles[] = {u"Verbos  -- Unidades 2-4  ---   Ayuda",
                                                  u"Verbos  -- Unidades 8-10  ---   Ayuda",
                                                  u"Verbos  -- Unidades 2-4  ---   Ayuda"};

// One exercise set: where it is chosen, what it shows, what it draws from.
struct Set
{
    int window; // 0, 1, 2: zor_ige1, zor_ige2, zor_ige3
    const char *button;
    QStringView codeLabel;
    int first, last;
    QStringView hint;
    const char *menuButton;
    QStringView menuCodeLabel;
    QStringView menuHint;
};

// clang-format off
inline constexpr Set kSets[] = {
    {0, "Command5", u"2/9:", 0, 15, u"Verbos de la primera conjugación: \"-ar\" ",
     "AniButton9", u"2/9:", u"Unidad 2, ejercicio 9: verbos de la primera conjugación (-ar)"},
    {0, "Command6", u"3/11/a:", 16, 24, u"Verbos de la segunda conjugación: \"-er\" ",
     "AniButton1", u"3/11/a:", u"Unidad 3, ejercicio 11/a: verbos de la segunda conjugación (-er)"},
    {0, "Command7", u"3/11/b:", 25, 37, u"Verbos de la primera y segunda conjugación: \"-ar\" y \"-er\" ",
     "AniButton3", u"3/11/b:", u"Unidad 3, ejercicio 11/b: verbos de la primera y segunda conjugación (-ar, -er)"},
    {0, "Command8", u"4/2/a:", 38, 43, u"Verbos de la tercera conjugación: \"-ir\" ",
     "AniButton10", u"4/2/a:", u"Unidad 4, ejercicio 2/a: verbos de la tercera conjugación (-ir)"},
    {0, "Command9", u"4/2/b:", 44, 62, u"Verbos de la primera, segunda y tercera conjugación: \"-ar\", \"-er\", \"-ir\" ",
     "AniButton11", u"4/2/b:", u"Unidad 4, ejercicio 2/b: verbos de la primera, segunda y tercera cojugación (-ar, -er, -ir)"},
    {0, "Command10", u"2+3:", 0, 37, u"Ejercicios de las Unidades 2 y 3: \"-ar\", \"-er\" ",
     "AniButton4", u"2+3:", u"Unidad 2 y 3: verbos de la primera y segunda conjugación (-ar, -er)"},
    {0, "Command11", u"2+3+4:", 0, 62, u"Ejercicios de las Unidades 2, 3 y 4: \"-ar\", \"-er\", \"-ir\" ",
     "AniButton5", u"2+3+4:", u"Unidad 2,3 y 4: verbos de la primera, segunda y tercera conjugación (-ar, -er, -ir)"},
    {1, "Command5", u"8/2:", 0, 20, u"Verbos irregulares del tipo \"A\": e --> ie;  o --> ue",
     "AniButton14", u"8/2:", u"Unidad 8, ejercicio 2: verbos irregulares del tipo \"A\" (e --> ie; o --> ue)"},
    {1, "Command6", u"8/5:", 21, 42, u"Verbos irregulares del tipo \"B\": e --> i",
     "AniButton15", u"8/5:", u"Unidad 8, ejercicio 5: verbos irregulares del tipo \"B\" (e --> i)"},
    {1, "Command7", u"10/13:", 43, 66, u"Verbos irregulares de los tipos \"C\" (conocer), \"E\" (construir) y \"F\" (enviar)",
     "AniButton12", u"10/13:", u"Unidad 10, ejercicio 13: verbos irregulares de los tipos \"C\" (conocer), \"E\" (construir) y \"F\" (enviar)"},
    {1, "Command8", u"8:", 0, 42, u"Verbos irregulares de los tipos \"A\" (e --> ie;  o --> ue) y \"B\" (e -->i)",
     "AniButton13", u"8:", u"Unidad 8: verbos irregulares de los tipos \"A\" (e --> ie; o --> ue) y \"B\" (e --> i)"},
    {1, "Command9", u"8+10:", 0, 66, u"Verbos irregulares de los tipos \"A\", \"B\", \"C\", \"E\" y \"F\"",
     "AniButton16", u"8+10:", u"Unidad 10: verbos irregulares de los tipos \"A\", \"B\", \"C\", \"E\" y \"F\""},
    {2, "Command5", u"12/9:", 0, 28, u"El verbo: Presente  --  Indicativo",
     "AniButton2", u"12/9:", u"Unidad 12, ejercicio 9: Presente de Indicativo (verbos regulares e irregulares)"},
    {2, "Command6", u"12/10:", 29, 78, u"El verbo: Presente  --  Imperativo y Subjuntivo",
     "AniButton6", u"12/10:", u"Unidad 12, ejercicio 10: Imperativo y Presente de Subjuntivo (verbos regulares e irregulares)"},
    {2, "Command10", u"9+10:", 0, 78, u"El verbo: Presente  --  Indicativo, Imperativo y Subjuntivo",
     "AniButton7", u"9 + 10:", u"Unidad 12, ejercicios 9 y 10: Imperativo, Presente de Indicativo y Subjuntivo (verbos regulares e irregulares)"},
};
// clang-format on

// The position of a set among the sets of its window, in the order the window tests them.
inline int setInWindow(const Set &set)
{
    int position = 0;
    for (const Set *other = kSets; other != &set; ++other)
        position += other->window == set.window ? 1 : 0;
    return position;
}

} // namespace expected
