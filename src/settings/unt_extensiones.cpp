#include "settings/unt_extensiones.h"

#include "base/detached_command.h"
#include "base/errors.h"
#include "base/unt_constantes.h"
#include "language/ini_text.h"
#include "language/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kMimeType = QStringLiteral("application/x-quillnest");
const QString kGlob = QStringLiteral("*.qnf");

QString dataHome() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        throw EInOutError(f_getTexto(Messages::sinCarpetaDatos));
    return folder;
}

QString mimeFolder() {
    return dataHome() + QLatin1StringView("/mime");
}
QString applicationsFolder() {
    return dataHome() + QLatin1StringView("/applications");
}

// The desktop entry's own escapes for a string value.
QString escapeString(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1StringView("\\\\");
            break;
        case u'\n':
            escaped += QLatin1StringView("\\n");
            break;
        case u'\r':
            escaped += QLatin1StringView("\\r");
            break;
        case u'\t':
            escaped += QLatin1StringView("\\t");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Inside a quoted argument of Exec, these four need a backslash; a percent
// sign would start a field code.
QString quotedArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + u'"';
}

QByteArray mimePackage(const QString& description) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    xml.writeStartElement(QStringLiteral("mime-info"));
    xml.writeStartElement(QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), kMimeType);
    xml.writeTextElement(QStringLiteral("comment"), description);
    xml.writeEmptyElement(QStringLiteral("glob"));
    xml.writeAttribute(QStringLiteral("pattern"), kGlob);
    xml.writeEndDocument();
    return bytes;
}

QByteArray desktopEntry(const QString& description, const QString& executable) {
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + QString(Unt_constantes::producto),
        QStringLiteral("Comment=") + escapeString(description),
        QStringLiteral("Exec=") + desktopExecValue(executable),
        QStringLiteral("MimeType=") + kMimeType + u';',
        // The entry only opens documents; it is no menu item.
        QStringLiteral("NoDisplay=true"),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool mimePackageNamesGlob(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    QString type;
    bool found = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"mime-type")
            type = xml.attributes().value(QLatin1StringView("type")).toString();
        else if (xml.isStartElement() && xml.name() == u"glob" && type == kMimeType)
            found = found || xml.attributes().value(QLatin1StringView("pattern")) == kGlob;
    }
    // The desktop rejects a package that is not well-formed as a whole.
    return found && !xml.hasError();
}

bool desktopEntryStartsProgram(const QByteArray& bytes, const QString& executable) {
    const QString text = QString::fromUtf8(bytes);
    bool inMainGroup = false;
    bool execMatches = false;
    bool typeListed = false;
    for (const QStringView line : IniText::splitLines(text)) {
        const IniText::Line parsed = IniText::parseLine(line);
        if (parsed.kind == IniText::Line::Kind::Section) {
            inMainGroup = parsed.name == u"Desktop Entry";
        } else if (parsed.kind == IniText::Line::Kind::Entry && inMainGroup) {
            if (parsed.name == u"Exec")
                execMatches = parsed.value == desktopExecValue(executable);
            else if (parsed.name == u"MimeType")
                typeListed = parsed.value.split(u';').contains(kMimeType);
        }
    }
    return execMatches && typeListed;
}

void writeRegistrationFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniText::writeFile(path, bytes, Messages::archivoRegistro);
}

void refreshDesktopDatabases(const CommandStarter& start) {
    const std::pair<QString, QString> tools[] = {
        {QStringLiteral("update-mime-database"), mimeFolder()},
        {QStringLiteral("update-desktop-database"), applicationsFolder()},
    };
    for (const auto& [tool, folder] : tools) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (!program.isEmpty())
            start({program, {folder}});
    }
}

} // namespace

QString mimePackagePath() {
    return mimeFolder() + QLatin1StringView("/packages/quillnest.xml");
}

QString desktopEntryPath() {
    return applicationsFolder() + QLatin1StringView("/quillnest.desktop");
}

QString desktopExecValue(const QString& executable) {
    return escapeString(quotedArgument(executable) + QLatin1StringView(" %f"));
}

bool f_extensionRegistrada(const QString& executable) {
    return mimePackageNamesGlob(fileBytes(mimePackagePath())) &&
           desktopEntryStartsProgram(fileBytes(desktopEntryPath()), executable);
}

void f_registrarExtension(const QString& executable, const CommandStarter& start) {
    if (f_extensionRegistrada(executable))
        return;
    // Fetched now, so it is in the language the program started with.
    const QString description = f_getTexto(Messages::descripcionArchivo);
    writeRegistrationFile(mimePackagePath(), mimePackage(description));
    writeRegistrationFile(desktopEntryPath(), desktopEntry(description, executable));
    refreshDesktopDatabases(start);
}
