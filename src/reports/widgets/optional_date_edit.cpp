#include "reports/widgets/optional_date_edit.h"

#include "document/unt_funciones.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

OptionalDateEdit::OptionalDateEdit(QWidget* parent)
    : QWidget(parent), m_checkBox(new QCheckBox(this)), m_dateEdit(new QDateEdit(this)) {
    m_dateEdit->setCalendarPopup(true);
    // The days that the stored date form can hold.
    m_dateEdit->setDateRange(primerDiaFecha(), ultimoDiaFecha());
    m_dateEdit->setDisplayFormat(shortDateFormat());
    m_dateEdit->setEnabled(false);
    setFocusProxy(m_dateEdit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_checkBox);
    layout->addWidget(m_dateEdit, 1);
    // clicked() is the user's click alone; toggled() would also report setChecked().
    connect(m_checkBox, &QCheckBox::clicked, this, [this] {
        m_dateEdit->setEnabled(m_checkBox->isChecked());
        emit clicked();
        emit changed();
    });
    connect(m_dateEdit, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingDate)
            emit changed();
    });
}

bool OptionalDateEdit::isChecked() const {
    return m_checkBox->isChecked();
}

void OptionalDateEdit::setChecked(bool checked) {
    m_checkBox->setChecked(checked);
    m_dateEdit->setEnabled(checked);
}

QDate OptionalDateEdit::date() const {
    return m_dateEdit->date();
}

void OptionalDateEdit::setDate(const QDate& date) {
    m_settingDate = true;
    m_dateEdit->setDate(date);
    m_settingDate = false;
}
