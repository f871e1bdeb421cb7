#pragma once

#include <QStringView>

// The fixed help and information messages. Line breaks are CR LF, as the texts are stored.
namespace ui::helptexts {

inline constexpr QStringView kHelpTitle = u"Ayuda";

// The exercise help of zor_ige2 and zor_ige3.
inline constexpr QStringView kExerciseHelp =
    u"Para comenzar el ejercicio, pulse sobre el botón \"Comenzar\" . Ponga la forma correcta del "
    u"primer verbo, luego - para controlar su solución y pasar a la oración siguiente- pulse "
    u"sobre \"Enter\" o sobre el botón \"Siguiente\".  Para recibir información sobre el uso de "
    u"las letras acentuadas, en caso de necesidad, consulte \"Ayuda/Cómo ...\" en el menú "
    u"principal.";

// The exercise help of zor_ige1: Spanish, an empty line, Hungarian.
inline constexpr QStringView kExerciseHelpBilingual =
    u"      Para comenzar el ejercicio, pulse sobre el botón \"Comenzar\" . Ponga la forma "
    u"correcta del primer verbo (en la casilla rosa), luego -para comprobar su solución y pasar a "
    u"la oración siguiente- pulse sobre \"Enter\" o sobre el botón \"Siguiente\".  Para recibir "
    u"información sobre el uso de las letras acentuadas, en caso de necesidad, consulte "
    u"\"Ayuda/Cómo ...\" en el menú principal."
    u"\r\n\r\n"
    u"      A \"Comenzar\" gombra kattintva indítsa el a gyakorlatot! Írja be a megoldását a "
    u"megfelelő (rózsaszín) mezőbe, majd nyomja le az \"Enter\" billentyűt, vagy kattintson a "
    u"\"Siguiente\" gombra! Ha a megoldása helyes volt, továbblép a következő mondatra, "
    u"ellenkező esetben ki kell javítania, mielőtt továbbléphet. Szükség esetén a Főmenü "
    u"\"Ayuda/Cómo ...\" pontjában megtalálja a speciális spanyol betűkre (hangsúly stb.) "
    u"vonatkozó információkat.";

inline constexpr QStringView kKeyboardHelpTitle = u"Cómo ...";
inline constexpr QStringView kKeyboardHelp =
    u"Las letras acentuadas y signos especiales son como sigue (sobre la base del teclado "
    u"inglés):\r\n"
    u"                á = ' \r\n"
    u"                é = ; \r\n"
    u"                í = ` \r\n"
    u"                ó = \\ \r\n"
    u"                ú = / \r\n"
    u"                ñ = [ \r\n"
    u"                ¡ = @ \r\n"
    u"                ¿ = # .\r\n"
    u"Por supuesto, se pueden utilizar también los teclados español o  húngaro (insertándose, en "
    u"este último caso, la \"ñ\", la \"¡\" y la \"¿\" con Alt+Número), etc.";

inline constexpr QStringView kInformationTitle = u"Mi ez?";
inline constexpr QStringView kInformation =
    u"A program jelenlegi formájában egy készülő spanyol nyelvtani gyakorlóanyag egy egységének "
    u"próbaváltozata. Szabadon másolható és továbbadható, de csak ingyenesen. (A szerzők nem "
    u"vállalnak felelősséget a telepítés vagy a használat során keletkező hibákért.) A program "
    u"Qt-vel készült asztali alkalmazás, amelyet használat előtt le kell fordítani: a forrás "
    u"könyvtárában kiadott \"make run\" parancs telepíti a hiányzó csomagokat, lefordítja és "
    u"elindítja. A lefordított program (zor) bármely könyvtárba másolható; a \"cmake --install\" "
    u"parancs alapértelmezés szerint a /usr/local/bin könyvtárba telepíti, és felveszi az asztal "
    u"menüjébe. A programmal vagy a nyelvi anyaggal kapcsolatos megjegyzéseket, javaslatokat és "
    u"tanácsokat hálásan fogadjuk:\r\n"
    u"      A ZOR szerzői, ZOR-projekt, Spanyol nyelvtani gyakorlóanyag, Fejlesztőcsoport\r\n"
    u"              0000, Példaváros, Minta utca 1.\r\n"
    u"               E-mail: zor@example.org";

} // namespace ui::helptexts
