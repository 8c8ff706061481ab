// The main window's editor of the selected item: loading and writing back on
// selection change, the percentage controls and the priority toggles.
#include "mainwindow/unt_f_main.h"

#include "document/rollup.h"
#include "document/unt_funciones.h"
#include "mainwindow/outline_model.h"
#include "mainwindow/outline_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

namespace {
// The picker's lowest date stands for a stored date that cannot be read.
const QDate kUnreadableDate(1979, 12, 31);
} // namespace

OutlineNode* Tfrm_ppal::selectedNode() const { return m_model->nodeOf(tv_lista->currentIndex()); }

void Tfrm_ppal::selectNode(OutlineNode* node) {
    const QModelIndex index = m_model->indexOf(node);
    tv_lista->setCurrentIndex(index);
    tv_lista->scrollTo(index);
}

void Tfrm_ppal::connectEditor() {
    me_fecha->setDateRange(kUnreadableDate, QDate(2107, 12, 31));
    me_fecha->setSpecialValueText(QStringLiteral(" "));
    me_fecha->setDisplayFormat(shortDateFormat());
    connect(tv_lista->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                tv_listaChanging(m_editorNode, m_model->nodeOf(current));
            });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        // The records behind the editor are about to go; nothing is written back.
        m_editorNode = nullptr;
    });
    connect(re_texto, &QPlainTextEdit::textChanged, this, &Tfrm_ppal::re_textoChange);
    connect(me_fecha, &QDateEdit::dateChanged, this, &Tfrm_ppal::me_fechaChange);
    connect(tb_cumplido, &QSlider::valueChanged, this, &Tfrm_ppal::tb_cumplidoChange);
    connect(lb_porc, &QLineEdit::textChanged, this, &Tfrm_ppal::lb_porcChange);
    connect(cb_cumplido, &QCheckBox::clicked, this, &Tfrm_ppal::cb_cumplidoClick);
    connect(m_model, &OutlineModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                // A roll-up may change the percentage of the item on show.
                if (!m_editorNode)
                    return;
                const QModelIndex shown = m_model->indexOf(m_editorNode);
                if (shown.parent() == topLeft.parent() && shown.row() >= topLeft.row() &&
                    shown.row() <= bottomRight.row() &&
                    tb_cumplido->value() != m_editorNode->nota().cumplido) {
                    cumplidoAlNodo = false;
                    tb_cumplido->setValue(m_editorNode->nota().cumplido);
                    cumplidoAlNodo = true;
                }
            });
}

void Tfrm_ppal::tv_listaChanging(OutlineNode* oldNode, OutlineNode* newNode) {
    edicionActiva = false;
    if (oldNode)
        writeEditor(oldNode);
    loadEditor(newNode);
    edicionActiva = true;
}

void Tfrm_ppal::writeEditor(OutlineNode* node) {
    // Date, percentage and priority reach the record as they change; only the
    // text is still pending. Leaving an item unchanged never alters it.
    if (re_texto->document()->isModified())
        m_model->setTexto(node, textFromEditor(re_texto->document()->toRawText()));
}

void Tfrm_ppal::f_actualizarTextoNodo() {
    if (!m_editorNode)
        return;
    writeEditor(m_editorNode);
    re_texto->document()->setModified(false);
}

void Tfrm_ppal::loadEditor(OutlineNode* node) {
    m_editorNode = node;
    const bool hasItem = node != nullptr;
    re_texto->setReadOnly(!hasItem);
    me_fecha->setEnabled(hasItem);
    if (!node) {
        re_texto->clear();
        updatePercentControls(false);
        return;
    }
    const Tnota& nota = node->nota();
    re_texto->setPlainText(textForEditor(nota.texto()));
    re_texto->document()->setModified(false);
    const auto stored = nota.fechaValue() ? unpackFecha(*nota.fechaValue()) : std::nullopt;
    me_fecha->setDate(stored ? stored->date() : kUnreadableDate);
    cumplidoAlNodo = false;
    tb_cumplido->setValue(nota.cumplido);
    cumplidoAlNodo = true;
    QAction* alta = action(QStringLiteral("prioridadalta"));
    QAction* baja = action(QStringLiteral("prioridadbaja"));
    if (nota.prioridad <= 2) {
        alta->setChecked(nota.prioridad == 1);
        baja->setChecked(nota.prioridad == 2);
    }
    updatePercentControls(!node->hasChildren());
}

void Tfrm_ppal::updatePercentControls(bool editable) {
    // A parent's percentage comes from its children.
    cb_cumplido->setEnabled(editable);
    tb_cumplido->setEnabled(editable);
    lb_porc->setReadOnly(!editable);
}

void Tfrm_ppal::re_textoChange() {
    if (edicionActiva)
        setModified(true);
}

void Tfrm_ppal::me_fechaChange() {
    if (!edicionActiva)
        return;
    setModified(true);
    // A picked day replaces the stored date-time with that day at 00:00:00.
    if (m_editorNode && me_fecha->date() != kUnreadableDate)
        m_model->setFecha(m_editorNode,
                          f_fechaHoraAEntero(QDateTime(me_fecha->date(), QTime(0, 0))));
}

void Tfrm_ppal::tb_cumplidoChange(int position) {
    if (edicionActiva)
        setModified(true);
    if (lb_porc->text().remove(u'%').trimmed().toInt() != position || lb_porc->text().isEmpty())
        lb_porc->setText(QString::number(position));
    if (!m_editorNode)
        return;
    if (cumplidoAlNodo) {
        m_model->setCumplido(m_editorNode, position);
        m_model->rollUp();
    }
    clickCumplidoActivo = false;
    cb_cumplido->setCheckState(position == 0     ? Qt::Unchecked
                               : position == 100 ? Qt::Checked
                                                 : Qt::PartiallyChecked);
    clickCumplidoActivo = true;
    cumplidoAlNodo = true;
}

void Tfrm_ppal::lb_porcChange() {
    bool ok = false;
    const int value = lb_porc->text().remove(u'%').trimmed().toInt(&ok);
    if (ok)
        tb_cumplido->setValue(value);
    if (edicionActiva)
        setModified(true);
}

void Tfrm_ppal::cb_cumplidoClick() {
    if (clickCumplidoActivo) {
        // A done toggle: complete anything unfinished, reopen what is complete.
        const bool done = tb_cumplido->value() == 100;
        tb_cumplido->setValue(done ? 0 : 100);
        cb_cumplido->setCheckState(done ? Qt::Unchecked : Qt::Checked);
        if (edicionActiva)
            setModified(true);
    }
    clickCumplidoActivo = true;
}

void Tfrm_ppal::prioridadaltaExecute(bool checked) {
    if (edicionActiva)
        setModified(true);
    QAction* alta = action(QStringLiteral("prioridadalta"));
    if (!m_editorNode) {
        alta->setChecked(false);
        return;
    }
    action(QStringLiteral("prioridadbaja"))->setChecked(false);
    alta->setChecked(checked);
    m_model->setPrioridad(m_editorNode, checked ? 1 : 0);
}

void Tfrm_ppal::prioridadbajaExecute(bool checked) {
    if (edicionActiva)
        setModified(true);
    QAction* baja = action(QStringLiteral("prioridadbaja"));
    if (!m_editorNode) {
        baja->setChecked(false);
        action(QStringLiteral("prioridadalta"))->setChecked(false);
        return;
    }
    action(QStringLiteral("prioridadalta"))->setChecked(false);
    baja->setChecked(checked);
    m_model->setPrioridad(m_editorNode, checked ? 2 : 0);
}
