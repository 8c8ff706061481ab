#pragma once
// The style sheet shared by the report pages.

#include <QString>

// The contents of "reports.css": six rules, each line ended by CR LF.
QString reportStyleSheet();

// Writes "reports.css" into `webFolder`, replacing any file of that name.
// Throws EInOutError when it cannot be written.
void f_crearHojaEstilos(const QString& webFolder);
