#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withSlash(QString folder) {
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString folderOf(const QString& executablePath) {
    return withSlash(QFileInfo(executablePath).absolutePath());
}

// The module's file as the build names it, beside the executable or in the
// library folder of an installation (QUILLNEST_MODULE_DIR, relative to the
// folder of the installed executable).
const QLatin1StringView kModuleFile{"libquillnest_browser.so"};

QString installedModuleFolder(const QString& executablePath) {
    return QDir::cleanPath(folderOf(executablePath) + QLatin1StringView(QUILLNEST_MODULE_DIR));
}

// An installed layout: the module is not beside the executable but in the
// library folder installing puts it in. Even where the folder can be
// written (an administrator's start), nothing is written among the
// installed files.
bool installedLayout(const QString& executablePath) {
    return !QFileInfo::exists(folderOf(executablePath) + kModuleFile) &&
           QFileInfo::exists(installedModuleFolder(executablePath) + u'/' + kModuleFile);
}

// Whether a file can really be made there: permission bits alone would say
// yes to a read-only mount.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QLatin1StringView(".quillnest-XXXXXX"));
    return probe.open();
}

QString userFolder(QStandardPaths::StandardLocation location, const QString& executablePath) {
    const QString folder = QStandardPaths::writableLocation(location) + u'/' +
                           QFileInfo(executablePath).completeBaseName() + u'/';
    QDir().mkpath(folder);
    return folder;
}

} // namespace

ProgramFolder::ProgramFolder(QString executablePath)
    : ProgramFolder(executablePath, folderOf(executablePath), folderOf(executablePath)) {}

ProgramFolder::ProgramFolder(QString executablePath, QString configFolder, QString webParent)
    : m_executablePath(std::move(executablePath)), m_path(folderOf(m_executablePath)),
      m_configFolder(std::move(configFolder)), m_webParent(std::move(webParent)) {}

ProgramFolder ProgramFolder::locate(const QString& executablePath) {
    if (!installedLayout(executablePath) && canWriteIn(folderOf(executablePath)))
        return ProgramFolder(executablePath);
    return ProgramFolder(executablePath,
                         userFolder(QStandardPaths::GenericConfigLocation, executablePath),
                         userFolder(QStandardPaths::GenericCacheLocation, executablePath));
}

ProgramFolder ProgramFolder::ofRunningProgram() {
    return locate(QCoreApplication::applicationFilePath());
}

QString ProgramFolder::moduleFolder(const QString& executablePath) {
    return installedLayout(executablePath) ? installedModuleFolder(executablePath)
                                           : QFileInfo(executablePath).absolutePath();
}
