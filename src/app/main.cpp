#include "base/widgets/application.h"
#include "base/program_folder.h"
#include "language/unt_idioma.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "settings/settings_store.h"

int main(int argc, char* argv[]) {
    QuillnestApplication app(argc, argv);
    LanguageTable language(programFolder());
    language.use();
    const QStringList args = QuillnestApplication::arguments();
    SettingsStore settings(f_nombreIni());
    Tfrm_ppal frm_ppal(settings, args.value(1));
    return QuillnestApplication::exec();
}
