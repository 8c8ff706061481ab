#include "../support/outline_text.h"
#include "base/program_folder.h"
#include "language/messages.h"
#include "language/unt_english.h"
#include "language/unt_espanol.h"
#include "language/unt_idioma.h"
#include "settings/unt_help.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(LanguageText)

class TestIdioma : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookupRules_data();
    void lookupRules();
    void builtinFileWrittenWhenMissing_data();
    void builtinFileWrittenWhenMissing();
    void outdatedBuiltinFileIsRewritten();
    void currentFileIsNeverRewritten();
    void languageWithoutFileKeepsDefaults();
    void tableIsBuiltOncePerRun();
    void fileOutOfReachUsesTheBuiltinTable_data();
    void fileOutOfReachUsesTheBuiltinTable();
    void versionCheck_data();
    void versionCheck();
    void helpFileFollowsLanguage();
    void messagesFindTheirEntries_data();
    void messagesFindTheirEntries();
    void messageWithPathReplacesPlaceholder();

private:
    QString languageFile(const QString& name) const;
    void writeLanguageFile(const QString& name, const QByteArray& bytes) const;
    QByteArray languageFileBytes(const QString& name) const;
    void startRun(const QString& language);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LanguageTable> m_language;
};

void TestIdioma::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    startRun(QString());
}

void TestIdioma::cleanup() {
    m_language.reset();
}

QString TestIdioma::languageFile(const QString& name) const {
    return m_dir->filePath(name + QStringLiteral(".txt"));
}

void TestIdioma::writeLanguageFile(const QString& name, const QByteArray& bytes) const {
    writeBytes(languageFile(name), bytes);
}

QByteArray TestIdioma::languageFileBytes(const QString& name) const {
    return readBytes(languageFile(name));
}

void TestIdioma::startRun(const QString& language) {
    m_language = std::make_unique<LanguageTable>(m_dir->path() + u'/');
    m_language->use();
    f_setIdioma(language);
}

void TestIdioma::lookupRules_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString none = QStringLiteral("<default>");
    QTest::newRow("value stripped") << "frm_ppal"
                                    << "cargando item"
                                    << "Cargando item:";
    QTest::newRow("any letter case") << "FRM_PPAL"
                                     << "TAREAS DEL DIA"
                                     << "Tareas del día";
    QTest::newRow("later entry wins") << "frm_ppal"
                                      << "about.Caption"
                                      << "Segundo";
    QTest::newRow("empty value found") << "frm_ppal"
                                       << "about.Hint"
                                       << "";
    QTest::newRow("split at first equals") << "frm_ppal"
                                           << "expr"
                                           << "a=b=c";
    QTest::newRow("key with brackets") << "frm_ppal"
                                       << "rg_archivos.Items[0]"
                                       << "Ultimo";
    QTest::newRow("line without equals") << "frm_ppal"
                                         << "sin igual" << none;
    QTest::newRow("comment") << "frm_ppal"
                             << "; comentario" << none;
    QTest::newRow("missing key") << "frm_ppal"
                                 << "fuentes.Caption" << none;
    QTest::newRow("missing section") << "f_opciones"
                                     << "about.Caption" << none;
    QTest::newRow("before first section") << "frm_ppal"
                                          << "huerfano" << none;
    QTest::newRow("later section wins") << "doble"
                                        << "nuevo"
                                        << "reciente";
    QTest::newRow("earlier section lost") << "doble"
                                          << "viejo" << none;
    QTest::newRow("lone LF line end") << "f_today"
                                      << "hoy"
                                      << "Hoy";
    QTest::newRow("lone CR line end") << "f_today"
                                      << "manana"
                                      << "Mañana";
    QTest::newRow("last line unterminated") << "f_today"
                                            << "fin"
                                            << "Fin";
}

