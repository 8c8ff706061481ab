#include "base/widgets/user_dialogs.h"

#include "base/unt_constantes.h"
#include "base/widgets/control_texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QString title() {
    return QString(Unt_constantes::producto);
}

class MessageBoxDialogs final : public UserDialogs {
public:
    Answer askYesNoCancel(QWidget* parent, const QString& text) override {
        switch (QMessageBox::question(parent, title(), text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    bool askOkCancel(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Ok) == QMessageBox::Ok;
    }

    int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) override {
        QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, parent);
        QList<QAbstractButton*> added;
        for (const QString& caption : buttons)
            added << box.addButton(caption, QMessageBox::AcceptRole);
        assignMnemonics(&box);
        if (!added.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.exec();
        return int(added.indexOf(box.clickedButton()));
    }

    void inform(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, title(), text);
    }

    void showError(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, title(), text);
    }

    QString openFileName(QWidget* parent, const QString& filter, const QString& folder) override {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    }

    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                         const QString& folder) override {
        // Overwriting is asked by the program itself, in its own words.
        QFileDialog dialog(parent, QString(), folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    bool chooseFont(QWidget* parent, QFont& font,
                    const std::function<void(const QFont&)>& apply) override {
        QFontDialog dialog(font, parent);
        // The dialog has no Apply button of its own; add one beside OK and Cancel.
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* applyButton = buttons->addButton(QDialogButtonBox::Apply);
            QObject::connect(applyButton, &QPushButton::clicked, &dialog, [&] {
                font = dialog.currentFont();
                apply(font);
            });
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        font = dialog.selectedFont();
        apply(font);
        return true;
    }

    void runModal(QDialog& dialog) override { dialog.exec(); }

    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void previewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
        dialog.exec();
    }
};

} // namespace

std::unique_ptr<UserDialogs> messageBoxDialogs() {
    return std::make_unique<MessageBoxDialogs>();
}

void reportError(UserDialogs& dialogs, const QString& message) {
    dialogs.showError(QApplication::activeWindow(), message);
}
