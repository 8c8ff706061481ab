#pragma once
// The images of the main window's actions, by image number: the desktop
// theme's icon where the theme has one, otherwise a standard or drawn icon.

#include <QIcon>

QIcon actionImage(int index);
