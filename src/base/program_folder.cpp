#include "base/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

ProgramFolder::ProgramFolder(QString executablePath)
    : m_executablePath(std::move(executablePath)),
      m_path(QFileInfo(m_executablePath).absolutePath()) {
    if (!m_path.endsWith(u'/'))
        m_path += u'/';
}

ProgramFolder ProgramFolder::ofRunningProgram() {
    return ProgramFolder(QCoreApplication::applicationFilePath());
}
