#include "mainwindow/widgets/date_field.h"

#include "document/unt_funciones.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>

DateField::DateField(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_edit = new QLineEdit;
    m_edit->installEventFilter(this);
    m_button = new QToolButton;
    m_button->setArrowType(Qt::DownArrow);
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setFocusPolicy(Qt::NoFocus);
    auto* menu = new QMenu(m_button);
    m_calendar = new QCalendarWidget;
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(m_calendar);
    menu->addAction(action);
    m_button->setMenu(menu);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    setDisplayFormat(QString()); // the user's short format until another is set
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) +
                            12);

    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_calendar->setDateRange(m_minimum, m_maximum);
        m_calendar->setSelectedDate(m_date == m_blank ? QDate::currentDate() : m_date);
    });
    connect(m_calendar, &QCalendarWidget::clicked, this, [this, menu](const QDate& day) {
        menu->close();
        setDate(day);
    });
    connect(m_edit, &QLineEdit::editingFinished, this, &DateField::takeTypedText);
    connect(m_edit, &QLineEdit::textEdited, this, [this] { setRefused(false); });
}

void DateField::setDisplayFormat(const QString& format) {
    m_format = format.isEmpty() ? shortDateFormat() : format;
    showDate();
}

void DateField::setDateRange(const QDate& minimum, const QDate& maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    setDate(std::clamp(m_date.isValid() ? m_date : minimum, minimum, maximum));
}

void DateField::setDate(const QDate& date) {
    if (!date.isValid() || date < m_minimum || date > m_maximum)
        return;
    const bool changed = date != m_date;
    m_date = date;
    setRefused(false);
    showDate();
    if (changed)
        emit dateChanged(m_date);
}

QString DateField::text() const {
    return m_edit->text();
}

void DateField::showDate() {
    m_edit->setText(!m_date.isValid() || m_date == m_blank ? QString()
                                                           : QLocale().toString(m_date, m_format));
}

void DateField::takeTypedText() {
    if (!m_edit->isModified())
        return;
    m_edit->setModified(false);
    const QString typed = m_edit->text().trimmed();
    if (typed.isEmpty()) {
        showDate(); // nothing typed: the date stays
        return;
    }
    const auto value = parseFechaHora(typed);
    if (!value || value->date() < m_minimum || value->date() > m_maximum) {
        setRefused(true);
        return;
    }
    setDate(value->date());
    showDate(); // in the field's own format, however it was typed
}

void DateField::setRefused(bool refused) {
    if (m_refused == refused)
        return;
    m_refused = refused;
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text,
                     refused ? QColor(Qt::red) : QApplication::palette().color(QPalette::Text));
    m_edit->setPalette(palette);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        // Up and Down step a day, as in a date editor.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            const QDate from = m_date == m_blank ? QDate::currentDate() : m_date;
            setDate(from.addDays(key->key() == Qt::Key_Up ? 1 : -1));
            return true;
        }
        if (key->modifiers() == Qt::AltModifier && key->key() == Qt::Key_Down) {
            m_button->showMenu();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
