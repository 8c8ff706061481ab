#include "settings/unt_extensiones.h"

#include "base/detached_command.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "base/unt_constantes.h"
#include "language/ini_text.h"
#include "language/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

// The icon lives in a static library, whose resources are linked in only when
// something asks for them by name.
static void initIconResource() {
    Q_INIT_RESOURCE(icon);
}

namespace {

const QString kMimeType = QStringLiteral("application/x-quillnest");
const QString kGlob = QStringLiteral("*.qnf");
const QString kIconName = QStringLiteral("quillnest");

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

QString unescapeString(QStringView text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case u'n':
            plain += u'\n';
            break;
        case u'r':
            plain += u'\r';
            break;
        case u't':
            plain += u'\t';
            break;
        case u's':
            plain += u' ';
            break;
        default:
            plain += text[i];
        }
    }
    return plain;
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

// A saved document has no header, but its first record always starts with
// the position 0, the level 0 and an expanded flag of "0" or "1", each on a
// line ending in CR LF; an empty document is known by its name alone.
void writeDocumentMagic(QXmlStreamWriter& xml) {
    xml.writeStartElement(QStringLiteral("magic"));
    xml.writeAttribute(QStringLiteral("priority"), QStringLiteral("50"));
    xml.writeStartElement(QStringLiteral("match"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("string"));
    xml.writeAttribute(QStringLiteral("offset"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("value"), QStringLiteral("0\\r\\n0\\r\\n"));
    for (const int expanded : {0, 1}) {
        xml.writeEmptyElement(QStringLiteral("match"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("string"));
        xml.writeAttribute(QStringLiteral("offset"), QStringLiteral("6"));
        xml.writeAttribute(QStringLiteral("value"),
                           QString::number(expanded) + QStringLiteral("\\r\\n"));
    }
    xml.writeEndElement();
    xml.writeEndElement();
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
    // A document is plain text: text editors are offered for it too.
    xml.writeEmptyElement(QStringLiteral("sub-class-of"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("text/plain"));
    xml.writeEmptyElement(QStringLiteral("icon"));
    xml.writeAttribute(QStringLiteral("name"), kIconName);
    xml.writeEmptyElement(QStringLiteral("glob"));
    xml.writeAttribute(QStringLiteral("pattern"), kGlob);
    writeDocumentMagic(xml);
    xml.writeEndDocument();
    return bytes;
}

QByteArray desktopEntry(const QString& executable) {
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + QString(Unt_constantes::producto),
        QStringLiteral("Comment=") + escapeString(f_getTexto(Messages::comentarioPrograma)),
        QStringLiteral("Icon=") + kIconName,
        // Menus leave out the entry of a copy that was removed.
        QStringLiteral("TryExec=") + escapeString(executable),
        QStringLiteral("Exec=") + desktopExecValue(executable),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Office;ProjectManagement;"),
        QStringLiteral("MimeType=") + kMimeType + u';',
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray iconBytes() {
    initIconResource();
    QFile icon(QStringLiteral(":/desktop/quillnest.svg"));
    return icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
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

// The program the user's entry starts; empty when there is no entry of ours.
QString entryProgram(const QByteArray& bytes) {
    bool inMainGroup = false;
    QString program;
    // The lines are views into this text, which must outlive the loop.
    const QString text = QString::fromUtf8(bytes);
    for (const QStringView line : IniText::splitLines(text)) {
        const IniText::Line parsed = IniText::parseLine(line);
        if (parsed.kind == IniText::Line::Kind::Section)
            inMainGroup = parsed.name == u"Desktop Entry";
        else if (parsed.kind == IniText::Line::Kind::Entry && inMainGroup && parsed.name == u"Exec")
            program = desktopExecProgram(parsed.value.toString());
    }
    return program;
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

// The user's registration of a copy that is gone would hide the system's.
void removeRegistrationOfRemovedCopy(const CommandStarter& start) {
    const QString program = entryProgram(fileBytes(desktopEntryPath()));
    if (program.isEmpty() || QFileInfo::exists(program))
        return;
    for (const QString& path : {desktopEntryPath(), mimePackagePath(), iconPath()})
        IniText::removeFile(path, Messages::archivoRegistro);
    refreshDesktopDatabases(start);
}

} // namespace

QString mimePackagePath() {
    return mimeFolder() + QLatin1StringView("/packages/quillnest.xml");
}

QString desktopEntryPath() {
    return applicationsFolder() + QLatin1StringView("/quillnest.desktop");
}

QString iconPath() {
    return dataHome() + QLatin1StringView("/icons/hicolor/scalable/apps/quillnest.svg");
}

QString desktopExecValue(const QString& executable) {
    return escapeString(quotedArgument(executable) + QLatin1StringView(" %f"));
}

QString desktopExecProgram(const QString& execValue) {
    const QString command = unescapeString(execValue);
    if (!command.startsWith(u'"'))
        return {};
    QString program;
    for (qsizetype i = 1; i < command.size(); ++i) {
        const QChar c = command[i];
        if (c == u'"')
            return command.sliced(i + 1) == QLatin1StringView(" %f") ? program : QString();
        if (c == u'\\' && i + 1 < command.size())
            program += command[++i];
        else if (c == u'%' && i + 1 < command.size() && command[i + 1] == u'%')
            program += command[++i];
        else
            program += c;
    }
    return {};
}

bool f_extensionRegistrada(const QString& executable) {
    return mimePackageNamesGlob(fileBytes(mimePackagePath())) &&
           fileBytes(desktopEntryPath()) == desktopEntry(executable) &&
           fileBytes(iconPath()) == iconBytes();
}

void f_registrarExtension(const ProgramFolder& folder, const CommandStarter& start) {
    if (!folder.portable()) {
        removeRegistrationOfRemovedCopy(start);
        return;
    }
    const QString& executable = folder.executablePath();
    if (f_extensionRegistrada(executable))
        return;
    // Fetched now, so it is in the language the program started with.
    writeRegistrationFile(mimePackagePath(), mimePackage(f_getTexto(Messages::descripcionArchivo)));
    writeRegistrationFile(iconPath(), iconBytes());
    writeRegistrationFile(desktopEntryPath(), desktopEntry(executable));
    refreshDesktopDatabases(start);
}
