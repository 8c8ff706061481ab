#include "settings/unt_inifile.h"

#include "language/messages.h"

#include "base/program_folder.h"
#include "base/text_encoding.h"
#include "language/ini_text.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <optional>

namespace {


struct Entry {
    QString key;
    QString value;
};

struct Section {
    QString name;
    QList<Entry> entries;
};

// The file as sections of entries, in file order, spelled as first met.
class IniContents {
public:
    static IniContents fromText(QStringView text) {
        IniContents contents;
        std::optional<QString> current; // entries before the first section belong nowhere
        for (const QStringView line : IniText::splitLines(text)) {
            const IniText::Line parsed = IniText::parseLine(line);
            if (parsed.kind == IniText::Line::Kind::Section) {
                current = parsed.name.toString();
                contents.section(*current);
            } else if (parsed.kind == IniText::Line::Kind::Entry && current) {
                contents.store(*current, parsed.name.toString(), parsed.value.toString());
            }
        }
        return contents;
    }

    QString toText() const {
        QString text;
        for (const Section& section : m_sections) {
            text += u'[' + section.name + QLatin1StringView("]\r\n");
            for (const Entry& entry : section.entries)
                text += entry.key + u'=' + entry.value + QLatin1StringView("\r\n");
            text += QLatin1StringView("\r\n");
        }
        return text;
    }

    QString valueOrStore(const QString& sectionName, const QString& key,
                         const QString& defaultValue) {
        Section& found = section(sectionName);
        if (const Entry* entry = find(found, key))
            return entry->value;
        found.entries.append({key, defaultValue});
        return defaultValue;
    }

    void store(const QString& sectionName, const QString& key, const QString& value) {
        set(section(sectionName), key, value);
    }

private:
    static bool sameName(const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

    static Entry* find(Section& section, const QString& key) {
        for (Entry& entry : section.entries)
            if (sameName(entry.key, key))
                return &entry;
        return nullptr;
    }

    // A key met twice keeps one entry holding the later value.
    static void set(Section& section, const QString& key, const QString& value) {
        if (Entry* entry = find(section, key))
            entry->value = value;
        else
            section.entries.append({key, value});
    }

    // The named section, created at the end when missing; a section met twice
    // is merged into the first, so the rewrite loses none of its entries.
    Section& section(const QString& name) {
        for (Section& section : m_sections)
            if (sameName(section.name, name))
                return section;
        m_sections.append({name, {}});
        return m_sections.last();
    }

    QList<Section> m_sections;
};

std::optional<IniContents>& held() {
    static std::optional<IniContents> contents;
    return contents;
}

void createEmptyIfMissing(const QString& path) {
    // Best effort: a folder that cannot take the file still lets every
    // setting be read with its default; only writing reports the failure.
    QFile file(path);
    if (!file.exists())
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

QString singleLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

QString f_nombreIni() {
    const QString path = programPath();
    const QFileInfo info(path);
    const qsizetype dot = info.fileName().lastIndexOf(u'.');
    // A leading dot starts a hidden name, not an extension.
    if (dot <= 0)
        return path + QLatin1StringView(".ini");
    return path.first(path.size() - info.fileName().size() + dot) + QLatin1StringView(".ini");
}

void f_abrirIni() {
    const QString path = f_nombreIni();
    createEmptyIfMissing(path);
    QByteArray bytes;
    if (QFileInfo::exists(path))
        bytes = IniText::readFile(path, Messages::archivoConfiguracion);
    held() = IniContents::fromText(TextEncoding::decode(bytes));
}

void f_cerrarIni(bool writeToDisk) {
    if (!held())
        return;
    const auto endHold = qScopeGuard([] { held().reset(); });
    if (writeToDisk)
        IniText::writeFile(f_nombreIni(), TextEncoding::encode(held()->toText()),
                           Messages::archivoConfiguracion);
}

void f_guardarIni() {
    f_cerrarIni(true);
}

void f_descartarIni() {
    f_cerrarIni(false);
}

QString f_leerIni(const QString& section, const QString& key, const QString& defaultValue) {
    const bool singleCall = !held();
    if (singleCall)
        f_abrirIni();
    const QString value = held()->valueOrStore(section, key, defaultValue);
    if (singleCall)
        f_descartarIni();
    return value;
}

QString f_leerIni(const Setting& setting) {
    return f_leerIni(setting.section, setting.key, setting.defaultValue);
}

QString f_leerIni(const SettingKey& key, const QString& defaultValue) {
    return f_leerIni(key.section, key.key, defaultValue);
}

void f_escribirIni(const QString& section, const QString& key, const QString& value) {
    const bool singleCall = !held();
    if (singleCall)
        f_abrirIni();
    held()->store(section, key, singleLine(value));
    if (singleCall)
        f_guardarIni();
}

void f_escribirIni(const SettingKey& key, const QString& value) {
    f_escribirIni(key.section, key.key, value);
}

int readSettingNumber(const Setting& setting) {
    bool isNumber = false;
    const int value = f_leerIni(setting).toInt(&isNumber);
    return isNumber ? value : QString(setting.defaultValue).toInt();
}
