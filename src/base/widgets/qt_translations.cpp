#include "base/widgets/qt_translations.h"

#include "language/unt_idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtTranslations(const QString& language) {
    static QTranslator* installed = nullptr;
    if (installed)
        return;
    const QString code = language == kIdiomaEnglish ? QStringLiteral("en") : QStringLiteral("es");
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qt_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
    } else {
        delete translator;
    }
}
