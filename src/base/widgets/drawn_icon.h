#pragma once
// Icons drawn by code at the size and pixel density they are asked for, so
// they stay sharp at any scale, and in the colours of the palette of the
// moment, so they stay visible on a dark one.

#include <QColor>
#include <QIcon>
#include <functional>

class QPainter;
class QPalette;

// Draws in a box of kDrawnIconGrid by kDrawnIconGrid logical units; the
// painter is scaled to the size asked for.
using IconDrawing = std::function<void(QPainter&, const QPalette&)>;
inline constexpr int kDrawnIconGrid = 16;

// An icon drawn with the application's palette each time it is shown; a
// disabled icon is drawn faint.
QIcon drawnIcon(IconDrawing draw);

// The colour of a glyph drawn on the window's background.
QColor glyphColor(const QPalette& palette);
// Whether the palette's background for text is dark.
bool isDarkPalette(const QPalette& palette);
