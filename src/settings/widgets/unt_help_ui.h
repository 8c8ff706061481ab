#pragma once
// Showing the help: the user is told when the help file is missing, with its
// full path, instead of a viewer opening on nothing.

#include <QString>

class ProgramServices;
class QWidget;

// Whether the help file exists; when it does not and `quiet` is false, an
// information box over `parent` names the missing file.
bool f_existeAyuda(ProgramServices& services, bool quiet, QWidget* parent = nullptr);

// Opens the help file, at the topic when one is given, without waiting for
// the viewer.
void f_mostrarAyuda(ProgramServices& services, const QString& topic = QString(),
                    QWidget* parent = nullptr);
