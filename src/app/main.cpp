#include "mainwindow/document_view.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillnest"));
    const QStringList args = QApplication::arguments();
    DocumentView view(args.size() > 1 ? args.at(1) : QString());
    view.show();
    return QApplication::exec();
}
