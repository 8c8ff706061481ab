#pragma once
// Where windows go on the screens there are now.

#include <QRect>

class QWidget;

// A frame whose title bar no screen shows (a screen that has gone, a damaged
// setting) moves to the middle of the main screen. A frame larger than its
// screen (kept from a larger screen or a smaller scale) shrinks to it; either
// way it ends whole on that screen.
QRect onAScreen(const QRect& frame);

// Puts `window` at `place`, kept on a screen: the corner of its frame, as
// move() takes it, and the size of its contents, as resize() takes it.
void placeOnAScreen(QWidget& window, const QRect& place);

// Puts `window`, at its size, in the middle of `owner`, kept on a screen.
void centreOn(QWidget& window, const QWidget& owner);
