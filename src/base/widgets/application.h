#pragma once
// The application object: its notify() is the general error report, the one
// place where a failure that no operation caught is shown to the user before
// the event loop goes on.

#include <QApplication>

class QuillnestApplication : public QApplication {
    Q_OBJECT
public:
    QuillnestApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message of a failure; used by notify() and by code that must
    // finish its own work after catching one.
    static void reportError(const QString& message);
};
