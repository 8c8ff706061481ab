// A settings file of any bytes: every setting reads as a text or a number,
// a damaged file is an error with a message, and nothing fails otherwise.
#include "base/errors.h"
#include "fuzz_support.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QFile file(fuzzFolder().filePath(QStringLiteral("quillnest.ini")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        finding("the settings file cannot be written");
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    try {
        SettingsStore settings(fuzzFolder().filePath(QStringLiteral("quillnest.ini")));
        settings.number(Settings::posicion::width);
        settings.number(Settings::opciones::autoguardado);
        settings.text(Settings::opciones::idioma);
        settings.text(Settings::archivos::ultimo);
        settings.recentFiles();
        settings.write(Settings::fuentes::nombre, QStringLiteral("Sans"));
    } catch (const QuillnestError&) {
    }
    return 0;
}
