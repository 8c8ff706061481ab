#pragma once
// Program-wide constants.

#include <QLatin1StringView>

namespace Unt_constantes {

inline constexpr QLatin1StringView version{"0.9.8"};
inline constexpr QLatin1StringView producto{"Quillnest"};
// Status text after a document was read or saved; never translated.
inline constexpr QLatin1StringView listo{"Listo"};
// End of an item's text body in a document.
inline constexpr char finTexto[] = "\x01\x02\x03";
inline constexpr int finTextoLen = 3;
inline constexpr char cr = '\r';
inline constexpr char lf = '\n';
inline constexpr QLatin1StringView crlf{"\r\n"};
inline constexpr char tab = '\t';
// Capacity of an item's stored date text.
inline constexpr int fechaCapacidad = 20;

} // namespace Unt_constantes
