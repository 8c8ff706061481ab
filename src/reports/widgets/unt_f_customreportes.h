#pragma once
// The base of the report windows: a browser showing a report page, with
// buttons to save, preview and print it. Closing the window with its close box
// only hides it; "Cerrar" destroys it.

#include "reports/unthtml_utils.h"
#include "reports/widgets/report_browser.h"
#include "reports/widgets/report_host.h"

#include <QWidget>
#include <memory>

class QFrame;
class QPushButton;

class Tf_customreportes : public QWidget {
    Q_OBJECT
public:
    ~Tf_customreportes() override;

    // Builds the page, writes it into the web folder and shows it.
    virtual void f_Show() = 0;
    // The head of the page.
    virtual QString f_cabecera() = 0;
    // The choices the next page is built with.
    void setOpciones(const ReportOptions& choices) { opciones = choices; }

    void bt_cerrarClick();
    void bt_printClick();
    void bt_previewClick();
    void bt_guardarClick();

protected:
    // A window of the host's window with its designed caption, before the
    // language texts apply; the browser engine starts here.
    Tf_customreportes(const ReportContext& context, const QString& caption);
    void f_setTextos();
    const ReportContext& context() const { return m_context; }
    ReportOptions opciones;
    // Writes the head and then the markup that `items` hands to its output as
    // the page `name`, and points the browser at it. `items` reads the
    // document's items from its source, the editor's text in them; a subtree
    // is copied into a scratch tree that lasts as long as the page is built.
    // On a failure the page in the folder and in the browser stays as it was.
    void showPage(
        const QString& name,
        const std::function<void(const ReportSource& source, const MarkupOutput& output)>& items);

private:
    void runCommand(QPushButton* button, ReportBrowser::Command command);

    QFrame* pn_reporte = nullptr;
    std::unique_ptr<ReportBrowser> wb_reporte;
    QPushButton* bt_cerrar = nullptr;
    QPushButton* bt_print = nullptr;
    QPushButton* bt_preview = nullptr;
    QPushButton* bt_guardar = nullptr;

    ReportContext m_context;
};

// Shows the window, raised above the others and active.
void bringToFront(QWidget* window);
