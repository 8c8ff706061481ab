#include "settings/unt_help.h"

#include "base/program_folder.h"
#include "language/unt_idioma.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString helpPageName(HelpTopic topic) {
    switch (topic) {
    case HelpTopic::start:
        return QStringLiteral("index.htm");
    case HelpTopic::options:
        return QStringLiteral("opciones.htm");
    }
    Q_UNREACHABLE();
    return {};
}

QString helpFolder(const ProgramFolder& folder) {
    const QString beside = folder.path() + QLatin1StringView("help/");
    // The build writes where an installed program finds its manual, relative
    // to the program's own folder, so any installation prefix works.
    const QString installed =
        QDir::cleanPath(folder.path() + QLatin1StringView(QUILLNEST_HELP_FROM_PROGRAM)) + u'/';
    if (!QFileInfo(beside).isDir() && QFileInfo(installed).isDir())
        return installed;
    return beside;
}

QString helpFileName(const ProgramFolder& folder, HelpTopic topic) {
    return helpFolder(folder) + f_getIdioma() + u'/' + helpPageName(topic);
}

DetachedCommand helpCommand(const QString& page) {
    // Fully encoded: a handler that splits or decodes the address itself still
    // gets blanks and non-ASCII letters right.
    return {QStringLiteral("xdg-open"), {QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded)}};
}
