#include "base/widgets/application.h"

#include "base/errors.h"
#include "base/unt_constantes.h"
#include "base/widgets/user_dialogs.h"

QuillnestApplication::QuillnestApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
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
