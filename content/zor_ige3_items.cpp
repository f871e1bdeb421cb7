#include "itemtables.h"

#include <iterator>

namespace content {
namespace {

// clang-format off
constexpr DrillItem kItems[] = {
    // Unidad 12, ejercicio 9: Presente de Indicativo, regular and irregular verbs
    // textBefore      infinitive     answer           textAfter                           person
    {u"Mis primos",    u"comer",      u"comen",        u"a la una y media.",               u""},     // 0
    {u"",              u"levantarse", u"Me levanto",   u"a las siete todos los días.",     u"1"},    // 1
    {u"Mi hermano",    u"lavar",      u"lava",         u"el coche los sábados.",           u""},     // 2
    {u"",              u"vivir",      u"Vives",        u"en un barrio muy tranquilo.",     u"2"},    // 3
    {u"¿",             u"beber",      u"Bebe",         u"usted vino o cerveza?",           u""},     // 4
    {u"Mis abuelos",   u"vivir",      u"viven",        u"en un pueblo de Toledo.",         u""},     // 5
    {u"",              u"dirigirse",  u"Me dirijo",    u"a la parada.",                    u"1"},    // 6
    {u"Por la mañana", u"coger",      u"cojo",         u"el metro para ir al trabajo.",    u"1"},    // 7
    {u"¿",             u"tener",      u"Tenéis",       u"hermanos?",                       u"2 2"},  // 8
    {u"",              u"decir",      u"Digo",         u"lo que pienso.",                  u"1"},    // 9
    {u"¿Cuánto",       u"costar",     u"cuesta",       u"ese abrigo?",                     u""},     // 10
    {u"¿Qué",          u"hacer",      u"haces",        u"esta tarde?",                     u"2"},    // 11
    {u"Mis hijos",     u"querer",     u"quieren",      u"un perro.",                       u""},     // 12
    {u"",              u"sentir",     u"Siento",       u"mucho llegar tarde.",             u"1"},    // 13
    {u"Los domingos",  u"hacer",      u"hacemos",      u"paella en casa.",                 u"1 1"},  // 14
    {u"¿",             u"poder",      u"Puedes",       u"abrir la ventana, por favor?",    u"2"},    // 15
    {u"La biblioteca", u"adquirir",   u"adquiere",     u"libros nuevos cada mes.",         u""},     // 16
    {u"Siempre",       u"perder",     u"pierdo",       u"las llaves.",                     u"1"},    // 17
    {u"Ese político",  u"mentir",     u"miente",       u"muy a menudo.",                   u""},     // 18
    {u"",              u"seguir",     u"Seguimos",     u"la receta de la abuela.",         u"1 1"},  // 19
    {u"Los niños",     u"jugar",      u"juegan",       u"al fútbol en el parque.",         u""},     // 20
    {u"La farmacia",   u"cerrar",     u"cierra",       u"a las diez de la noche.",         u""},     // 21
    {u"Mis amigos",    u"divertirse", u"se divierten", u"mucho en la playa.",              u""},     // 22
    {u"",              u"vestirse",   u"Me visto",     u"en cinco minutos.",               u"1"},    // 23
    {u"¿Con qué",      u"soñar",      u"sueñas",       u"por las noches?",                 u"2"},    // 24
    {u"Los bebés",     u"dormir",     u"duermen",      u"muchas horas al día.",            u""},     // 25
    {u"No",            u"saber",      u"sé",           u"jugar al ajedrez.",               u"1"},    // 26
    {u"¿Qué",          u"decir",      u"dice",         u"usted?",                          u""},     // 27
    {u"Mi mujer",      u"preferir",   u"prefiere",     u"el té al café.",                  u""},     // 28

    // Unidad 12, ejercicio 10: affirmative imperative (no text before the gap) and
    // negative imperative, i.e. Presente de Subjuntivo ("No" before the gap)
    // textBefore      infinitive     answer           textAfter                           person
    {u"",              u"esperar",    u"Espera",       u"un momento, que ahora vuelvo.",   u"2"},    // 29
    {u"",              u"vestirse",   u"Vestíos",      u"rápido.",                         u"2 2"},  // 30
    {u"",              u"cruzar",     u"Cruce",        u"usted por el paso de peatones.",  u""},     // 31
    {u"No",            u"conducir",   u"conduzcas",    u"tan deprisa.",                    u"2"},    // 32
    {u"",              u"coger",      u"Coge",         u"el paraguas, que va a llover.",   u"2"},    // 33
    {u"No",            u"buscar",     u"busques",      u"excusas.",                        u"2"},    // 34
    {u"",              u"apagar",     u"Apague",       u"la luz antes de salir.",          u"3"},    // 35
    {u"",              u"elegir",     u"Elige",        u"un libro para el viaje.",         u"2"},    // 36
    {u"",              u"despedirse", u"Despedíos",    u"de los abuelos.",                 u"2 2"},  // 37
    {u"",              u"construir",  u"Construid",    u"un castillo de arena.",           u"2 2"},  // 38
    {u"No",            u"huir",       u"huyas",        u"de tus problemas.",               u"2"},    // 39
    {u"",              u"confiar",    u"Confíe",       u"usted en nosotros.",              u""},     // 40
    {u"No",            u"trabajar",   u"trabajéis",    u"los domingos.",                   u"2 2"},  // 41
    {u"",              u"dejar",      u"Deja",         u"la bicicleta en el garaje.",      u"2"},    // 42
    {u"No",            u"desconfiar", u"desconfíes",   u"de todo el mundo.",               u"2"},    // 43
    {u"No",            u"mentir",     u"mientas",      u"a tus padres.",                   u"2"},    // 44
    {u"",              u"divertirse", u"Divertíos",    u"mucho en la fiesta.",             u"2 2"},  // 45
    {u"",              u"adquirir",   u"Adquiera",     u"usted las entradas en taquilla.", u""},     // 46
    {u"",              u"levantarse", u"Levántate",    u"temprano mañana.",                u"2"},    // 47
    {u"",              u"fregar",     u"Friega",       u"los platos después de comer.",    u"2"},    // 48
    {u"",              u"hacer",      u"Haz",          u"la cama antes de desayunar.",     u"2"},    // 49
    {u"No",            u"salir",      u"salgáis",      u"sin abrigo con este frío.",       u"2 2"},  // 50
    {u"",              u"obedecer",   u"Obedezcan",    u"las indicaciones del guía.",      u"3 3"},  // 51
    {u"No",            u"ponerse",    u"te pongas",    u"ese jersey, que está sucio.",     u"2"},    // 52
    {u"",              u"ser",        u"Sé",           u"bueno con tu hermana.",           u"2"},    // 53
    {u"No",            u"reírse",     u"te rías",      u"de los demás.",                   u"2"},    // 54
    {u"",              u"traer",      u"Traiga",       u"la cuenta, por favor.",           u"3"},    // 55
    {u"",              u"venir",      u"Ven",          u"aquí ahora mismo.",               u"2"},    // 56
    {u"No",            u"traducir",   u"traduzca",     u"usted palabra por palabra.",      u""},     // 57
    {u"",              u"vaciar",     u"Vacíe",        u"usted los bolsillos.",            u""},     // 58
    {u"",              u"torcer",     u"Tuerza",       u"a la izquierda en la plaza.",     u"3"},    // 59
    {u"No",            u"perder",     u"pierdas",      u"el tiempo.",                      u"2"},    // 60
    {u"",              u"repetir",    u"Repetid",      u"las palabras nuevas.",            u"2 2"},  // 61
    {u"No",            u"soñar",      u"sueñes",       u"despierto.",                      u"2"},    // 62
    {u"",              u"dormir",     u"Duerma",       u"usted al menos ocho horas.",      u""},     // 63
    {u"No",            u"ser",        u"seas",         u"tan impaciente.",                 u"2"},    // 64
    {u"No",            u"caerse",     u"te caigas",    u".",                               u"2"},    // 65
    {u"",              u"ir",         u"Id",           u"vosotros primero.",               u""},     // 66
    {u"No",            u"hacer",      u"hagas",        u"ruido, que despiertas al bebé.",  u"2"},    // 67
    {u"",              u"salir",      u"Salgan",       u"ustedes por la puerta de atrás.", u""},     // 68
    {u"",              u"decir",      u"Di",           u"la verdad.",                      u"2"},    // 69
    {u"",              u"tener",      u"Tengan",       u"cuidado con el escalón.",         u"3 3"},  // 70
    {u"No",            u"ir",         u"vayas",        u"tú solo a la montaña.",           u""},     // 71
    {u"No",            u"decir",      u"digan",        u"ustedes nada a nadie.",           u""},     // 72
    {u"No",            u"tener",      u"tengáis",      u"miedo, que el perro no muerde.",  u"2 2"},  // 73
    {u"No",            u"ponerse",    u"os pongáis",   u"nerviosos en el examen.",         u"2 2"},  // 74
    {u"",              u"ser",        u"Sed",          u"puntuales mañana.",               u"2 2"},  // 75
    {u"",              u"salir",      u"Sal",          u"de la ducha, que es tarde.",      u"2"},    // 76
    {u"No",            u"venir",      u"vengas",       u"tarde a casa.",                   u"2"},    // 77
    {u"",              u"ser",        u"Sean",         u"ustedes bienvenidos a Madrid.",   u""},     // 78
};
// clang-format on

static_assert(std::size(kItems) == 79);

} // namespace

std::span<const DrillItem> zorIge3Items()
{
    return kItems;
}

} // namespace content