void TestIdioma::lookupRules() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeLanguageFile(QStringLiteral("propio"), "version 0.1\r\n"
                                                "huerfano = antes\r\n"
                                                "[ frm_ppal ]\r\n"
                                                "  cargando item   =  Cargando item: \t\r\n"
                                                "Tareas del dia = Tareas del d\xED"
                                                "a\r\n"
                                                "about.Caption = Primero\r\n"
                                                "about.Caption=Segundo\r\n"
                                                "about.Hint =\r\n"
                                                "expr = a=b=c\r\n"
                                                "rg_archivos.Items[0] = Ultimo\r\n"
                                                "sin igual\r\n"
                                                "; comentario = no\r\n"
                                                "[doble]\r\n"
                                                "viejo = antiguo\r\n"
                                                "[DOBLE]\r\n"
                                                "nuevo = reciente\r\n"
                                                "[f_today]\n"
                                                "hoy = Hoy\n"
                                                "manana = Ma\xF1"
                                                "ana\r"
                                                "fin = Fin");
    f_setIdioma(QStringLiteral("propio"));
    if (expected == u"<default>")
        expected = QStringLiteral("DEFAULT");
    QCOMPARE(f_getTexto(section, key, QStringLiteral("DEFAULT")), expected);
}

void TestIdioma::builtinFileWrittenWhenMissing_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("english caption") << "english"
                                     << "frm_ppal"
                                     << "Self.Caption"
                                     << "Quillnest";
    QTest::newRow("english action") << "english"
                                    << "frm_ppal"
                                    << "buscar.Caption"
                                    << "Find";
    QTest::newRow("english empty hint") << "english"
                                        << "frm_ppal"
                                        << "about.Hint"
                                        << "";
    QTest::newRow("spanish trailing blank") << "espanol"
                                            << "f_defreportexdia"
                                            << "bt_cerrar.Caption"
                                            << "Cerrar";
    QTest::newRow("spanish empty hint") << "espanol"
                                        << "frm_ppal"
                                        << "Ayuda1.Hint"
                                        << "";
    QTest::newRow("spanish accent") << "espanol"
                                    << "f_opciones"
                                    << "lb_idiomas.Items[0]"
                                    << "Español";
}

void TestIdioma::builtinFileWrittenWhenMissing() {
    QFETCH(QString, language);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    f_setIdioma(language);
    QCOMPARE(f_getTexto(section, key, QStringLiteral("DEFAULT")), expected);
    QVERIFY(f_idiomaActualizado(languageFile(language)));
}

void TestIdioma::outdatedBuiltinFileIsRewritten() {
    writeLanguageFile(QStringLiteral("espanol"),
                      "version 0.9.7\r\n[frm_ppal]\r\nSelf.Caption = Mio\r\nextra = x\r\n");
    f_setIdioma(QStringLiteral("espanol"));
    QCOMPARE(f_getTexto(QStringLiteral("frm_ppal"), QStringLiteral("Self.Caption"), {}),
             QStringLiteral("Quillnest"));
    QCOMPARE(f_getTexto(QStringLiteral("frm_ppal"), QStringLiteral("extra"), QStringLiteral("d")),
             QStringLiteral("d"));
}

void TestIdioma::currentFileIsNeverRewritten() {
    const QByteArray edited = "mi version 0.9.8 editada\r\n[frm_ppal]\r\nSelf.Caption = Mio\r\n";
    writeLanguageFile(QStringLiteral("espanol"), edited);
    f_setIdioma(QStringLiteral("espanol"));
    QCOMPARE(f_getTexto(QStringLiteral("frm_ppal"), QStringLiteral("Self.Caption"), {}),
             QStringLiteral("Mio"));
    QCOMPARE(languageFileBytes(QStringLiteral("espanol")), edited);
}

