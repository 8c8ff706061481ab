#pragma once
// Names of the report files. They all live in the web folder, beside the
// executable or in the user's cache folder (f_carpetaWeb).

#include <QLatin1StringView>

namespace Unthtml_constantes {

inline constexpr QLatin1StringView carpetaWeb{"web"};
// Written only when missing, so that a style sheet the user edited stays in use.
inline constexpr QLatin1StringView hojaEstilos{"reports.css"};
// Rewritten at every rendering of their report.
inline constexpr QLatin1StringView reporteXDia{"reporte.htm"};
inline constexpr QLatin1StringView reporteHoy{"today.htm"};

} // namespace Unthtml_constantes
