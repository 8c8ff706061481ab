#pragma once
// The modeless find dialog of the main window: the text to find, match case,
// whole word and a find-next button. The search itself is the window's.

#include "document/outline_search.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString findText() const;
    void setFindText(const QString& text);
    FindOptions options() const;

signals:
    // The find-next button was pressed.
    void findNext();

private:
    QLineEdit* ed_findText = nullptr;
    QCheckBox* cb_matchCase = nullptr;
    QCheckBox* cb_wholeWord = nullptr;
    QPushButton* bt_findNext = nullptr;
    QPushButton* bt_cancel = nullptr;
};
