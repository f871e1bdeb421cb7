#pragma once

#include "catalogue.h"
#include "drillprofile.h"

// A small table with one item of every shape the check treats differently.
namespace testitems {

// clang-format off
inline constexpr content::DrillItem kItems[] = {
    {u"La señorita", u"tomar",     u"toma",        u"el autobús.",     u""},    // 0
    {u"",            u"estudiar",  u"Estudiamos",  u"mucho.",          u"1 1"}, // 1 sentence-initial
    {u"¿",           u"trabajar",  u"Trabajas",    u"en el hospital?", u"2"},   // 2 question opened by the gap
    {u"Ellos",       u"acostarse", u"se acuestan", u"tarde.",          u""},    // 3 two words
    {u"Mi casa",     u"estar",     u"está",        u"cerca.",          u""},    // 4 accent
    {u"¿Dónde",      u"comer",     u"coméis",      u"?",               u"2 2"}, // 5 closing mark only
    {u"No",          u"caerse",    u"te caigas",   u".",               u"2"},   // 6
    {u"¡",           u"tener",     u"Ten",         u"cuidado!",        u"2"},   // 7 exclamation opened by the gap
};

inline constexpr content::ExerciseSet kSets[] = {
    {u"todo:", 0, 7, u"Todos los tipos ", u""},
    {u"uno:", 2, 2, u"Un solo ítem", u""},
    {u"dos:", 3, 4, u"Dos ítems", u""},
};
// clang-format on

inline const content::ExerciseGroup kGroup{u"test", kSets, kItems};

inline constexpr drill::DrillProfile kPlain{u"Solución", drill::SolutionHiding::BeforeEndMessage,
                                            false, std::nullopt};
inline constexpr drill::DrillProfile kCollapsing{
    u"Solución", drill::SolutionHiding::AfterEndMessage, true, std::nullopt};

} // namespace testitems
