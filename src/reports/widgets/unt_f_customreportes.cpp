#include "reports/widgets/unt_f_customreportes.h"

#include "base/widgets/control_texts.h"
#include "document/outline_tree.h"
#include "language/unt_idioma.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace {
const QString kSection = QStringLiteral("f_customreportes");

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1StringView(name));
    result->setFixedSize(75, 25);
    result->setAutoDefault(false);
    return result;
}
} // namespace

Tf_customreportes::Tf_customreportes(const ReportContext& context, const QString& caption)
    : QWidget(context.host.reportOwner(), Qt::Window), m_context(context) {
    setWindowTitle(caption);
    resize(395, 433);
    pn_reporte = new QFrame(this);
    pn_reporte->setObjectName(QStringLiteral("pn_reporte"));
    pn_reporte->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    wb_reporte = m_context.browsers(pn_reporte, m_context.dialogs, m_context.folders);
    auto* frameLayout = new QGridLayout(pn_reporte);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(wb_reporte->widget());

    bt_guardar = button(this, "bt_guardar", QStringLiteral("Guardar"));
    bt_preview = button(this, "bt_preview", QStringLiteral("Vista Previa"));
    bt_print = button(this, "bt_print", QStringLiteral("Imprimir"));
    bt_cerrar = button(this, "bt_cerrar", QStringLiteral("Cerrar"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(5);
    buttons->addStretch();
    for (QPushButton* b : {bt_guardar, bt_preview, bt_print, bt_cerrar})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 12, 7, 6);
    layout->setSpacing(11);
    layout->addWidget(pn_reporte, 1);
    layout->addLayout(buttons);

    connect(bt_cerrar, &QPushButton::clicked, this, &Tf_customreportes::bt_cerrarClick);
    connect(bt_print, &QPushButton::clicked, this, &Tf_customreportes::bt_printClick);
    connect(bt_preview, &QPushButton::clicked, this, &Tf_customreportes::bt_previewClick);
    connect(bt_guardar, &QPushButton::clicked, this, &Tf_customreportes::bt_guardarClick);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &Tf_customreportes::bt_cerrarClick);
    f_setTextos();
}

Tf_customreportes::~Tf_customreportes() = default;

void Tf_customreportes::f_setTextos() {
    applyWindowTitle(kSection, this);
    for (QPushButton* b : {bt_cerrar, bt_guardar, bt_preview, bt_print})
        applyCaptionAndHint(kSection, b);
    assignMnemonics(this);
}

void Tf_customreportes::bt_cerrarClick() {
    close();
    deleteLater();
}

void Tf_customreportes::bt_printClick() {
    runCommand(bt_print, ReportBrowser::Command::Print);
}

void Tf_customreportes::bt_previewClick() {
    runCommand(bt_preview, ReportBrowser::Command::Preview);
}

void Tf_customreportes::bt_guardarClick() {
    runCommand(bt_guardar, ReportBrowser::Command::SaveAs);
}

// An unsupported command leaves its button disabled for good, and still runs,
// so that the browser's refusal reaches the user as an error.
void Tf_customreportes::runCommand(QPushButton* button, ReportBrowser::Command command) {
    if (!wb_reporte->isSupported(command))
        button->setEnabled(false);
    wb_reporte->exec(command, this);
}

void Tf_customreportes::showPage(
    const QString& name,
    const std::function<void(const ReportSource& source, const MarkupOutput& output)>& items) {
    const QString head = f_cabecera();
    WebPageFile page(m_context.webFolder, name);
    page.write(head.toUtf8());
    ReportHost& host = m_context.host;
    host.commitEditorText();
    OutlineTree scratch;
    items({host.reportedTree(), host.reportedSelection(), scratch},
          [&page](QByteArrayView markup) { page.write(markup); });
    page.commit();
    wb_reporte->navigate(m_context.webFolder + name);
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
