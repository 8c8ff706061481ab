#include "base/program_folder.h"
#include "language/unt_idioma.h"
#include "settings/unt_help.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

Q_DECLARE_METATYPE(HelpTopic)

namespace {

// The languages that come with a manual.
const QStringList kManualLanguages{kIdiomaEspanol, kIdiomaEnglish};

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    LanguageTable m_language{QStringLiteral("/opt/quill nest/")};

private slots:
    void init() { m_language.use(); }

    // Where the manual is looked for: beside the program (a build folder or
    // an unpacked copy) before the installed data folder; with neither, the
    // missing page is named beside the program.
    void pageForLanguageAndTopic_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<HelpTopic>("topic");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("page"); // below the folder that wins
        QTest::newRow("Spanish start page beside the program")
            << "espanol" << HelpTopic::start << true << false << "espanol/index.htm";
        QTest::newRow("English options page beside the program")
            << "english" << HelpTopic::options << true << false << "english/opciones.htm";
        QTest::newRow("installed copy")
            << "english" << HelpTopic::start << false << true << "english/index.htm";
        QTest::newRow("beside the program wins")
            << "espanol" << HelpTopic::options << true << true << "espanol/opciones.htm";
        QTest::newRow("no manual anywhere")
            << "espanol" << HelpTopic::start << false << false << "espanol/index.htm";
        // No language chosen yet: there is no manual of that name.
        QTest::newRow("no language chosen")
            << "XXX" << HelpTopic::options << true << false << "XXX/opciones.htm";
    }
    void pageForLanguageAndTopic() {
        QFETCH(QString, language);
        QFETCH(HelpTopic, topic);
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, page);
        QTemporaryDir prefix;
        const ProgramFolder folder(prefix.filePath(QStringLiteral("bin/quillnest")));
        const QString besideFolder = prefix.filePath(QStringLiteral("bin/help/"));
        const QString installedFolder =
            QDir::cleanPath(folder.path() + QLatin1StringView(QUILLNEST_HELP_FROM_PROGRAM)) + '/';
        QVERIFY(installedFolder.startsWith(prefix.path())); // inside the prefix
        if (beside)
            QVERIFY(QDir().mkpath(besideFolder));
        if (installed)
            QVERIFY(QDir().mkpath(installedFolder));
        f_setIdioma(language);
        QCOMPARE(helpFileName(folder, topic),
                 (beside || !installed ? besideFolder : installedFolder) + page);
    }

    // The desktop's handler gets the page as a file URL, which survives
    // blanks and non-ASCII letters in the path.
    void command() {
        const QString page = QStringLiteral("/opt/quill nest/ayuda/español/opciones.htm");
        const DetachedCommand command = helpCommand(page);
        QCOMPARE(command.program, QStringLiteral("xdg-open"));
        QCOMPARE(command.arguments.size(), 1);
        QVERIFY(command.arguments.first().startsWith(QStringLiteral("file:///opt/quill%20nest/")));
        QCOMPARE(QUrl(command.arguments.first()).toLocalFile(), page);
    }

    // Every topic the program opens has its page in every language of the
    // manual, in the sources and in the copy beside the built program.
    void everyTopicHasItsPage_data() {
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("language");
        QTest::addColumn<HelpTopic>("topic");
        const QString built = helpFolder(ProgramFolder::ofRunningProgram());
        for (const auto& [where, manual] :
             {std::pair{"sources", QStringLiteral(QUILLNEST_HELP_SOURCE "/")},
              std::pair{"build", built}})
            for (const QString& language : kManualLanguages)
                for (HelpTopic topic : kHelpTopics)
                    QTest::addRow("%s %s %s", where, qPrintable(language),
                                  qPrintable(helpPageName(topic)))
                        << manual << language << topic;
    }
    void everyTopicHasItsPage() {
        QFETCH(QString, manual);
        QFETCH(QString, language);
        QFETCH(HelpTopic, topic);
        const QString page = manual + language + '/' + helpPageName(topic);
        QVERIFY2(QFileInfo(page).isFile(), qPrintable(page));
        QVERIFY2(readText(page).contains(QStringLiteral("<html lang=")), qPrintable(page));
    }

    // Every link of a page leads to a page, and to a place on it, that exists;
    // each language's folder holds the same pages.
    void linksLeadSomewhere() {
        const QDir manual(QStringLiteral(QUILLNEST_HELP_SOURCE));
        const QStringList pages =
            QDir(manual.filePath(kIdiomaEspanol)).entryList({QStringLiteral("*.htm")});
        QCOMPARE(QDir(manual.filePath(kIdiomaEnglish)).entryList({QStringLiteral("*.htm")}), pages);
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        QStringList broken;
        for (const QString& language : kManualLanguages)
            for (const QString& name : pages) {
                const QString page = manual.filePath(language + '/' + name);
                const QString text = readText(page);
                for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
                    const QUrl target = QUrl(QUrl::fromLocalFile(page)).resolved(match.captured(1));
                    const bool fileThere =
                        target.isLocalFile() && QFileInfo(target.toLocalFile()).isFile();
                    const bool placeThere =
                        !target.hasFragment() ||
                        readText(target.toLocalFile())
                            .contains(QStringLiteral("id=\"%1\"").arg(target.fragment()));
                    if (!fileThere || !placeThere)
                        broken << language + '/' + name + " -> " + match.captured(1);
                }
            }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
