#include "language/unt_english.h"

#include "language/builtin_language.h"

namespace {

int equalsColumn(QStringView, QStringView) {
    return 28;
}

constexpr BuiltinLanguage::EntryRef kBlankAfterEmptyValue[] = {
    {u"frm_ppal", u"about.Hint"},
    {u"f_opciones", u"gb_idioma.Hint"},
    {u"f_help", u"ts_help.Hint"},
    {u"f_defreportexdia", u"bt_cerrar.Hint"},
    {u"f_defreportexdia", u"gb_raiz.Hint"},
    {u"f_defreportexdia", u"cb_completados.Hint"},
    {u"f_customreportes", u"bt_cerrar.Hint"},
    {u"f_customreportes", u"bt_print.Hint"},
};

} // namespace

namespace {
BuiltinLanguage::Layout layout() {
    return {&BuiltinLanguage::Entry::english, u"Don't modify this file", equalsColumn,
            kBlankAfterEmptyValue};
}
} // namespace

void f_crearEnglish(const QString& path) {
    BuiltinLanguage::writeFile(path, layout());
}

QString f_textoEnglish() {
    return BuiltinLanguage::fileText(layout());
}
