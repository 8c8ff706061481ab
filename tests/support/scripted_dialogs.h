#pragma once
// Answers the program's questions and dialogs from a script, and records what
// was asked, so that no test blocks on a modal box.

#include "base/widgets/user_dialogs.h"

#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStringList>
#include <deque>

class ScriptedDialogs final : public UserDialogs {
public:
    std::deque<Answer> yesNoCancel;          // answers in order; Cancel when empty
    std::deque<bool> okCancel;               // answers in order; Cancel when empty
    std::deque<int> choices;                 // buttons chosen in order; the box closed when empty
    std::deque<QString> fileNames;           // chosen files in order; cancelled when empty
    std::deque<QFont> fonts;                 // chosen fonts; cancelled when empty
    QStringList asked;                       // every question and message, in order
    std::function<void()> whileChoosingFile; // runs while an open or save dialog is shown
    // Each acts on one modal dialog of the program's own, in order; a dialog
    // still open afterwards is closed like its close box. Counted in modalRuns.
    std::deque<std::function<void(QDialog&)>> modalDialogs;
    int modalRuns = 0;
    // PDF files chosen in print dialogs, in order; cancelled when empty.
    std::deque<QString> printFiles;
    QList<int> previewPages; // the pages each print preview showed, in order

    Answer askYesNoCancel(QWidget*, const QString& text) override {
        asked << text;
        return take(yesNoCancel, Answer::Cancel);
    }
    bool askOkCancel(QWidget*, const QString& text) override {
        asked << text;
        return take(okCancel, false);
    }
    int askChoice(QWidget*, const QString& text, const QStringList&) override {
        asked << text;
        return take(choices, -1);
    }
    void inform(QWidget*, const QString& text) override { asked << text; }
    void showError(QWidget*, const QString& text) override { asked << text; }
    QStringList folders; // the folder each open or save dialog started in, in order
    QString openFileName(QWidget*, const QString&, const QString& folder) override {
        folders << folder;
        return chooseFile();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& folder) override {
        folders << folder;
        return chooseFile();
    }
    bool chooseFont(QWidget*, QFont& font,
                    const std::function<void(const QFont&)>& apply) override {
        if (fonts.empty())
            return false;
        font = take(fonts, QFont());
        apply(font);
        return true;
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        if (printFiles.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(take(printFiles, QString()));
        return true;
    }
    // Qt's own preview, without its dialog: it asks for the pages at once.
    void previewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, paint);
        preview.updatePreview();
        previewPages << preview.pageCount();
    }
    void runModal(QDialog& dialog) override {
        ++modalRuns;
        dialog.show();
        if (!modalDialogs.empty())
            take(modalDialogs, {})(dialog);
        if (dialog.isVisible())
            dialog.reject();
    }

private:
    QString chooseFile() {
        if (whileChoosingFile)
            whileChoosingFile();
        return take(fileNames, QString());
    }
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
