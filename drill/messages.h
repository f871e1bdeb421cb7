#pragma once

#include <QStringView>

namespace drill {

inline constexpr QStringView kEndMessage =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\".";
// The end message and the capital warning share their title in all three windows.
inline constexpr QStringView kUnits2to4Title = u"Verbos   ---   Unidades 2-4";
inline constexpr QStringView kEndTitle = kUnits2to4Title;
inline constexpr QStringView kCapitalWarning = u"¡Atención a las mayúsculas!";
inline constexpr QStringView kCapitalTitle = kUnits2to4Title;
inline constexpr QStringView kWrongAnswer = u"No es correcto. Vuelva a probarlo.";
inline constexpr QStringView kWrongAnswerTitle = u"Verbos    ---   Unidad 2-4";
inline constexpr QStringView kSolutionPrefix = u"La forma correcta es: ";
inline constexpr QStringView kSolutionTitleUnits2to4 = u"Verbos  -- Unidades 2-4  ---   Ayuda";
inline constexpr QStringView kSolutionTitleUnits8to10 = u"Verbos  -- Unidades 8-10  ---   Ayuda";

inline constexpr QStringView kStartCaption = u"&Comenzar";
inline constexpr QStringView kRestartCaption = u"&Recomenzar";

} // namespace drill
