#include "reports/unthtml_stylereports.h"

#include "reports/unthtml_constantes.h"
#include "reports/unthtml_utils.h"

#include <QStringList>

QString reportStyleSheet() {
    static const QStringList lines{
        QStringLiteral("body {\tfont-family: tahoma, Arial, Helvetica;\tmargin-top:-4; "
                       "margin-bottom:-4}"),
        QStringLiteral(".texto       { text-align: justify; font-family: tahoma, arial, "
                       "helvetica; font-size: 8pt; margin-left: 10; }"),
        QStringLiteral(".completado  {  font-style: italic; color: #999999; }"),
        QStringLiteral(".titulo      { font-family: tahoma, arial, helvetica; font-size: 18pt; "
                       "color: #000080; font-weight: bold }"),
        QStringLiteral(".titulo_item { font-weight: 400; font-family: tahoma, arial, helvetica; "
                       "font-size: 11pt; border-left-width:1; border-right-width:1; "
                       "border-top-style:solid; border-top-width:1; border-bottom-width:1 }"),
        QStringLiteral(".cabecera    { font-weight: 400; font-family: tahoma, arial, helvetica; "
                       "font-size: 9pt; }"),
    };
    QString sheet;
    for (const QString& line : lines) {
        sheet += line;
        sheet += u"\r\n";
    }
    return sheet;
}

void f_crearHojaEstilos(const QString& webFolder) {
    f_guardarArchivoWeb(webFolder, QString(Unthtml_constantes::hojaEstilos),
                        reportStyleSheet().toUtf8());
}
