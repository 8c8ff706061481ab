#include "base/program_folder.h"
#include "language/unt_idioma.h"
#include "settings/unt_help.h"

#include <QtTest>

class TestHelp : public QObject {
    Q_OBJECT
    LanguageTable m_language{QStringLiteral("/opt/quill nest/")};

private slots:
    void init() {
        m_language.use();
        f_setIdioma(QStringLiteral("espanol"));
    }

    void command_data() {
        const QString file = QStringLiteral("/opt/quill nest/quilnst_espanol.chm");
        const QString viewer = QStringLiteral("/windows/hh.exe");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("viewer at a topic")
            << "opciones.htm" << viewer << viewer << QStringList{file + "::/opciones.htm"};
        QTest::newRow("viewer without a topic") << "" << viewer << viewer << QStringList{file};
        // The desktop's handler gets a file it can open, never "file::/topic".
        QTest::newRow("desktop handler at a topic") << "opciones.htm"
                                                    << ""
                                                    << "xdg-open" << QStringList{file};
        QTest::newRow("desktop handler without a topic") << ""
                                                         << ""
                                                         << "xdg-open" << QStringList{file};
    }
    void command() {
        QFETCH(QString, topic);
        QFETCH(QString, viewer);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const DetachedCommand command =
            helpCommand(helpFileName(ProgramFolder(QStringLiteral("/opt/quill nest/quillnest"))),
                        topic, viewer);
        QCOMPARE(command.program, program);
        QCOMPARE(command.arguments, arguments);
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
