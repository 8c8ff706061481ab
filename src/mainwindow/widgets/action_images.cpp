#include "mainwindow/widgets/action_images.h"

#include "mainwindow/widgets/item_images.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QStyle>

namespace {

struct ImageSource {
    const char* themeName;
    QStyle::StandardPixmap standard; // used when the theme has no such icon
    const char* glyph;               // drawn when neither exists
};

constexpr QStyle::StandardPixmap kNone = QStyle::SP_CustomBase;

ImageSource source(int index) {
    switch (index) {
    case 0:
        return {"document-new", QStyle::SP_FileIcon, nullptr};
    case 1:
        return {"document-open", QStyle::SP_DialogOpenButton, nullptr};
    case 2:
        return {"application-exit", QStyle::SP_DialogCloseButton, nullptr};
    case 4:
        return {"list-remove", QStyle::SP_TrashIcon, nullptr};
    case 5:
        return {"go-previous", QStyle::SP_ArrowLeft, nullptr};
    case 6:
        return {"go-next", QStyle::SP_ArrowRight, nullptr};
    case 7:
        return {"preferences-desktop-font", kNone, "A"};
    case 8:
        return {"document-save", QStyle::SP_DialogSaveButton, nullptr};
    case 9:
        return {"list-add", kNone, "+"};
    case 11:
        return {"edit-paste", kNone, "\u25A4"};
    case 12:
        return {"edit-copy", kNone, "\u2750"};
    case 13:
        return {"edit-cut", kNone, "\u2702"};
    case 14:
        return {"go-down", QStyle::SP_ArrowDown, nullptr};
    case 15:
        return {"go-up", QStyle::SP_ArrowUp, nullptr};
    case 16:
        return {"preferences-system", QStyle::SP_FileDialogDetailedView, nullptr};
    case 17:
        return {"edit-rename", kNone, "\u270E"};
    case 18:
        return {"edit-find", kNone, "\u2315"};
    case 21:
        return {"help-contents", QStyle::SP_DialogHelpButton, nullptr};
    case 22:
        return {"format-indent-more", kNone, "\u21B3"};
    case 23:
        return {"x-office-calendar", kNone, "\u2609"};
    case 24:
        return {"x-office-document", QStyle::SP_FileDialogContentsView, nullptr};
    case 34:
        return {"document-save-as", QStyle::SP_DialogSaveButton, nullptr};
    case 35:
        return {"document-export", QStyle::SP_FileLinkIcon, nullptr};
    case 36:
        return {"edit-undo", QStyle::SP_ArrowBack, nullptr};
    case 37:
        return {"edit-redo", QStyle::SP_ArrowForward, nullptr};
    default:
        return {nullptr, kNone, nullptr};
    }
}

// A small symbol drawn in the palette's text colour, crisp at any scale.
QIcon drawnGlyph(const QString& glyph) {
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(QSize(16, 16) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font = QApplication::font();
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QApplication::palette().color(QPalette::WindowText));
        painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, glyph);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon actionImage(int index) {
    if (index == 19)
        return ItemImages::priorityMark(2);
    if (index == 20)
        return ItemImages::priorityMark(3);
    if (index >= 25 && index <= 33) // the nine recent documents carry their place number
        return drawnGlyph(QString::number(index - 24));
    const ImageSource image = source(index);
    if (!image.themeName)
        return QIcon();
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(image.themeName));
    if (!themed.isNull())
        return themed;
    if (image.standard != kNone)
        return QApplication::style()->standardIcon(image.standard);
    return drawnGlyph(QString::fromUtf8(image.glyph));
}
