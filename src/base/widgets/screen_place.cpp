#include "base/widgets/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect onAScreen(const QRect& frame) {
    // The screen that shows enough of the title bar to take hold of it, else
    // the main screen with the window in its middle.
    const QRect titleBar(frame.left(), frame.top(), frame.width(), 30);
    const QScreen* target = nullptr;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = titleBar & screen->availableGeometry();
        if (shown.width() >= 100 && shown.height() >= 10) {
            target = screen;
            break;
        }
    }
    const bool seen = target;
    if (!target)
        target = QGuiApplication::primaryScreen();
    if (!target)
        return frame;
    // A place kept from a larger screen or a smaller scale may be bigger than
    // this screen: the window shrinks to it and lies whole on it.
    const QRect available = target->availableGeometry();
    QRect placed(frame.topLeft(), frame.size().boundedTo(available.size()));
    if (!seen)
        placed.moveCenter(available.center());
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    return placed;
}

void placeOnAScreen(QWidget& window, const QRect& place) {
    // The window's frame counts too. Made now, the window learns it at once
    // where the platform draws the frame; where the desktop does, only once
    // shown, and it counts as none until then.
    window.winId();
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins frameMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect frame = onAScreen(QRect(place.topLeft(), place.size().grownBy(frameMargins)));
    window.move(frame.topLeft());
    window.resize(frame.size().shrunkBy(frameMargins));
}

void centreOn(QWidget& window, const QWidget& owner) {
    QRect place(QPoint(), window.frameGeometry().size());
    place.moveCenter(owner.frameGeometry().center());
    place.setSize(window.size());
    placeOnAScreen(window, place);
}
