#include "base/widgets/application.h"

#include "base/errors.h"
#include "base/unt_constantes.h"

QuillnestApplication::QuillnestApplication(int& argc, char** argv, ReportBrowserFactory newBrowser)
    : QApplication(argc, argv) {
    setApplicationName(QString(Unt_constantes::producto));
    setApplicationVersion(QString(Unt_constantes::version));
    // The folders the services name depend on the application's name.
    m_services =
        std::make_unique<ProgramServices>(ProgramServices::runningProgram(std::move(newBrowser)));
}

QuillnestApplication::~QuillnestApplication() = default;

bool QuillnestApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const QuillnestError& error) {
        m_services->reportError(error.message());
    } catch (const std::exception& error) {
        m_services->reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
