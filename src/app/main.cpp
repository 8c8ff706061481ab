#include "base/widgets/application.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_store.h"

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv);
    const QStringList args = QuillnestApplication::arguments();
    SettingsStore settings(f_nombreIni());
    Tfrm_ppal frm_ppal(settings, args.value(1));
    return QuillnestApplication::exec();
}
