// Printing the today page of a large document to a PDF file through the real
// browser engine, as the print dialog's "print to file" does: the time from
// the print command to the file written, and the file's size.
//
//   bench_print [items [runs]]   default 10,000 items, 3 runs

#include "../tests/support/scripted_dialogs.h"
#include "base/program_folder.h"
#include "base/widgets/program_services.h"
#include "document/document_file.h"
#include "document/unt_funciones.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "outline_generator.h"
#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/report_browser.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Runs the event loop until `done` holds or ten minutes have passed.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 600'000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication app(argc, argv);
    const int items = argc > 1 ? std::atoi(argv[1]) : 10'000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir dir;
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& script = *dialogs;
    ProgramServices services({ProgramFolder(dir.filePath(QStringLiteral("quillnest"))),
                              dir.filePath(QStringLiteral("recovery")), std::move(dialogs),
                              [](const DetachedCommand&) { return true; }, createWebEngineBrowser});
    services.settings().update([](SettingsEdit& edit) {
        edit.setText(Settings::opciones::idioma, QStringLiteral("espanol"));
        edit.setFlag(Settings::opciones::regexts, false);
    });

    // Every item open and due today, so that the page lists them all.
    OutlineTree tree = generateOutline(items);
    const qint32 today = packFecha(QDateTime(QDate::currentDate(), QTime(9, 0)));
    tree.forEach([&](OutlineNode* n) {
        n->nota().setFechaValue(today);
        n->nota().cumplido = 0;
    });
    const QString document = dir.filePath(QStringLiteral("bench.qnf"));
    f_guardarNodos(tree, document);

    Tfrm_ppal window(services, document);
    QElapsedTimer loading;
    loading.start();
    window.action(QStringLiteral("verhoy"))->trigger();
    auto* report = window.findChild<Tf_today*>();
    auto* print = report ? report->findChild<QPushButton*>(QStringLiteral("bt_print")) : nullptr;
    if (!print) {
        std::printf("no today window\n");
        return 1;
    }
    // The engine's view, found by its class: the benchmark links no engine.
    QWidget* view = nullptr;
    for (QWidget* child : report->findChildren<QWidget*>())
        if (child->inherits("QWebEngineView"))
            view = child;
    QEventLoop untilLoaded;
    QObject::connect(view, SIGNAL(loadFinished(bool)), &untilLoaded, SLOT(quit()));
    untilLoaded.exec();
    std::printf("today page of %d items written and loaded in %.2f s\n", items,
                double(loading.nsecsElapsed()) / 1e9);
    std::vector<double> seconds;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        const QString pdf = dir.filePath(QStringLiteral("today-%1.pdf").arg(run));
        script.printFiles = {pdf};
        QElapsedTimer timer;
        timer.start();
        print->click();
        if (!waitFor([&] { return QFileInfo::exists(pdf); })) {
            std::printf("no PDF after ten minutes\n");
            return 1;
        }
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
        bytes = QFileInfo(pdf).size();
        std::printf("run %d: %.2f s, %lld bytes\n", run + 1, seconds.back(),
                    static_cast<long long>(bytes));
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("today page of %d items to PDF: median %.2f s, %.0f KB\n", items,
                seconds[seconds.size() / 2], double(bytes) / 1024);
    return 0;
}
