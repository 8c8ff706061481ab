#pragma once
// The recent documents list: up to nine full paths, most recent first, kept in
// the settings ("ultimo1" to "ultimo9") and stored after every change.

#include <QObject>
#include <QStringList>

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kPlaces = 9;

    using QObject::QObject;

    // Paths in place order; place 1 is the first. Used places form an unbroken run.
    const QStringList& paths() const { return m_paths; }

    // Loads the places in order up to the first empty one. No file is checked.
    void f_cargarUltimos();
    // Puts the path at place 1, removing it from any other place. Nothing happens
    // (and nothing is stored) for an empty path or one already at place 1.
    void f_agregarUltimo(const QString& path);
    // Removes every place that holds exactly this path.
    void f_quitarUltimo(const QString& path);
    void f_borrarHistorial();
    // Removes the entry at a place 1..9; the later ones move up.
    void f_quitarPosicion(int place);
    // Writes the nine places to the settings, empty text for places not in use.
    // Throws EInOutError when the settings file cannot be written.
    void f_guardarUltimos() const;

signals:
    void changed();

private:
    QStringList m_paths;
};
