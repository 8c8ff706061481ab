// A language file of any bytes: the lookup finds a text, its default or
// "ERROR", and never fails otherwise.
#include "fuzz_support.h"
#include "language/messages.h"
#include "language/unt_idioma.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QFile file(fuzzFolder().filePath(QStringLiteral("fuzz.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        finding("the language file cannot be written");
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    LanguageTable table(fuzzFolder().path() + u'/');
    table.use();
    f_setIdioma(QStringLiteral("fuzz"));
    // A key from the file's own first line, in any letter case, and fixed ones.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           qsizetype(std::min<size_t>(size, 40)));
    f_getTexto(text.section(u'=', 0, 0), text.section(u'=', 1), QStringLiteral("x"));
    f_getTexto(Messages::guardaLosCambios);
    f_getTexto(Messages::deshacer);
    f_idiomaActualizado(file.fileName());
    return 0;
}
