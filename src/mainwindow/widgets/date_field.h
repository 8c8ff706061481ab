#pragma once
// The item's date: a field that takes a date typed in full in the user's
// short date format, or one picked from a drop-down calendar. A typed text
// that is no date is refused visibly: the field keeps it, marked, and the date
// stays what it was. (A section-by-section date editor keeps parts of the old
// date when a whole new one is typed over it.)

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

class DateField : public QWidget {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Shows the date, or a blank for the date that stands for none.
    void setDate(const QDate& date);
    void setDateRange(const QDate& minimum, const QDate& maximum);
    // The date shown as a blank: an item whose stored date cannot be read.
    void setBlankDate(const QDate& date) { m_blank = date; }
    void setDisplayFormat(const QString& format);
    QString text() const;
    // True while the field shows typed text that is no date.
    bool isRefused() const { return m_refused; }
    QLineEdit* lineEdit() const { return m_edit; }

signals:
    // The date changed, by typing, by the calendar or by setDate.
    void dateChanged(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDate();
    // The typed text taken as a date, or refused.
    void takeTypedText();
    void setRefused(bool refused);

    QLineEdit* m_edit;
    QToolButton* m_button;
    QCalendarWidget* m_calendar;
    QDate m_date;
    QDate m_blank;
    QDate m_minimum{1752, 9, 14};
    QDate m_maximum{9999, 12, 31};
    QString m_format;
    bool m_refused = false;
};
