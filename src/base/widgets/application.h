#pragma once
// The application object. It builds and owns the program's services, and its
// notify() is the general error report: the one place where a failure that no
// operation caught is shown to the user before the event loop goes on.

#include "base/widgets/program_services.h"

#include <QApplication>
#include <memory>

class QuillnestApplication : public QApplication {
    Q_OBJECT
public:
    // The running program's services, with report browsers made by `newBrowser`.
    QuillnestApplication(int& argc, char** argv, ReportBrowserFactory newBrowser);
    ~QuillnestApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;

    ProgramServices& services() { return *m_services; }

private:
    std::unique_ptr<ProgramServices> m_services;
};
