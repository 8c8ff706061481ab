// The main window's editor of the selected item: loading and writing back on
// selection change, the percentage controls and the priority toggles.
#include "mainwindow/widgets/unt_f_main.h"

#include "mainwindow/widgets/main_actions.h"

#include "document/outline_document.h"
#include "document/unt_funciones.h"
#include "mainwindow/widgets/date_field.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/outline_view.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

#include <algorithm>

namespace {
// The picker's lowest date stands for a stored date that cannot be read.
const QDate kUnreadableDate = primerDiaFecha().addDays(-1);
} // namespace

OutlineNode* Tfrm_ppal::selectedNode() const {
    return m_model->nodeOf(tv_lista->currentIndex());
}

void Tfrm_ppal::selectNode(OutlineNode* node) {
    const QModelIndex index = m_model->indexOf(node);
    tv_lista->setCurrentIndex(index);
    tv_lista->scrollTo(index);
}

void Tfrm_ppal::connectEditor() {
    me_fecha->setDateRange(kUnreadableDate, ultimoDiaFecha());
    me_fecha->setBlankDate(kUnreadableDate);
    me_fecha->setDisplayFormat(shortDateFormat());
    lb_porc->installEventFilter(this); // see windowShortcutWins
    me_fecha->lineEdit()->installEventFilter(this);
    connect(tv_lista->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                tv_listaChanging(m_editorNode, m_model->nodeOf(current));
            });
    connect(m_document, &OutlineDocument::aboutToReset, this, [this] {
        // The records behind the editor are about to go; nothing is written back.
        m_editorNode = nullptr;
    });
    connect(m_document, &OutlineDocument::aboutToRemove, this, [this](OutlineNode* node) {
        if (m_editorNode && node->contains(m_editorNode))
            m_editorNode = nullptr; // its record leaves the outline with it
    });
    // A roll-up, an undo or a redo may change what the editor shows.
    connect(m_document, &OutlineDocument::changed, this, &Tfrm_ppal::refreshEditor);
    connect(re_texto, &QPlainTextEdit::textChanged, this, &Tfrm_ppal::re_textoChange);
    connect(me_fecha, &DateField::dateChanged, this, &Tfrm_ppal::me_fechaChange);
    connect(tb_cumplido, &QSlider::valueChanged, this, &Tfrm_ppal::tb_cumplidoChange);
    // An entry counts once it is complete (three digits) or the field is left,
    // so that typing "75" never passes through 7 %.
    connect(lb_porc, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }) == 3)
            lb_porcChange();
    });
    connect(lb_porc, &QLineEdit::editingFinished, this, &Tfrm_ppal::lb_porcChange);
    connect(cb_cumplido, &QCheckBox::clicked, this, &Tfrm_ppal::cb_cumplidoClick);
}

void Tfrm_ppal::tv_listaChanging(OutlineNode* oldNode, OutlineNode* newNode) {
    edicionActiva = false;
    if (oldNode)
        writeEditor(oldNode);
    loadEditor(newNode);
    edicionActiva = true;
}

void Tfrm_ppal::writeEditor(OutlineNode* node) {
    // Every field reaches the record as it changes; this only makes sure of
    // the text. Leaving an item unchanged never alters it.
    if (re_texto->document()->isModified())
        m_document->setTexto(node, editorText());
}

QString Tfrm_ppal::editorText() const {
    return textFromEditor(re_texto->document()->toRawText());
}

void Tfrm_ppal::f_actualizarTextoNodo() {
    if (!m_editorNode)
        return;
    writeEditor(m_editorNode);
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
    re_texto->setPlainText(textForEditor(node->nota().texto()));
    re_texto->document()->setModified(false);
    showRecord(node);
}

void Tfrm_ppal::showRecord(OutlineNode* node) {
    const Tnota& nota = node->nota();
    const auto stored = nota.fechaValue() ? unpackFecha(*nota.fechaValue()) : std::nullopt;
    me_fecha->setDate(stored ? stored->date() : kUnreadableDate);
    cumplidoAlNodo = false;
    tb_cumplido->setValue(nota.cumplido);
    cumplidoAlNodo = true;
    QAction* alta = action(ActionName::prioridadalta);
    QAction* baja = action(ActionName::prioridadbaja);
    if (nota.prioridad <= kPrioridadBaja) {
        alta->setChecked(nota.prioridad == kPrioridadAlta);
        baja->setChecked(nota.prioridad == kPrioridadBaja);
    }
    updatePercentControls(!node->hasChildren());
}

void Tfrm_ppal::refreshEditor() {
    if (!m_editorNode)
        return;
    // The program's own update of the controls is no edit.
    const bool active = edicionActiva;
    edicionActiva = false;
    if (editorText() != m_editorNode->nota().texto()) {
        re_texto->setPlainText(textForEditor(m_editorNode->nota().texto()));
        re_texto->document()->setModified(false);
    }
    showRecord(m_editorNode);
    edicionActiva = active;
}

void Tfrm_ppal::updatePercentControls(bool editable) {
    // A parent's percentage comes from its children.
    cb_cumplido->setEnabled(editable);
    tb_cumplido->setEnabled(editable);
    lb_porc->setReadOnly(!editable);
}

void Tfrm_ppal::re_textoChange() {
    if (edicionActiva && m_editorNode)
        m_document->setTexto(m_editorNode, editorText());
}

void Tfrm_ppal::me_fechaChange() {
    if (!edicionActiva)
        return;
    // A picked day replaces the stored date-time with that day at 00:00:00.
    if (m_editorNode && me_fecha->date() != kUnreadableDate)
        m_document->setFecha(m_editorNode,
                             f_fechaHoraAEntero(QDateTime(me_fecha->date(), QTime(0, 0))));
}

void Tfrm_ppal::tb_cumplidoChange(int position) {
    if (lb_porc->text().remove(u'%').trimmed().toInt() != position || lb_porc->text().isEmpty())
        lb_porc->setText(QString::number(position));
    if (!m_editorNode)
        return;
    if (cumplidoAlNodo)
        m_document->setCumplido(m_editorNode, position);
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
}

void Tfrm_ppal::cb_cumplidoClick() {
    if (clickCumplidoActivo) {
        // A done toggle: complete anything unfinished, reopen what is complete.
        const bool done = tb_cumplido->value() == 100;
        tb_cumplido->setValue(done ? 0 : 100);
        cb_cumplido->setCheckState(done ? Qt::Unchecked : Qt::Checked);
    }
    clickCumplidoActivo = true;
}

void Tfrm_ppal::togglePriority(quint8 priority, bool checked) {
    const bool high = priority == kPrioridadAlta;
    QAction* own = action(high ? ActionName::prioridadalta : ActionName::prioridadbaja);
    QAction* other = action(high ? ActionName::prioridadbaja : ActionName::prioridadalta);
    if (!m_editorNode) {
        own->setChecked(false);
        // The low toggle also releases the high one; the high toggle leaves
        // the low one as it is.
        if (!high)
            other->setChecked(false);
        return;
    }
    other->setChecked(false);
    own->setChecked(checked);
    m_document->setPrioridad(m_editorNode, checked ? priority : kPrioridadNinguna);
}
