#include "itemtables.h"

#include <iterator>

namespace content {
namespace {

// clang-format off
constexpr DrillItem kItems[] = {
    // Unidad 8, ejercicio 2: irregular verbs of type A (e > ie, o > ue)
    // textBefore                    infinitive      answer            textAfter                          person
    {u"El billete de autobús",       u"costar",      u"cuesta",        u"un euro y medio.",               u""},    // 0
    {u"Hoy no",                      u"encontrarse", u"me encuentro",  u"muy bien.",                      u"1"},   // 1
    {u"Mi abuelo siempre",           u"contar",      u"cuenta",        u"historias muy divertidas.",      u""},    // 2
    {u"¿Cuándo",                     u"empezar",     u"empiezan",      u"ustedes a trabajar?",            u""},    // 3
    {u"Yo",                          u"despertarse", u"me despierto",  u"a las 6 de la mañana.",          u""},    // 4
    {u"",                            u"despertarse", u"Os despertáis", u"a las siete.",                   u"2 2"}, // 5
    {u"Los niños",                   u"merendar",    u"meriendan",     u"un bocadillo de jamón.",         u""},    // 6
    {u"",                            u"merendar",    u"Merendamos",    u"chocolate con churros.",         u"1 1"}, // 7
    {u"Mi hermana pequeña",          u"acostarse",   u"se acuesta",    u"muy temprano.",                  u""},    // 8
    {u"¿A qué hora",                 u"acostarse",   u"os acostáis",   u"?",                              u"2 2"}, // 9
    {u"¿",                           u"sentarse",    u"Te sientas",    u"aquí, a mi lado?",               u"2"},   // 10
    {u"Pablo y Marta siempre",       u"sentarse",    u"se sientan",    u"juntos en clase.",               u""},    // 11
    {u"",                            u"almorzar",    u"Almorzamos",    u"en un bar cerca de la oficina.", u"1 1"}, // 12
    {u"¿Dónde",                      u"almorzar",    u"almuerza",      u"usted normalmente?",             u""},    // 13
    {u"Los domingos",                u"almorzar",    u"almuerzo",      u"con mis padres.",                u"1"},   // 14
    {u"Mañana",                      u"venir",       u"vengo",         u"un poco más tarde.",             u"1"},   // 15
    {u"¿De dónde",                   u"venir",       u"venís",         u"tan tarde?",                     u"2 2"}, // 16
    {u"Mis primos",                  u"venir",       u"vienen",        u"a cenar el sábado.",             u""},    // 17
    {u"",                            u"tener",       u"Tenemos",       u"un perro y dos gatos.",          u"1 1"}, // 18
    {u"Elena",                       u"tener",       u"tiene",         u"los ojos verdes.",               u""},    // 19
    {u"Ustedes",                     u"tener",       u"tienen",        u"mucha suerte.",                  u""},    // 20

    // Unidad 8, ejercicio 5: irregular verbs of type B (e > i)
    // textBefore                    infinitive      answer            textAfter                          person
    {u"El profesor",                 u"repetir",     u"repite",        u"la pregunta.",                   u""},    // 21
    {u"",                            u"repetir",     u"Repetimos",     u"la frase en voz alta.",          u"1 1"}, // 22
    {u"El camarero",                 u"servir",      u"sirve",         u"el café.",                       u""},    // 23
    {u"",                            u"servir",      u"Servimos",      u"la cena a las nueve.",           u"1 1"}, // 24
    {u"Yo siempre",                  u"elegir",      u"elijo",         u"el asiento de la ventanilla.",   u""},    // 25
    {u"¿",                           u"elegir",      u"Elegís",        u"el menú del día?",               u"2 2"}, // 26
    {u"La profesora",                u"corregir",    u"corrige",       u"los exámenes en casa.",          u""},    // 27
    {u"",                            u"corregir",    u"Corrijo",       u"los deberes de mi hijo.",        u"1"},   // 28
    {u"Todas las mañanas, Carmen",   u"vestir",      u"viste",         u"a los niños.",                   u""},    // 29
    {u"",                            u"vestirse",    u"Nos vestimos",  u"en seguida.",                    u"1 1"}, // 30
    {u"¿De quién",                   u"reírse",      u"se ríe",        u"usted?",                         u""},    // 31
    {u"Todos",                       u"reírse",      u"se ríen",       u"con los chistes de Jorge.",      u""},    // 32
    {u"En el bar",                   u"pedir",       u"pido",          u"cerveza.",                       u"1"},   // 33
    {u"¿Qué",                        u"pedir",       u"pedimos",       u"de postre?",                     u"1 1"}, // 34
    {u"",                            u"decir",       u"Digo",          u"siempre la verdad.",             u"1"},   // 35
    {u"El hombre del tiempo",        u"decir",       u"dice",          u"que mañana va a llover.",        u""},    // 36
    {u"",                            u"seguir",      u"Seguimos",      u"por esta calle hasta la plaza.", u"1 1"}, // 37
    {u"Ana",                         u"seguir",      u"sigue",         u"un curso de cocina.",            u""},    // 38
    {u"El gato",                     u"perseguir",   u"persigue",      u"al ratón por toda la casa.",     u""},    // 39
    {u"Los policías",                u"perseguir",   u"persiguen",     u"a los ladrones.",                u""},    // 40
    {u"En la estación",              u"despedirse",  u"me despido",    u"de mis padres.",                 u"1"},   // 41
    {u"¿Cuándo",                     u"despedirse",  u"os despedís",   u"de vuestros amigos?",            u"2 2"}, // 42

    // Unidad 10, ejercicio 13: irregular verbs of types C (conocer), E (construir) and F (enviar)
    // textBefore                    infinitive      answer            textAfter                          person
    {u"Tú siempre me",               u"corregir",    u"corriges",      u"las faltas de ortografía.",      u""},    // 43
    {u"",                            u"corregir",    u"Corregimos",    u"los errores del dictado.",       u"1 1"}, // 44
    {u"",                            u"traducir",    u"Traduzco",      u"del español al húngaro.",        u"1"},   // 45
    {u"El perro",                    u"obedecer",    u"obedece",       u"a su dueño.",                    u""},    // 46
    {u"Los animales",                u"huir",        u"huyen",         u"del fuego.",                     u""},    // 47
    {u"Mi abuela",                   u"desconfiar",  u"desconfía",     u"de los bancos.",                 u""},    // 48
    {u"En casa yo siempre",          u"ofrecer",     u"ofrezco",       u"café a los invitados.",          u""},    // 49
    {u"Mi padre",                    u"conducir",    u"conduce",       u"muy despacio.",                  u""},    // 50
    {u"Por la ciudad",               u"conducir",    u"conduzco",      u"con mucho cuidado.",             u"1"},   // 51
    {u"A veces, mi hijo",            u"desobedecer", u"desobedece",    u"a sus abuelos.",                 u""},    // 52
    {u"¿Quién",                      u"construir",   u"construye",     u"esta casa?",                     u""},    // 53
    {u"Le",                          u"agradecer",   u"agradezco",     u"mucho su ayuda.",                u"1"},   // 54
    {u"Hoy la señora Gómez",         u"sustituir",   u"sustituye",     u"a la profesora de inglés.",      u""},    // 55
    {u"Después de cenar, los niños", u"continuar",   u"continúan",     u"el juego.",                      u""},    // 56
    {u"Este alumno",                 u"merecer",     u"merece",        u"una buena nota.",                u""},    // 57
    {u"",                            u"confiar",     u"Confío",        u"en mis amigos.",                 u"1"},   // 58
    {u"Tú",                          u"parecerse",   u"te pareces",    u"mucho a tu padre.",              u""},    // 59
    {u"Mi hermano y yo no",          u"parecerse",   u"nos parecemos", u"nada.",                          u""},    // 60
    {u"En nuestra granja",           u"producir",    u"producimos",    u"queso y leche.",                 u"1 1"}, // 61
    {u"Esta fábrica",                u"producir",    u"produce",       u"coches eléctricos.",             u""},    // 62
    {u"No",                          u"conocer",     u"conozco",       u"a tu novio.",                    u"1"},   // 63
    {u"Todavía no",                  u"conocer",     u"conocéis",      u"a mi hermano.",                  u"2 2"}, // 64
    {u"Todos los meses",             u"enviar",      u"envío",         u"dinero a mi familia.",           u"1"},   // 65
    {u"El aire acondicionado",       u"enfriar",     u"enfría",        u"la habitación.",                 u""},    // 66
};
// clang-format on

static_assert(std::size(kItems) == 67);

} // namespace

std::span<const DrillItem> zorIge2Items()
{
    return kItems;
}

} // namespace content
