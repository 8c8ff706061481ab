#pragma once
// Every section and key of the settings file with the default its readers
// use, declared once so that no caller retypes a name or a default.

#include <QLatin1StringView>
#include <array>

struct SettingKey {
    QLatin1StringView section;
    QLatin1StringView key;
};

// How a flag reads: set only when it holds "1", or set unless it holds "0".
enum class FlagRule { SetWhenOne, SetUnlessZero };

struct Setting : SettingKey {
    QLatin1StringView defaultValue;
    FlagRule flagRule = FlagRule::SetWhenOne;
};

namespace Settings {

constexpr Setting setting(QLatin1StringView section, const char* key, const char* defaultValue,
                          FlagRule flagRule = FlagRule::SetWhenOne) {
    return {{section, QLatin1StringView(key)}, QLatin1StringView(defaultValue), flagRule};
}

namespace opciones {
inline constexpr QLatin1StringView section{"opciones"};
// "XXX": no language chosen yet, so the options dialog asks at start.
inline constexpr Setting idioma = setting(section, "idioma", "XXX");
// "0" opens the last used document at start, "1" a blank one.
inline constexpr Setting docinicio = setting(section, "docinicio", "0");
// Minutes between autosaves; "0" switches autosave off.
inline constexpr Setting autoguardado = setting(section, "autoguardado", "0");
// "1" registers the document file type at every start.
inline constexpr Setting regexts = setting(section, "regexts", "1");
// "1": a save first keeps the file it replaces as "<name>~".
inline constexpr Setting copiaseguridad =
    setting(section, "copiaseguridad", "1", FlagRule::SetUnlessZero);
} // namespace opciones

namespace fuentes {
inline constexpr QLatin1StringView section{"fuentes"};
// Empty keeps the windows' own font.
inline constexpr Setting nombre = setting(section, "nombre", "");
inline constexpr Setting size = setting(section, "size", "10");
inline constexpr Setting bold = setting(section, "bold", "0");
inline constexpr Setting italic = setting(section, "italic", "0");
} // namespace fuentes

namespace archivos {
inline constexpr QLatin1StringView section{"archivos"};
// The document open at the last exit; empty when it had no file.
inline constexpr Setting ultimo = setting(section, "ultimo", "");
// The recent files list, most recent first: recientes[0] is "ultimo1".
inline constexpr std::array<Setting, 9> recientes{
    setting(section, "ultimo1", ""), setting(section, "ultimo2", ""),
    setting(section, "ultimo3", ""), setting(section, "ultimo4", ""),
    setting(section, "ultimo5", ""), setting(section, "ultimo6", ""),
    setting(section, "ultimo7", ""), setting(section, "ultimo8", ""),
    setting(section, "ultimo9", ""),
};
} // namespace archivos

// Main window geometry in pixels.
namespace posicion {
inline constexpr QLatin1StringView section{"posicion"};
inline constexpr Setting maintop = setting(section, "maintop", "173");
inline constexpr Setting mainleft = setting(section, "mainleft", "200");
inline constexpr Setting width = setting(section, "width", "904");
inline constexpr Setting height = setting(section, "height", "643");
// Width of the tree panel.
inline constexpr Setting mainsplit = setting(section, "mainsplit", "133");
} // namespace posicion

// The report definition; its flags count as set unless they are "0".
namespace reportes {
inline constexpr QLatin1StringView section{"reportes"};
// Dates in fecha form; 2162688 is 1 January 1980, which stands for "no start date".
inline constexpr Setting fechadesde = setting(section, "fechadesde", "2162688");
// Its default is today's date in fecha form, so the reader supplies it.
inline constexpr SettingKey fechahasta{section, QLatin1StringView("fechahasta")};
// "0" orders by date, "1" keeps the tree's order.
inline constexpr Setting orden = setting(section, "orden", "0");
inline constexpr Setting mostrarcompletados =
    setting(section, "mostrarcompletados", "0", FlagRule::SetUnlessZero);
inline constexpr Setting mostrartexto =
    setting(section, "mostrartexto", "1", FlagRule::SetUnlessZero);
// "1" reports the whole document, "0" the selected item and its descendants.
inline constexpr Setting completo = setting(section, "completo", "1");
} // namespace reportes

// Where the user left the today report window: "left,top,width,height", the
// frame's top left corner and the size of its contents, stored each time the
// window is hidden; empty until then.
namespace ventanas {
inline constexpr QLatin1StringView section{"ventanas"};
inline constexpr Setting hoy = setting(section, "hoy", "");
} // namespace ventanas

// The folder of the last document opened or saved through a file dialog,
// where the next dialog starts while the document has no file of its own.
namespace carpetas {
inline constexpr QLatin1StringView section{"carpetas"};
inline constexpr Setting ultima = setting(section, "ultima", "");
} // namespace carpetas

} // namespace Settings
