#pragma once
// Where printed pages go once the browser engine has made them a PDF: a PDF
// file the user chose in the print dialog, or a printer, which takes the same
// PDF through the print system, so that text stays text on paper too.

#include <QByteArray>
#include <QString>

class QPrinter;

// Writes the PDF whole to the printer's output file, or hands it to the
// printer as a job named `title`, with the copies, sides and colour chosen in
// the print dialog. Throws QuillnestError with the reason when it cannot;
// a file is never left half written.
void deliverPrintedPdf(const QPrinter& printer, const QByteArray& pdf, const QString& title);

// Hands the PDF to the printer called `printerName` through the print system,
// with the choices made on `choices`. Throws QuillnestError when there is no
// such printer or it refuses the job.
void sendPdfToPrinter(const QString& printerName, const QPrinter& choices, const QByteArray& pdf,
                      const QString& title);
