#pragma once
// A read-only view of one document's outline, shown until the main window exists.

#include <QTreeWidget>

class DocumentView : public QTreeWidget {
    Q_OBJECT
public:
    explicit DocumentView(const QString& fileName, QWidget* parent = nullptr);
};
