#include "document/unt_ultimosarchivos.h"

#include <algorithm>

void RecentFiles::f_cargarUltimos(const QStringList& stored) {
    m_paths = stored.first(std::min<qsizetype>(stored.size(), kPlaces));
    emit changed();
}

bool RecentFiles::f_agregarUltimo(const QString& path) {
    if (path.isEmpty() || m_paths.value(0) == path)
        return false;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    if (m_paths.size() > kPlaces)
        m_paths.resize(kPlaces);
    emit changed();
    return true;
}

void RecentFiles::f_quitarUltimo(const QString& path) {
    m_paths.removeAll(path);
    emit changed();
}

void RecentFiles::f_borrarHistorial() {
    m_paths.clear();
    emit changed();
}

void RecentFiles::f_quitarPosicion(int place) {
    if (place >= 1 && place <= m_paths.size()) {
        m_paths.removeAt(place - 1);
        emit changed();
    }
}
