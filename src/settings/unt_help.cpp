#include "settings/unt_help.h"

#include "base/program_folder.h"
#include "language/unt_idioma.h"

#include <QStandardPaths>

QString helpFileName(const ProgramFolder& folder) {
    return folder.path() + QLatin1StringView("quilnst_") + f_getIdioma() +
           QLatin1StringView(".chm");
}

QString htmlHelpViewer() {
    return QStandardPaths::findExecutable(QStringLiteral("hh"));
}

DetachedCommand helpCommand(const QString& helpFile, const QString& topic, const QString& viewer) {
    if (viewer.isEmpty())
        return {QStringLiteral("xdg-open"), {helpFile}};
    const QString address =
        topic.isEmpty() ? helpFile : helpFile + QLatin1StringView("::/") + topic;
    return {viewer, {address}};
}
