#include "base/widgets/application.h"
#include "document/outline_document.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/report_browser.h"

#include <QAbstractEventDispatcher>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

// For the launch benchmark (bench_launch) and the check of an installed copy
// (scripts/check_install.sh) only, never offered to users: with
// QUILLNEST_REPORT_READY set, the program prints its peak memory and the
// number of items of the document it shows once the event loop first has
// nothing left to do, then ends.
void reportWhenReady(const Tfrm_ppal& window) {
    if (!qEnvironmentVariableIsSet("QUILLNEST_REPORT_READY"))
        return;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [&window] {
        QByteArray peak = "?";
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peak = line.mid(6).trimmed();
        std::printf("ready %s %d items\n", peak.constData(), window.document()->tree().count());
        std::fflush(stdout);
        std::_Exit(0);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv, createWebEngineBrowser);
    const QStringList args = QuillnestApplication::arguments();
    Tfrm_ppal frm_ppal(app.services(), args.value(1));
    reportWhenReady(frm_ppal);
    return QuillnestApplication::exec();
}
