#include "base/widgets/application.h"
#include "mainwindow/widgets/unt_f_main.h"

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv);
    const QStringList args = QuillnestApplication::arguments();
    Tfrm_ppal frm_ppal(args.value(1));
    return QuillnestApplication::exec();
}
