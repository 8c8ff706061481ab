#include "base/widgets/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect onAScreen(const QRect& frame) {
    const QRect titleBar(frame.left(), frame.top(), frame.width(), 30);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = titleBar & screen->availableGeometry();
        if (shown.width() >= 100 && shown.height() >= 10)
            return frame;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return frame;
    const QRect available = screen->availableGeometry();
    QRect moved(QPoint(), frame.size().boundedTo(available.size()));
    moved.moveCenter(available.center());
    return moved;
}

QRect centredOn(const QWidget& window, const QSize& size) {
    QRect frame(QPoint(), size);
    frame.moveCenter(window.frameGeometry().center());
    return onAScreen(frame);
}
