#include "document/unt_ultimosarchivos.h"

#include "settings/settings_keys.h"
#include "settings/unt_inifile.h"

using Settings::archivos::recientes;

void RecentFiles::f_cargarUltimos() {
    m_paths.clear();
    for (const Setting& place : recientes) {
        const QString path = f_leerIni(place);
        if (path.isEmpty())
            break;
        m_paths << path;
    }
    emit changed();
}

void RecentFiles::f_agregarUltimo(const QString& path) {
    if (path.isEmpty() || m_paths.value(0) == path)
        return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    if (m_paths.size() > kPlaces)
        m_paths.resize(kPlaces);
    emit changed();
    f_guardarUltimos();
}

void RecentFiles::f_quitarUltimo(const QString& path) {
    m_paths.removeAll(path);
    emit changed();
    f_guardarUltimos();
}

void RecentFiles::f_borrarHistorial() {
    m_paths.clear();
    emit changed();
    f_guardarUltimos();
}

void RecentFiles::f_quitarPosicion(int place) {
    if (place >= 1 && place <= m_paths.size()) {
        m_paths.removeAt(place - 1);
        emit changed();
    }
}

void RecentFiles::f_guardarUltimos() const {
    for (int i = 0; i < kPlaces; ++i)
        f_escribirIni(recientes[size_t(i)], m_paths.value(i));
}
