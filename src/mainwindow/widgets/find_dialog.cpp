#include "mainwindow/widgets/find_dialog.h"

#include "base/widgets/control_texts.h"
#include "language/messages.h"
#include "mainwindow/widgets/main_actions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The language files hold the find commands' captions under the main window.
const QString kSection = QStringLiteral("frm_ppal");
} // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(captionText(kSection, ActionName::buscar, QStringLiteral("Buscar")));
    setModal(false);

    ed_findText = new QLineEdit;
    ed_findText->setObjectName(QStringLiteral("ed_findText"));
    // The dialog speaks the program's language; its own texts are new keys.
    auto* label = new QLabel(f_getTexto(Messages::findLabel));
    label->setBuddy(ed_findText);
    cb_matchCase = new QCheckBox(f_getTexto(Messages::findMatchCase));
    cb_matchCase->setObjectName(QStringLiteral("cb_matchCase"));
    cb_wholeWord = new QCheckBox(f_getTexto(Messages::findWholeWord));
    cb_wholeWord->setObjectName(QStringLiteral("cb_wholeWord"));
    bt_findNext = new QPushButton(
        captionText(kSection, ActionName::buscarsiguiente, QStringLiteral("Buscar siguiente")));
    bt_findNext->setObjectName(QStringLiteral("bt_findNext"));
    bt_findNext->setDefault(true);
    bt_findNext->setEnabled(false);
    bt_cancel = new QPushButton(f_getTexto(Messages::findCancel));
    bt_cancel->setObjectName(QStringLiteral("bt_cancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(ed_findText, 0, 1);
    layout->addWidget(cb_matchCase, 1, 0, 1, 2);
    layout->addWidget(cb_wholeWord, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(bt_findNext);
    buttons->addWidget(bt_cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 3, 1);

    // As with any find dialog, there is nothing to find until a text is typed.
    connect(ed_findText, &QLineEdit::textChanged, this,
            [this](const QString& text) { bt_findNext->setEnabled(!text.isEmpty()); });
    assignMnemonics(this);
    connect(bt_findNext, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::findText() const {
    return ed_findText->text();
}

void FindDialog::setFindText(const QString& text) {
    ed_findText->setText(text);
}

FindOptions FindDialog::options() const {
    return {cb_matchCase->isChecked(), cb_wholeWord->isChecked()};
}
