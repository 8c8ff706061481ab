// Date texts and packed dates of any kind, in several locales: each either
// reads as a date or is refused with an error, and a date read is written
// back as a date that reads the same.
#include "base/errors.h"
#include "document/unt_funciones.h"
#include "fuzz_support.h"

#include <QLocale>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const QLocale locales[] = {QLocale(QLocale::Spanish, QLocale::Spain),
                                      QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c()};
    QLocale::setDefault(locales[data[0] % (sizeof locales / sizeof locales[0])]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (const auto value = parseFechaHora(text)) {
        const QString shown = formatFechaHora(*value);
        const auto back = parseFechaHora(shown);
        if (!back || back->date() != value->date())
            finding("a date read does not read back from its own text");
    }
    try {
        f_fechaAEntero(text);
    } catch (const QuillnestError&) {
    }
    try {
        f_diaDeFecha(text);
    } catch (const QuillnestError&) {
    }
    if (size >= 5) {
        qint32 packed = 0;
        std::memcpy(&packed, data + 1, sizeof packed);
        try {
            f_enteroAFecha(packed);
        } catch (const QuillnestError&) {
        }
    }
    return 0;
}
