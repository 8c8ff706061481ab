#include "reports/report_heads.h"

#include "language/messages.h"
#include "reports/unthtml_constantes.h"
#include "reports/unthtml_stylereports.h"

#include <QFileInfo>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

QString yesNo(bool flag) {
    return f_getTexto(flag ? Messages::si : Messages::no);
}

} // namespace

QString commonPageHead(const QString& webFolder) {
    if (!QFileInfo::exists(webFolder + Unthtml_constantes::hojaEstilos))
        f_crearHojaEstilos(webFolder);
    return u"<html>\r\n"
           u"<head>\r\n"
           u"<meta http-equiv=\"Content-Language\" content=\"es-ar\">\r\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
           u"<title>QUILLNEST</title>\r\n"
           u"<link rel=\"stylesheet\" type=\"text/css\" href=\"reports.css\">\r\n"
           u"</head>\r\n"
           u"<body>\r\n"_s;
}

QString todayPageHead(const QString& webFolder) {
    const QStringList pieces{
        commonPageHead(webFolder),
        u"<span class=\"titulo\">"_s,
        f_getTexto(Messages::tareasDelDia),
        u"</span>\r\n"_s,
    };
    return pieces.join(QString());
}

// The markup is kept exactly as it is, the unclosed "cabecera" span and the
// lone "</h4>" included: style sheets that users edited may rely on it.
QString perDayPageHead(const ReportOptions& options, const QString& webFolder) {
    const QStringList pieces{
        commonPageHead(webFolder),
        u"<span class=\"titulo\">"_s,
        f_getTexto(Messages::tareas),
        u"</span>\r\n"_s,
        u"<p><span class=\"cabecera\"><b>"_s,
        f_getTexto(Messages::periodoDesde),
        u"</b> "_s,
        reportDateText(options.fechaDesde),
        u" <b>"_s,
        f_getTexto(Messages::hasta),
        u"</b> "_s,
        reportDateText(options.fechaHasta),
        u"<br>\r\n"_s,
        u"<b>"_s,
        f_getTexto(Messages::opciones),
        u" - "_s,
        f_getTexto(Messages::ordenadoPorFecha),
        u"</b> "_s,
        yesNo(options.porFecha),
        u"<b> - "_s,
        f_getTexto(Messages::verCompletados),
        u"</b> "_s,
        yesNo(options.conCompletados),
        u"<b> - \r\n"_s,
        f_getTexto(Messages::mostrarTexto),
        u"</b> "_s,
        yesNo(options.conTexto),
        u"<b> - "_s,
        f_getTexto(Messages::soloTerminales),
        u" - </b> "_s,
        yesNo(options.soloTerminales),
        u"</p></h4>\r\n"_s,
    };
    return pieces.join(QString());
}
