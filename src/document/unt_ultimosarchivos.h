#pragma once
// The recent documents list: up to nine full paths, most recent first. Where
// it is kept is the caller's business; each change says whether the list is
// to be stored again.

#include <QObject>
#include <QStringList>

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kPlaces = 9;

    using QObject::QObject;

    // Paths in place order; place 1 is the first. Used places form an unbroken run.
    const QStringList& paths() const { return m_paths; }

    // Takes the stored places, at most nine of them. No file is checked.
    void f_cargarUltimos(const QStringList& stored);
    // Puts the path at place 1, removing it from any other place. Nothing
    // happens for an empty path or one already at place 1: false then, as
    // there is nothing to store.
    bool f_agregarUltimo(const QString& path);
    // Removes every place that holds exactly this path.
    void f_quitarUltimo(const QString& path);
    void f_borrarHistorial();
    // Removes the entry at a place 1..9; the later ones move up.
    void f_quitarPosicion(int place);

signals:
    void changed();

private:
    QStringList m_paths;
};