void TestIdioma::languageWithoutFileKeepsDefaults() {
    f_setIdioma(QStringLiteral("XXX"));
    QCOMPARE(f_getTexto(QStringLiteral("frm_ppal"), QStringLiteral("Self.Caption"),
                        QStringLiteral("Designed")),
             QStringLiteral("Designed"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
}

void TestIdioma::tableIsBuiltOncePerRun() {
    f_setIdioma(QStringLiteral("english"));
    const QString section = QStringLiteral("frm_ppal");
    const QString key = QStringLiteral("buscar.Caption");
    QCOMPARE(f_getTexto(section, key, {}), QStringLiteral("Find"));

    writeLanguageFile(QStringLiteral("english"),
                      "version 0.9.8\r\n[frm_ppal]\r\nbuscar.Caption=X\r\n");
    f_setIdioma(QStringLiteral("espanol"));
    QCOMPARE(f_getTexto(section, key, {}), QStringLiteral("Find"));
    QVERIFY(!QFile::exists(languageFile(QStringLiteral("espanol"))));
}

enum class Obstacle { MissingFolder, ReadOnlyFolder, UnreadableFile };
Q_DECLARE_METATYPE(Obstacle)

void TestIdioma::fileOutOfReachUsesTheBuiltinTable_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("missing folder") << Obstacle::MissingFolder;
    QTest::newRow("read-only folder") << Obstacle::ReadOnlyFolder;
    QTest::newRow("unreadable file") << Obstacle::UnreadableFile;
}

void TestIdioma::fileOutOfReachUsesTheBuiltinTable() {
    QFETCH(Obstacle, obstacle);
    const QString folder = m_dir->filePath(QStringLiteral("program"));
    const QString file = folder + QStringLiteral("/espanol.txt");
    m_language = std::make_unique<LanguageTable>(folder + u'/');
    m_language->use();
    switch (obstacle) {
    case Obstacle::MissingFolder:
        break;
    case Obstacle::ReadOnlyFolder:
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(folder).isWritable())
            QSKIP("permissions do not bind this user");
        break;
    case Obstacle::UnreadableFile:
        // A folder in place of the file stands for a file that cannot be read.
        QVERIFY(QDir().mkpath(file));
        break;
    }
    f_setIdioma(QStringLiteral("espanol"));
    // The built-in table speaks, from memory (its hint differs from the design's).
    QCOMPARE(f_getTexto(QStringLiteral("frm_ppal"), QStringLiteral("buscar.Hint"), {}),
             QStringLiteral("Buscar texto"));
    QCOMPARE(f_getTexto(QStringLiteral("mensajes"), QStringLiteral("nada"), QStringLiteral("d")),
             QStringLiteral("d"));
    // Why is told once, naming the file.
    const QString problem = f_takeLanguageProblem();
    QVERIFY2(problem.contains(file), qPrintable(problem));
    QCOMPARE(f_takeLanguageProblem(), QString());
    if (obstacle == Obstacle::ReadOnlyFolder)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestIdioma::versionCheck_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("current");
    QTest::newRow("version line") << QByteArray("version 0.9.8\r\nx\r\n") << true;
    QTest::newRow("among other words") << QByteArray("ver 0.9.8 edited") << true;
    QTest::newRow("other version") << QByteArray("version 0.9.7\r\n0.9.8\r\n") << false;
    QTest::newRow("lone LF ends line") << QByteArray("version\n0.9.8") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestIdioma::versionCheck() {
    QFETCH(QByteArray, content);
    QFETCH(bool, current);
    QVERIFY(!f_idiomaActualizado(languageFile(QStringLiteral("propio"))));
    writeLanguageFile(QStringLiteral("propio"), content);
    QCOMPARE(f_idiomaActualizado(languageFile(QStringLiteral("propio"))), current);
}

void TestIdioma::helpFileFollowsLanguage() {
    f_setIdioma(QStringLiteral("XXX"));
    const ProgramFolder folder(m_dir->filePath(QStringLiteral("quillnest")));
    QCOMPARE(helpFileName(folder, HelpTopic::start),
             m_dir->filePath(QStringLiteral("help/XXX/index.htm")));
    f_setIdioma(QStringLiteral("english"));
    QCOMPARE(helpFileName(folder, HelpTopic::start),
             m_dir->filePath(QStringLiteral("help/english/index.htm")));
}

void TestIdioma::messagesFindTheirEntries_data() {
    QTest::addColumn<LanguageText>("text");
    QTest::addColumn<QString>("espanol");
    QTest::addColumn<QString>("english");
    using namespace Messages;
    QTest::newRow("version") << version << "Version:"
                             << "Version:";
    QTest::newRow("guarda los cambios") << guardaLosCambios << "¿Desea guardar los cambios?"
                                        << "Save changes?";
    QTest::newRow("nuevo item") << nuevoItem << "nuevo"
                                << "new item";
    QTest::newRow("guardando") << guardando << "Guardando..."
                               << "Saving...";
    QTest::newRow("seguro borra") << seguroBorra
                                  << "¿Esta seguro de borrar el item y sus sub-items?"
                                  << "Do you really want to delete this item and his childs?";
    QTest::newRow("nuevo archivo") << nuevoArchivo << "Nuevo archivo"
                                   << "new document";
    QTest::newRow("descripcion archivo") << descripcionArchivo << "Archivo Quillnest"
                                         << "Quillnest File";
    QTest::newRow("debe cerrar idioma")
        << debeCerrarIdioma
        << "Debe cerrar la aplicación para que el cambios de idioma surta efecto"
        << "You must restart application to see your changes";
    QTest::newRow("no existe help")
        << noExisteHelp << "No se encuentra el archivo de ayuda %s. Revise su instalación"
        << "The help file %s is missing. Check your instalation";
    QTest::newRow("no existe archivo") << noExisteArchivo << "No se encuentra el archivo %s."
                                       << "File %s not found.";
    QTest::newRow("creando nuevo documento")
        << creandoNuevoDocumento << "Se creará un documento nuevo."
        << "Creating new blank document.";
    QTest::newRow("borra el texto") << borraElTexto << "¿Desea borrar el texto de origen?."
                                    << "Do you want to erase selected text?.";
    QTest::newRow("desea sobreescribir")
        << deseaSobreescribir << "¿Desea sobreescribier el archivo?."
        << "Do you want to overwrite the file?.";
    QTest::newRow("cargando item") << cargandoItem << "Cargando item:"
                                   << "Loading item:";
    QTest::newRow("tareas del dia") << tareasDelDia << "Tareas del día"
                                    << "Today tasks";
    QTest::newRow("tareas") << tareas << "Tareas"
                            << "Tasks";
    QTest::newRow("periodo desde") << periodoDesde << "Período desde"
                                   << "From";
    QTest::newRow("hasta") << hasta << "hasta"
                           << "to";
    QTest::newRow("si") << si << "sí"
                        << "yes";
    QTest::newRow("no") << no << "no"
                        << "no";
    QTest::newRow("opciones") << opciones << "Opciones"
                              << "Options";
    QTest::newRow("ordenado por fecha") << ordenadoPorFecha << "Ordenado por fecha"
                                        << "Sort by date";
    QTest::newRow("ver completados") << verCompletados << "Ver completados"
                                     << "View completed";
    QTest::newRow("mostrar texto") << mostrarTexto << "Mostrar texto"
                                   << "View text";
    QTest::newRow("solo terminales") << soloTerminales << "Solo terminales"
                                     << "Only terminals";
}

void TestIdioma::messagesFindTheirEntries() {
    QFETCH(LanguageText, text);
    QFETCH(QString, espanol);
    QFETCH(QString, english);
    startRun(QStringLiteral("espanol"));
    QCOMPARE(f_getTexto(text), espanol);
    startRun(QStringLiteral("english"));
    QCOMPARE(f_getTexto(text), english);
    startRun(QStringLiteral("XXX"));
    QCOMPARE(f_getTexto(text), text.defaultText.toString());
}

void TestIdioma::messageWithPathReplacesPlaceholder() {
    f_setIdioma(QStringLiteral("XXX"));
    QCOMPARE(messageWithPath(Messages::noExisteArchivo, QStringLiteral("/docs/%s.qnf")),
             QStringLiteral("El archivo /docs/%s.qnf no existe."));
}

QTEST_APPLESS_MAIN(TestIdioma)
#include "tst_idioma.moc"
