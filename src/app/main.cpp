#include "base/widgets/application.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/report_browser.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

// For the launch benchmark only (bench_launch), never offered to users: with
// QUILLNEST_REPORT_READY set, the program prints its peak memory once the
// document is shown and the event loop first has nothing left to do, then
// ends.
void reportWhenReady() {
    if (!qEnvironmentVariableIsSet("QUILLNEST_REPORT_READY"))
        return;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        QByteArray peak = "?";
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peak = line.mid(6).trimmed();
        std::printf("ready %s\n", peak.constData());
        std::fflush(stdout);
        std::_Exit(0);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv, createWebEngineBrowser);
    const QStringList args = QuillnestApplication::arguments();
    Tfrm_ppal frm_ppal(app.services(), args.value(1));
    reportWhenReady();
    return QuillnestApplication::exec();
}
