#pragma once
// The About box: product, version, rights and a picture that starts turning a
// quarter turn a second once the box has been open for 20 seconds. It is not
// modal, and its texts are fixed rather than looked up, but for the note of
// where the program keeps its files.

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <memory>

class ProgramFolder;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// What turns the picture: a repeating tick whose interval can change. Tests
// put in a clock they advance by hand.
class PictureClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Counts the new interval from now, as a timer does.
    virtual void setInterval(int milliseconds) = 0;

signals:
    void timeout();
};

// A picture stretched to its place with its proportions kept, centred.
class FittedPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// Where the picture's turning stands, shared by every About box of a run so
// that a new box goes on turning from where the last one stopped.
struct PictureTurns {
    int next = 0; // the next picture of the turn: a quarter, a half, three quarters, upright
};

class Tf_about : public QDialog {
    Q_OBJECT
public:
    // `clock` turns the picture; a timer when none is given. The box names the
    // folders where `folder` keeps its files. Throws EInOutError when the
    // picture cannot be decoded.
    Tf_about(QWidget* parent, const ProgramFolder& folder, PictureTurns& turns,
             std::unique_ptr<PictureClock> clock = nullptr);

    // The picture turned clockwise by so many quarter turns (0 to 3).
    const QPixmap& turnedPicture(int quarterTurns) const;

signals:
    // OK ended the box; it is deleted next.
    void ended();

private:
    void Timer1Timer();
    void OKButtonClick();
    QFrame* Panel1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* lb_version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Holder = nullptr;
    QLabel* Comments = nullptr;
    QPlainTextEdit* me_comments = nullptr;
    FittedPicture* im_icono = nullptr;
    QLabel* lb_archivos = nullptr; // where the settings, language files and pages are
    QPushButton* OKButton = nullptr;
    PictureClock* Timer1 = nullptr;
    // The picture upright and turned a further quarter turn clockwise each.
    QPixmap Im_0;
    QPixmap im_90;
    QPixmap im_180;
    QPixmap im_270;
    PictureTurns& m_turns;
    void FormCreate();
    void createControls(const ProgramFolder& folder);
    void loadPictures();
};

// The About box of a run: one at a time. The main window owns it.
class AboutBoxes {
public:
    // Shows the box without waiting, first creating it for the folder,
    // centred on the screen, when none exists.
    void show(QWidget* parent, const ProgramFolder& folder);
    // The box; nullptr while none exists.
    Tf_about* box() const { return m_box; }

private:
    PictureTurns m_turns;
    QPointer<Tf_about> m_box;
};
