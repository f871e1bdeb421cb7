#include "itemtables.h"

#include <iterator>

namespace content {
namespace {

// clang-format off
constexpr DrillItem kItems[] = {
    // Unidad 2, ejercicio 9: first conjugation (-ar)
    // textBefore             infinitive    answer         textAfter                          person
    {u"El señor Pérez",       u"comprar",   u"compra",     u"un coche.",                      u""},    // 0
    {u"",                     u"estudiar",  u"Estudiamos", u"inglés por la tarde.",           u"1 1"}, // 1
    {u"Mi hermana",           u"tomar",     u"toma",       u"un café con leche.",             u""},    // 2
    {u"",                     u"preparar",  u"Preparo",    u"la comida.",                     u"1"},   // 3
    {u"",                     u"descansar", u"Descansáis", u"los domingos.",                  u"2 2"}, // 4
    {u"La profesora",         u"enseñar",   u"enseña",     u"matemáticas en un colegio.",     u""},    // 5
    {u"",                     u"pasear",    u"Paseamos",   u"por el parque.",                 u"1 1"}, // 6
    {u"",                     u"hablar",    u"Hablas",     u"tres idiomas.",                  u"2"},   // 7
    {u"Los abuelos",          u"conversar", u"conversan",  u"en la terraza.",                 u""},    // 8
    {u"",                     u"cantar",    u"Canto",      u"en un coro.",                    u"1"},   // 9
    {u"Mi padre ya no",       u"fumar",     u"fuma",       u"en casa.",                       u""},    // 10
    {u"",                     u"bailar",    u"Bailamos",   u"mucho en las fiestas.",          u"1 1"}, // 11
    {u"Ana y Luis",           u"nadar",     u"nadan",      u"en el mar.",                     u""},    // 12
    {u"",                     u"lavar",     u"Laváis",     u"los platos después de cenar.",   u"2 2"}, // 13
    {u"¿",                    u"trabajar",  u"Trabajas",   u"en el hospital?",                u"2"},   // 14
    {u"Los estudiantes",      u"escuchar",  u"escuchan",   u"al profesor.",                   u""},    // 15

    // Unidad 3, ejercicio 11/a: second conjugation (-er)
    {u"",                     u"beber",     u"Bebo",       u"agua con gas.",                  u"1"},   // 16
    {u"¿",                    u"leer",      u"Lees",       u"el periódico cada día?",         u"2"},   // 17
    {u"",                     u"ver",       u"Vemos",      u"la televisión por la noche.",    u"1 1"}, // 18
    {u"Mi hermano",           u"correr",    u"corre",      u"todas las mañanas.",             u""},    // 19
    {u"¿Qué",                 u"hacer",     u"hacen",      u"ustedes?",                       u""},    // 20
    {u"",                     u"comer",     u"Comes",      u"demasiado rápido.",              u"2"},   // 21
    {u"",                     u"comer",     u"Como",       u"en casa de mis padres.",         u"1"},   // 22
    {u"¿",                    u"vender",    u"Vendéis",    u"periódicos?",                    u"2 2"}, // 23
    {u"¿Tus hijos",           u"hacer",     u"hacen",      u"los deberes solos?",             u""},    // 24

    // Unidad 3, ejercicio 11/b: first and second conjugation
    {u"Mi madre",             u"trabajar",  u"trabaja",    u"desde casa.",                    u""},    // 25
    {u"",                     u"vender",    u"Vendemos",   u"fruta en el mercado.",           u"1 1"}, // 26
    {u"",                     u"cantar",    u"Cantas",     u"muy bien.",                      u"2"},   // 27
    {u"No",                   u"nadar",     u"nado",       u"en la piscina.",                 u"1"},   // 28
    {u"¿",                    u"beber",     u"Bebéis",     u"vino con la comida?",            u"2 2"}, // 29
    {u"¿Dónde",               u"comer",     u"coméis",     u"?",                              u"2 2"}, // 30
    {u"Mis sobrinos",         u"beber",     u"beben",      u"leche por la mañana.",           u""},    // 31
    {u"Mi abuelo",            u"fumar",     u"fuma",       u"en pipa.",                       u""},    // 32
    {u"Hoy",                  u"ver",       u"veo",        u"a mis primos.",                  u"1"},   // 33
    {u"¿",                    u"hacer",     u"Hacemos",    u"la cena juntos?",                u"1 1"}, // 34
    {u"",                     u"leer",      u"Leo",        u"muchas novelas.",                u"1"},   // 35
    {u"",                     u"comer",     u"Comen",      u"paella.",                        u"3 3"}, // 36
    {u"Elena",                u"estudiar",  u"estudia",    u"medicina en Madrid.",            u""},    // 37

    // Unidad 4, ejercicio 2/a: third conjugation (-ir)
    {u"Mi vecino",            u"salir",     u"sale",       u"de casa a las ocho.",            u""},    // 38
    {u"",                     u"recibir",   u"Recibo",     u"muchos mensajes.",               u"1"},   // 39
    {u"",                     u"venir",     u"Venimos",    u"a clase en autobús.",            u"1 1"}, // 40
    {u"¿",                    u"escribir",  u"Escribes",   u"a tus padres?",                  u"2"},   // 41
    {u"¿",                    u"abrir",     u"Abrís",      u"las ventanas?",                  u"2 2"}, // 42
    {u"El conserje",          u"subir",     u"sube",       u"al segundo piso.",               u""},    // 43

    // Unidad 4, ejercicio 2/b: all three conjugations
    {u"",                     u"nadar",     u"Nadamos",    u"en el río.",                     u"1 1"}, // 44
    {u"",                     u"venir",     u"Venís",      u"del trabajo muy cansados.",      u"2 2"}, // 45
    {u"Los españoles",        u"comer",     u"comen",      u"tarde.",                         u""},    // 46
    {u"",                     u"beber",     u"Bebes",      u"mucha agua.",                    u"2"},   // 47
    {u"",                     u"tomar",     u"Tomo",       u"un té por la tarde.",            u"1"},   // 48
    {u"",                     u"fumar",     u"Fumáis",     u"demasiado.",                     u"2 2"}, // 49
    {u"",                     u"salir",     u"Salimos",    u"a cenar los viernes.",           u"1 1"}, // 50
    {u"",                     u"estudiar",  u"Estudiáis",  u"mucho.",                         u"2 2"}, // 51
    {u"Mi hija",              u"leer",      u"lee",        u"cuentos antes de dormir.",       u""},    // 52
    {u"",                     u"escribir",  u"Escribimos", u"una carta a la abuela.",         u"1 1"}, // 53
    {u"",                     u"descansar", u"Descansas",  u"después de comer.",              u"2"},   // 54
    {u"",                     u"escuchar",  u"Escuchamos", u"música clásica.",                u"1 1"}, // 55
    {u"",                     u"ver",       u"Veo",        u"el partido en un bar.",          u"1"},   // 56
    {u"",                     u"subir",     u"Subimos",    u"por la escalera.",               u"1 1"}, // 57
    {u"Los niños",            u"cantar",    u"cantan",     u"en el patio.",                   u""},    // 58
    {u"",                     u"abrir",     u"Abro",       u"la tienda muy temprano.",        u"1"},   // 59
    {u"¿",                    u"hacer",     u"Haces",      u"deporte?",                       u"2"},   // 60
    {u"",                     u"recibir",   u"Recibimos",  u"muchas visitas.",                u"1 1"}, // 61
    {u"Mis padres",           u"trabajar",  u"trabajan",   u"de lunes a viernes.",            u""},    // 62
};
// clang-format on

static_assert(std::size(kItems) == 63);

} // namespace

std::span<const DrillItem> zorIge1Items()
{
    return kItems;
}

} // namespace content
