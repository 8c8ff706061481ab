#include "language/unt_espanol.h"

#include "language/builtin_language.h"

namespace {

int equalsColumn(QStringView section, QStringView key) {
    if (section == u"frm_ppal")
        return 28;
    // The two history keys are too long for the section's column.
    if (section == u"f_opciones")
        return key.startsWith(u"cb_borrarhistorial.") ? 28 : 27;
    return 25;
}

constexpr BuiltinLanguage::EntryRef kBlankAfterEmptyValue[] = {
    {u"frm_ppal", u"Ayuda1.Hint"},
    {u"f_opciones", u"lb_intervalo.Hint"},
    {u"f_defreportexdia", u"bt_cerrar.Hint"},
    {u"f_defreportexdia", u"gb_raiz.Hint"},
};

} // namespace

namespace {
BuiltinLanguage::Layout layout() {
    return {&BuiltinLanguage::Entry::espanol, u"No modificar este archivo", equalsColumn,
            kBlankAfterEmptyValue};
}
} // namespace

void f_crearEspanol(const QString& path) {
    BuiltinLanguage::writeFile(path, layout());
}

QString f_textoEspanol() {
    return BuiltinLanguage::fileText(layout());
}
