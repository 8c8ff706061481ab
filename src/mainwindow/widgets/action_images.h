#pragma once
// The images of the main window's actions, by image number, drawn in code in
// the palette's text colour (see drawnIcon); a null icon for a number without one.

#include <QIcon>

QIcon actionImage(int index);
