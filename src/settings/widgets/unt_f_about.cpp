#include "settings/widgets/unt_f_about.h"

#include "base/program_folder.h"
#include "base/unt_constantes.h"
#include "base/widgets/control_texts.h"
#include "language/messages.h"
#include "reports/unthtml_utils.h"
#include "settings/settings_store.h"
#include "settings/widgets/jpeg_image.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

// The picture lives in a static library, whose resources are linked in only
// when something asks for them by name.
static void initAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace {

const QString kPicture = QStringLiteral(":/about/quillnest.jpg");
constexpr int kFirstTurnAfter = 20000;
constexpr int kTurnEvery = 1000;

class TimerClock final : public PictureClock {
public:
    explicit TimerClock(QObject* parent) : PictureClock(parent) {
        connect(&m_timer, &QTimer::timeout, this, &PictureClock::timeout);
    }
    void start(int milliseconds) override { m_timer.start(milliseconds); }
    int interval() const override { return m_timer.interval(); }
    void setInterval(int milliseconds) override { m_timer.setInterval(milliseconds); }

private:
    QTimer m_timer;
};

QPixmap turned(const QImage& upright, int degrees) {
    return QPixmap::fromImage(upright.transformed(QTransform().rotate(degrees)));
}

QLabel* label(const QString& text, QWidget* parent) {
    auto* created = new QLabel(text, parent);
    created->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return created;
}

} // namespace

void FittedPicture::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void FittedPicture::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    const QPixmap fitted = m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter(this).drawPixmap((width() - fitted.width()) / 2, (height() - fitted.height()) / 2,
                              fitted);
}

Tf_about::Tf_about(QWidget* parent, const ProgramFolder& folder, PictureTurns& turns,
                   std::unique_ptr<PictureClock> clock)
    : QDialog(parent), m_turns(turns) {
    setObjectName(QStringLiteral("f_about"));
    loadPictures();
    createControls(folder);
    Timer1 = clock ? clock.release() : new TimerClock(this);
    Timer1->setParent(this);
    connect(Timer1, &PictureClock::timeout, this, &Tf_about::Timer1Timer);
    FormCreate();
    Timer1->start(kFirstTurnAfter);
}

void Tf_about::loadPictures() {
    initAboutResources();
    const QImage upright = readJpeg(kPicture);
    Im_0 = QPixmap::fromImage(upright);
    im_90 = turned(upright, 90);
    im_180 = turned(upright, 180);
    im_270 = turned(upright, 270);
}

void Tf_about::createControls(const ProgramFolder& folder) {
    setWindowTitle(QStringLiteral("About"));
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    ProductName = new QLabel(QString(Unt_constantes::producto), Panel1);
    ProductName->setAlignment(Qt::AlignCenter);
    QFont bold = ProductName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    ProductName->setFont(bold);
    ProductName->setStyleSheet(QStringLiteral("color: navy"));
    lb_version = label(QString(), Panel1);
    lb_version->setAlignment(Qt::AlignCenter);
    Copyright = label(QStringLiteral("Copyright"), Panel1);
    Holder = label(QStringLiteral("The Quillnest authors"), Panel1);
    Holder->setAlignment(Qt::AlignRight);
    Comments = label(QStringLiteral("Comments"), Panel1);

    me_comments = new QPlainTextEdit(Panel1);
    me_comments->setReadOnly(true);
    me_comments->setFrameShape(QFrame::NoFrame);
    me_comments->setLineWrapMode(QPlainTextEdit::NoWrap);
    me_comments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    me_comments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    me_comments->setPlainText(QStringLiteral("Este programa es Freeware\n"
                                             "Si te gusta o tenes algun comentario,\n"
                                             "no dudes en enviarme un mail a \n"
                                             "quillnest@example.org"));
    QPalette face = me_comments->palette();
    face.setColor(QPalette::Base, palette().color(QPalette::Window));
    me_comments->setPalette(face);
    me_comments->document()->setDocumentMargin(1);
    me_comments->setFixedHeight(4 * me_comments->fontMetrics().lineSpacing() + 6);

    im_icono = new FittedPicture(Panel1);
    im_icono->setObjectName(QStringLiteral("im_icono"));
    im_icono->setFixedSize(109, 113);
    im_icono->setPicture(Im_0);

    auto* panelLayout = new QGridLayout(Panel1);
    panelLayout->setContentsMargins(8, 6, 6, 6);
    panelLayout->addWidget(ProductName, 0, 0);
    panelLayout->addWidget(lb_version, 1, 0);
    panelLayout->addWidget(Copyright, 3, 0);
    panelLayout->addWidget(Holder, 4, 0);
    panelLayout->addWidget(Comments, 6, 0);
    panelLayout->addWidget(im_icono, 0, 1, 7, 1, Qt::AlignTop);
    panelLayout->addWidget(me_comments, 7, 0, 1, 2);
    panelLayout->setRowStretch(2, 1);
    panelLayout->setRowStretch(5, 1);

    // Beside the program for a portable copy, in the user's folders for an
    // installed one: the user can find them to copy or remove.
    lb_archivos = label(f_getTexto(Messages::dondeArchivos)
                            .arg(QFileInfo(f_nombreIni(folder)).absolutePath(),
                                 QFileInfo(f_carpetaWeb(folder)).absolutePath()),
                        this);
    lb_archivos->setObjectName(QStringLiteral("lb_archivos"));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &Tf_about::OKButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addWidget(Panel1);
    layout->addWidget(lb_archivos);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(QSize(295, 251).expandedTo(sizeHint()));
    assignMnemonics(this);
}

void Tf_about::FormCreate() {
    lb_version->setText(QStringLiteral("Versión: ") + Unt_constantes::version);
}

const QPixmap& Tf_about::turnedPicture(int quarterTurns) const {
    const QPixmap* const pictures[] = {&Im_0, &im_90, &im_180, &im_270};
    return *pictures[quarterTurns % 4];
}

void Tf_about::Timer1Timer() {
    if (Timer1->interval() > kTurnEvery)
        Timer1->setInterval(kTurnEvery);
    const QPixmap* const sequence[] = {&im_90, &im_180, &im_270, &Im_0};
    im_icono->setPicture(*sequence[m_turns.next]);
    m_turns.next = (m_turns.next + 1) % 4;
}

void Tf_about::OKButtonClick() {
    emit ended();
    close();
    deleteLater();
}

void AboutBoxes::show(QWidget* parent, const ProgramFolder& folder) {
    if (!m_box) {
        m_box = new Tf_about(parent, folder, m_turns);
        QObject::connect(m_box, &Tf_about::ended, m_box, [this] { m_box = nullptr; });
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        m_box->move(screen->availableGeometry().center() - m_box->rect().center());
    }
    m_box->show();
    m_box->raise();
    m_box->activateWindow();
}
