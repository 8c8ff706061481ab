#include "settings/unt_help.h"

#include "document/program_folder.h"
#include "language/unt_idioma.h"

namespace {
QString& currentHelpFile() {
    static QString name;
    return name;
}
} // namespace

void f_setHelpFile() {
    currentHelpFile() =
        programFolder() + QLatin1StringView("quilnst_") + f_getIdioma() + QLatin1StringView(".chm");
}

QString helpFileName() {
    return currentHelpFile();
}
