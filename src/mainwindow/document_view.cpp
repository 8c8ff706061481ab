#include "mainwindow/document_view.h"

#include "document/document_file.h"
#include "document/errors.h"

#include <QFileInfo>
#include <QMessageBox>
#include <unordered_map>

DocumentView::DocumentView(const QString& fileName, QWidget* parent) : QTreeWidget(parent) {
    setHeaderLabels({tr("Item"), tr("%"), tr("Date")});
    setWindowTitle(QStringLiteral("Quillnest - %1").arg(QFileInfo(fileName).fileName()));
    resize(700, 500);
    if (fileName.isEmpty())
        return;
    try {
        const auto tree = readDocument(fileName, [](const QString&, const QString&,
                                                    const QString& def) { return def; });
        std::unordered_map<const OutlineNode*, QTreeWidgetItem*> items;
        tree->forEach([&](OutlineNode* node) {
            const auto parent = node->parent() ? items.at(node->parent()) : nullptr;
            QString date;
            try {
                date = f_fechaNodo(node);
            } catch (const EConvertError&) {
                date = node->nota().fecha();
            }
            const QStringList columns{node->caption(), QString::number(node->nota().cumplido),
                                      date};
            auto* item = parent ? new QTreeWidgetItem(parent, columns)
                                : new QTreeWidgetItem(this, columns);
            item->setExpanded(node->expanded());
            items.emplace(node, item);
        });
    } catch (const QuillnestError& error) {
        QMessageBox::warning(this, QStringLiteral("Quillnest"), error.message());
    }
}
