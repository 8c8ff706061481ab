#include "base/widgets/application.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/widgets/report_browser.h"

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv, createWebEngineBrowser);
    const QStringList args = QuillnestApplication::arguments();
    Tfrm_ppal frm_ppal(app.services(), args.value(1));
    return QuillnestApplication::exec();
}
