// The main window's report commands.

#include "base/widgets/program_services.h"
#include "base/widgets/user_dialogs.h"
#include "mainwindow/widgets/outline_model.h"
#include "mainwindow/widgets/unt_f_main.h"
#include "reports/unthtml_utils.h"
#include "reports/widgets/Unt_f_today.h"
#include "reports/widgets/unt_f_defreportexdia.h"
#include "reports/widgets/unt_f_reportexdia.h"

namespace {
// The report windows' view of the main window.
class MainWindowReportHost final : public ReportHost {
public:
    // `editor` is the window's editor panel, which the per-day window starts at.
    MainWindowReportHost(Tfrm_ppal& window, QWidget* editor) : m_window(window), m_editor(editor) {}

    QWidget* reportOwner() const override { return &m_window; }
    const OutlineTree& reportedTree() const override { return m_window.model()->tree(); }
    OutlineNode* reportedSelection() const override { return m_window.selectedNode(); }
    void commitEditorText() override { m_window.f_actualizarTextoNodo(); }
    int editorTop() const override { return m_editor->mapToGlobal(QPoint(0, 0)).y(); }

private:
    Tfrm_ppal& m_window;
    QWidget* m_editor;
};
} // namespace

ReportContext Tfrm_ppal::reportContext() {
    if (!m_reportHost)
        m_reportHost = std::make_unique<MainWindowReportHost>(*this, pn_texto);
    return {*m_reportHost,
            m_reportWindows,
            m_services.settings(),
            m_services.dialogs(),
            *this,
            m_services.newBrowser(),
            f_carpetaWeb(m_services.folder())};
}

// An existing today window is shown as it is, with the page of its creation.
void Tfrm_ppal::verhoyExecute() {
    QPointer<Tf_today>& f_today = m_reportWindows.f_today;
    if (!f_today)
        f_today = new Tf_today(reportContext());
    bringToFront(f_today);
}

// The per-day window comes forward with the dialog, but only "Mostrar" creates it.
void Tfrm_ppal::definicionreportesExecute() {
    QPointer<Tf_defreportexdia>& f_defreportexdia = m_reportWindows.f_defreportexdia;
    if (!f_defreportexdia)
        f_defreportexdia = new Tf_defreportexdia(reportContext());
    bringToFront(f_defreportexdia);
    if (m_reportWindows.f_reportexdia)
        bringToFront(m_reportWindows.f_reportexdia);
}
