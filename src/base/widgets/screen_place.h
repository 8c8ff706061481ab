#pragma once
// Where windows go on the screens there are now.

#include <QRect>

class QWidget;

// A frame whose title bar no screen shows (a screen that has gone, a damaged
// setting) moves to the middle of the main screen, no larger than it.
QRect onAScreen(const QRect& frame);

// The frame of that size centred on the window, then kept on a screen.
QRect centredOn(const QWidget& window, const QSize& size);
