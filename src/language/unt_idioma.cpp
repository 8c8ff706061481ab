#include "language/unt_idioma.h"

#include "base/errors.h"
#include "base/text_encoding.h"
#include "base/unt_constantes.h"
#include "language/ini_text.h"
#include "language/messages.h"
#include "language/unt_english.h"
#include "language/unt_espanol.h"

#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

namespace {

// Sections and keys are stored case-folded, so lookups ignore letter case.
using Entries = QHash<QString, QString>;
using Table = QHash<QString, Entries>;

LanguageTable* inUse = nullptr;

} // namespace

struct LanguageTable::State {
    QString folder;
    QString name;
    std::optional<Table> table;
    // While the table is being built, a lookup (for the message of a file
    // that cannot be read) gets its default rather than building it again.
    bool building = false;
    QString problem; // why the language file was out of reach, until told
};

struct LanguageAccess {
    static LanguageTable::State& state() {
        Q_ASSERT_X(inUse, "LanguageTable", "no language table in use");
        return *inUse->m_state;
    }
};

LanguageTable::LanguageTable(QString folder) : m_state(std::make_unique<State>()) {
    m_state->folder = std::move(folder);
}

LanguageTable::~LanguageTable() {
    if (inUse == this)
        inUse = nullptr;
}

void LanguageTable::use() {
    inUse = this;
}

namespace {

LanguageTable::State& language() {
    return LanguageAccess::state();
}

QString fold(QStringView name) {
    return name.toString().toCaseFolded();
}

Table parseTable(QStringView text) {
    Table table;
    IniText::forEachEntry(
        text,
        // A section named again replaces the earlier one.
        [&](QStringView section) { table.insert(fold(section), {}); },
        // A key given again replaces its earlier value.
        [&](QStringView section, QStringView key, QStringView value) {
            table[fold(section)].insert(fold(key), value.toString());
        });
    return table;
}

QString languageFilePath() {
    return language().folder + language().name + QLatin1StringView(".txt");
}

void writeBuiltinFile(const QString& name, const QString& path) {
    if (name == kIdiomaEspanol)
        f_crearEspanol(path);
    else if (name == kIdiomaEnglish)
        f_crearEnglish(path);
}

std::optional<QString> builtinText(const QString& name) {
    if (name == kIdiomaEspanol)
        return f_textoEspanol();
    if (name == kIdiomaEnglish)
        return f_textoEnglish();
    return std::nullopt;
}

QByteArrayView firstLine(QByteArrayView bytes) {
    const auto end =
        std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    return bytes.first(end - bytes.begin());
}

} // namespace

void f_setIdioma(const QString& name) {
    language().name = name;
}

QString f_getIdioma() {
    return inUse ? language().name : QString();
}

QString f_getTexto(const QString& section, const QString& key, const QString& defaultText) {
    if (!inUse || language().building)
        return defaultText;
    if (!language().table)
        f_cargarIdioma();
    const auto entries = language().table->constFind(fold(section));
    if (entries == language().table->cend())
        return defaultText;
    return entries->value(fold(key), defaultText);
}

QString f_getTexto(const LanguageText& text) {
    return f_getTexto(text.section.toString(), text.key.toString(), text.defaultText.toString());
}

QString f_getTexto(const NewText& text) {
    const QStringView fallback = f_getIdioma() == kIdiomaEspanol ? text.spanish : text.english;
    return f_getTexto(text.section.toString(), text.key.toString(), fallback.toString());
}

void f_cargarIdioma() {
    language().building = true;
    const auto built = qScopeGuard([] { language().building = false; });
    const QString path = languageFilePath();
    try {
        if (!f_idiomaActualizado(path))
            writeBuiltinFile(language().name, path);
        // A language without a built-in file and without a file of its own
        // shows every text as designed.
        if (!QFileInfo::exists(path)) {
            language().table = Table();
            return;
        }
        language().table =
            parseTable(TextEncoding::decode(IniText::readFile(path, Messages::archivoIdioma)));
    } catch (const EInOutError& error) {
        // The built-in tables are part of the program: a file out of reach
        // changes nothing of what a built-in language says, and any other
        // language shows the designed texts.
        const auto builtin = builtinText(language().name);
        language().table = builtin ? parseTable(*builtin) : Table();
        language().problem = error.message();
    }
}

QString f_takeLanguageProblem() {
    if (!inUse)
        return {};
    return std::exchange(language().problem, QString());
}

bool f_idiomaActualizado(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    const QByteArray bytes = IniText::readFile(path, Messages::archivoIdioma);
    return firstLine(bytes).contains(
        QByteArrayView(Unt_constantes::version.latin1(), Unt_constantes::version.size()));
}
