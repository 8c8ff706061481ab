#pragma once
// The settings file beside the executable, read once and held in memory.
// Every change of state reaches the file in one write of the whole file:
// SettingsStore::update gathers the changes it is given, and a SettingsDraft
// (the options dialog's working copy) is written as a whole when committed,
// or dropped.
//
// Section and key names match in any letter case; unknown sections and keys
// are kept as they are. The file is written in Windows-1252 unless a value
// needs more, then in UTF-8.

#include "base/program_folder.h"
#include "settings/settings_keys.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The executable's file name with its extension replaced by "ini" ("ini"
// appended when it has none), in the folder's config folder.
QString f_nombreIni(const ProgramFolder& folder);

// The file as sections of entries, in file order, spelled as first met.
class SettingsContents {
public:
    static SettingsContents fromText(QStringView text);
    QString toText() const;

    std::optional<QString> find(QStringView section, QStringView key) const;
    // Sets the entry, adding the section at the end and the key at the end of
    // its section when missing.
    void store(const QString& section, const QString& key, const QString& value);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    Section& section(const QString& name);

    QList<Section> m_sections;
};

// One change of a draft, replayed on the store when the draft is committed.
struct SettingsChange {
    QString section;
    QString key;
    QString value;
    bool onlyIfMissing; // a default that a read stored
};

// Writes into contents being changed, a value at a time. Line breaks become
// blanks, since a value is one line of the file.
class SettingsEdit {
public:
    void setText(const SettingKey& key, const QString& value);
    void setText(const QString& section, const QString& key, const QString& value);
    void setFlag(const SettingKey& key, bool on);
    void setNumber(const SettingKey& key, int value);
    // The nine places of the recent files list, empty text for places not in use.
    void setRecentFiles(const QStringList& paths);

private:
    friend class SettingsStore;
    friend class SettingsDraft;
    SettingsEdit(SettingsContents& contents, QList<SettingsChange>* changes)
        : m_contents(contents), m_changes(changes) {}

    SettingsContents& m_contents;
    QList<SettingsChange>* m_changes; // recorded for a draft, else null
};

// The typed readers, the same for the store and for a draft.
class SettingsReader {
public:
    QString text(const Setting& setting);
    QString text(const SettingKey& key, const QString& defaultValue);
    QString text(const QString& section, const QString& key, const QString& defaultValue);
    // A setting that holds a number, with the default standing in for a value
    // that is no number, so a damaged settings file cannot stop the program.
    int number(const Setting& setting);
    // Read by the setting's own rule: "1" sets it, or anything but "0" does.
    bool flag(const Setting& setting);
    // The recent files list: the places in order up to the first empty one.
    QStringList recentFiles();

protected:
    ~SettingsReader() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) = 0;
};

class SettingsDraft;

class SettingsStore : public QObject, public SettingsReader {
    Q_OBJECT
public:
    // Nothing is read yet: the file is loaded on the first access, and a
    // missing file is then created empty.
    explicit SettingsStore(QString path, QObject* parent = nullptr);

    const QString& path() const { return m_path; }

    // One write of the file with the one value changed.
    void write(const SettingKey& key, const QString& value);
    void write(const QString& section, const QString& key, const QString& value);
    // One write of the file with all the changes the function makes. When the
    // file cannot be written the contents stay as they were before.
    void update(const std::function<void(SettingsEdit&)>& change);
    // One write of the file with the draft's changes, made on the current
    // contents in the order the draft saw them.
    void commit(const SettingsDraft& draft);

signals:
    // After each write of the file.
    void fileWritten();

protected:
    // A missing key reads as its default, which is not stored.
    QString read(const QString& section, const QString& key, const QString& defaultValue) override;

private:
    friend class SettingsDraft;
    // Throws EInOutError when an existing file cannot be read, so that no
    // later write replaces settings that were never seen; the next access
    // tries again.
    const SettingsContents& loaded();
    // Throws EInOutError when the file cannot be written; the old file is
    // then intact.
    void save(const SettingsContents& contents);

    QString m_path;
    std::optional<SettingsContents> m_contents;
};

// A working copy of the store: its reads store the default of a missing key,
// so that a commit writes it, and nothing reaches the file before the commit.
class SettingsDraft : public SettingsReader {
public:
    // Throws EInOutError when the store's file cannot be read.
    explicit SettingsDraft(SettingsStore& store);

    SettingsEdit edit() { return SettingsEdit(m_contents, &m_changes); }

protected:
    QString read(const QString& section, const QString& key, const QString& defaultValue) override;

private:
    friend class SettingsStore;
    SettingsContents m_contents;
    QList<SettingsChange> m_changes;
};
