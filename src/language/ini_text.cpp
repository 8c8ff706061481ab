#include "language/ini_text.h"

#include "base/errors.h"
#include "base/whole_file.h"
#include "language/messages.h"

#include <QFile>
#include <optional>

namespace IniText {

namespace {
bool isBlank(QChar c) {
    return c.unicode() <= u' ';
}

EInOutError fileError(const NewText& failed, const NewText& description, const QString& path,
                      const QString& reason) {
    return EInOutError(f_getTexto(failed).arg(f_getTexto(description), path, reason));
}
} // namespace

QStringView stripBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QList<QStringView> splitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

Line parseLine(QStringView line) {
    const QStringView stripped = stripBlanks(line);
    if (stripped.isEmpty() || stripped.startsWith(u';'))
        return {};
    if (stripped.startsWith(u'[') && stripped.endsWith(u']'))
        return {Line::Kind::Section, stripBlanks(stripped.sliced(1, stripped.size() - 2)), {}};
    const qsizetype equals = stripped.indexOf(u'=');
    if (equals < 0)
        return {};
    return {Line::Kind::Entry, stripBlanks(stripped.first(equals)),
            stripBlanks(stripped.sliced(equals + 1))};
}

void forEachEntry(
    QStringView text, const std::function<void(QStringView section)>& onSection,
    const std::function<void(QStringView section, QStringView key, QStringView value)>& onEntry) {
    std::optional<QStringView> current;
    for (const QStringView line : splitLines(text)) {
        const Line parsed = parseLine(line);
        if (parsed.kind == Line::Kind::Section) {
            current = parsed.name;
            onSection(parsed.name);
        } else if (parsed.kind == Line::Kind::Entry && current) {
            onEntry(*current, parsed.name, parsed.value);
        }
    }
}

QByteArray readFile(const QString& path, const NewText& description) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw fileError(Messages::archivoNoLeido, description, path, file.errorString());
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes, const NewText& description) {
    QString reason;
    if (!writeWholeFile(path, bytes, reason))
        throw fileError(Messages::archivoNoEscrito, description, path, reason);
}

void removeFile(const QString& path, const NewText& description) {
    QFile file(path);
    if (file.exists() && !file.remove())
        throw fileError(Messages::archivoNoBorrado, description, path, file.errorString());
}

} // namespace IniText
