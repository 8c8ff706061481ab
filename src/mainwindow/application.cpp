#include "mainwindow/application.h"

#include "document/errors.h"
#include "document/unt_constantes.h"
#include "mainwindow/user_dialogs.h"

namespace {
// The browser engine of the report windows, loaded only when the first one
// opens, needs OpenGL contexts shared from the start: the attribute must be set
// before the application object exists.
int& prepareBrowserEngine(int& argc) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return argc;
}
} // namespace

QuillnestApplication::QuillnestApplication(int& argc, char** argv)
    : QApplication(prepareBrowserEngine(argc), argv) {
    setApplicationName(QString(Unt_constantes::producto));
    setApplicationVersion(QString(Unt_constantes::version));
}

bool QuillnestApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const QuillnestError& error) {
        reportError(error.message());
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void QuillnestApplication::reportError(const QString& message) {
    userDialogs().showError(activeWindow(), message);
}
