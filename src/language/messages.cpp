#include "language/messages.h"

QString messageWithPath(const LanguageText& text, const QString& path) {
    QString message = f_getTexto(text);
    // Only the first "%s" is the path: a path that itself holds "%s" stays as it is.
    const qsizetype placeholder = message.indexOf(QLatin1StringView("%s"));
    if (placeholder >= 0)
        message.replace(placeholder, 2, path);
    return message;
}
