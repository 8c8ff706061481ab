#pragma once
// A date picker with a check box: ticked, the date is in use; unticked, the
// date is greyed. Only the user's actions are signalled, never the program's
// own changes through setChecked() and setDate().

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

class OptionalDateEdit : public QWidget {
    Q_OBJECT
public:
    explicit OptionalDateEdit(QWidget* parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QDate date() const;
    void setDate(const QDate& date);

    QCheckBox* checkBox() const { return m_checkBox; }
    QDateEdit* dateEdit() const { return m_dateEdit; }

signals:
    // The user clicked the check box. Comes before the change it makes, so a
    // handler can put a date in place before that change is stored.
    void clicked();
    // The user changed the date or the check box.
    void changed();

private:
    QCheckBox* m_checkBox;
    QDateEdit* m_dateEdit;
    bool m_settingDate = false;
};
