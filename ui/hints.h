#pragma once

#include <QStringView>

// Texts of the hint lines, shown while the pointer is over a control.
namespace ui::hints {

inline constexpr QStringView kStart = u"Para comenzar/recomenzar el ejercicio, pulse aquí.";
inline constexpr QStringView kNext =
    u"Para comprobar su solución y pasar a la oración siguente pulse aquí.";
inline constexpr QStringView kLeave = u"Para terminar el ejercicio, pulse aquí.";
inline constexpr QStringView kHelp = u"Información sobre el uso del ejercicio.";
inline constexpr QStringView kSolution = u"Si quiere ver la solución correcta, pulse aquí.";
inline constexpr QStringView kPerson =
    u"La persona gramatical: 1 = (yo), 11 = (nosotros/as), 2 = (tú), 22 = (vosotros/as), etc.";
inline constexpr QStringView kInfinitive = u"El infinitivo del verbo a usar.";
inline constexpr QStringView kAnswerBox =
    u"Éste es el espacio donde debe entrar sus soluciones (el verbo conjugado).";
inline constexpr QStringView kImperativeMarker =
    u"Use el imperativo o el subjuntivo.  (Felszólítás, tiltás.)";

inline constexpr QStringView kMainMenuExit = u"Para salir del programa pulse aquí.";
// The 48 blanks push the credit onto the next line of the word-wrapped hint line.
inline constexpr QStringView kMainMenuSurface =
    u"Las cifras indican las unidades y los ejercicios del libro de ejercicios gramaticales de "
    u"español:                                                "
    u"Los autores de ZOR - Ejercicios de gramática española";

} // namespace ui::hints
