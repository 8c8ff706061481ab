#pragma once
// Showing the help: the user is told when the manual's page is missing, with
// its full path, instead of a browser opening on nothing.

#include "settings/unt_help.h"

class ProgramServices;
class QWidget;

// Whether the topic's page of the current language exists; when it does not,
// an information box over `parent` names the missing file.
bool f_existeAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent = nullptr);

// Opens the topic's page in the desktop's browser, without waiting for it.
void f_mostrarAyuda(ProgramServices& services, HelpTopic topic, QWidget* parent = nullptr);
