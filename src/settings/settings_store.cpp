#include "settings/settings_store.h"

#include "base/program_folder.h"
#include "base/text_encoding.h"
#include "language/ini_text.h"
#include "language/messages.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
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

QString f_nombreIni(const ProgramFolder& folder) {
    const QString name = QFileInfo(folder.executablePath()).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // A leading dot starts a hidden name, not an extension.
    return folder.configFolder() + (dot <= 0 ? name : name.first(dot)) + QLatin1StringView(".ini");
}

SettingsContents SettingsContents::fromText(QStringView text) {
    SettingsContents contents;
    IniText::forEachEntry(
        text, [&](QStringView name) { contents.section(name.toString()); },
        [&](QStringView section, QStringView key, QStringView value) {
            contents.store(section.toString(), key.toString(), value.toString());
        });
    return contents;
}

QString SettingsContents::toText() const {
    QString text;
    for (const Section& section : m_sections) {
        text += u'[' + section.name + QLatin1StringView("]\r\n");
        for (const Entry& entry : section.entries)
            text += entry.key + u'=' + entry.value + QLatin1StringView("\r\n");
        text += QLatin1StringView("\r\n");
    }
    return text;
}

std::optional<QString> SettingsContents::find(QStringView sectionName, QStringView key) const {
    for (const Section& section : m_sections) {
        if (!sameName(section.name, sectionName))
            continue;
        for (const Entry& entry : section.entries)
            if (sameName(entry.key, key))
                return entry.value;
        return std::nullopt;
    }
    return std::nullopt;
}

// A key met twice keeps one entry holding the later value.
void SettingsContents::store(const QString& sectionName, const QString& key, const QString& value) {
    Section& found = section(sectionName);
    for (Entry& entry : found.entries) {
        if (sameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    found.entries.append({key, value});
}

// The named section, created at the end when missing; a section met twice is
// merged into the first, so the rewrite loses none of its entries.
SettingsContents::Section& SettingsContents::section(const QString& name) {
    for (Section& section : m_sections)
        if (sameName(section.name, name))
            return section;
    m_sections.append({name, {}});
    return m_sections.last();
}

void SettingsEdit::setText(const QString& section, const QString& key, const QString& value) {
    const QString line = singleLine(value);
    m_contents.store(section, key, line);
    if (m_changes)
        m_changes->append({section, key, line, false});
}

void SettingsEdit::setText(const SettingKey& key, const QString& value) {
    setText(key.section, key.key, value);
}

void SettingsEdit::setFlag(const SettingKey& key, bool on) {
    setText(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsEdit::setNumber(const SettingKey& key, int value) {
    setText(key, QString::number(value));
}

void SettingsEdit::setRecentFiles(const QStringList& paths) {
    const auto& places = Settings::archivos::recientes;
    for (size_t i = 0; i < places.size(); ++i)
        setText(places[i], paths.value(qsizetype(i)));
}

QString SettingsReader::text(const Setting& setting) {
    return read(setting.section, setting.key, setting.defaultValue);
}

QString SettingsReader::text(const SettingKey& key, const QString& defaultValue) {
    return read(key.section, key.key, defaultValue);
}

QString SettingsReader::text(const QString& section, const QString& key,
                             const QString& defaultValue) {
    return read(section, key, defaultValue);
}

int SettingsReader::number(const Setting& setting) {
    bool isNumber = false;
    const int value = text(setting).toInt(&isNumber);
    return isNumber ? value : QString(setting.defaultValue).toInt();
}

bool SettingsReader::flag(const Setting& setting) {
    const QString value = text(setting);
    return setting.flagRule == FlagRule::SetWhenOne ? value == u"1" : value != u"0";
}

QStringList SettingsReader::recentFiles() {
    QStringList paths;
    for (const Setting& place : Settings::archivos::recientes) {
        const QString path = text(place);
        if (path.isEmpty())
            break;
        paths << path;
    }
    return paths;
}

SettingsStore::SettingsStore(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)) {}

const SettingsContents& SettingsStore::loaded() {
    if (!m_contents) {
        createEmptyIfMissing(m_path);
        QByteArray bytes;
        if (QFileInfo::exists(m_path))
            bytes = IniText::readFile(m_path, Messages::archivoConfiguracion);
        m_contents = SettingsContents::fromText(TextEncoding::decode(bytes));
    }
    return *m_contents;
}

void SettingsStore::save(const SettingsContents& contents) {
    IniText::writeFile(m_path, TextEncoding::encode(contents.toText()),
                       Messages::archivoConfiguracion);
    m_contents = contents;
    emit fileWritten();
}

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& defaultValue) {
    return loaded().find(section, key).value_or(defaultValue);
}

void SettingsStore::write(const SettingKey& key, const QString& value) {
    update([&](SettingsEdit& edit) { edit.setText(key, value); });
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
    update([&](SettingsEdit& edit) { edit.setText(section, key, value); });
}

void SettingsStore::update(const std::function<void(SettingsEdit&)>& change) {
    SettingsContents changed = loaded();
    SettingsEdit edit(changed, nullptr);
    change(edit);
    save(changed);
}

void SettingsStore::commit(const SettingsDraft& draft) {
    SettingsContents changed = loaded();
    for (const SettingsChange& one : draft.m_changes)
        if (!one.onlyIfMissing || !changed.find(one.section, one.key))
            changed.store(one.section, one.key, one.value);
    save(changed);
}

SettingsDraft::SettingsDraft(SettingsStore& store) : m_contents(store.loaded()) {}

QString SettingsDraft::read(const QString& section, const QString& key,
                            const QString& defaultValue) {
    if (const std::optional<QString> value = m_contents.find(section, key))
        return *value;
    m_contents.store(section, key, defaultValue);
    m_changes.append({section, key, defaultValue, true});
    return defaultValue;
}
