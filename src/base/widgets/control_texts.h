#pragma once
// Language texts of a window's controls: "<name>.Caption" and "<name>.Hint" of
// the window's section, where <name> is the control's object name unless given,
// and the control's current texts are the defaults.

#include <QString>

class QWidget;

// The caption of a button, check box, radio button, label or group box, and its hint.
void applyCaptionAndHint(const QString& section, QWidget* control, const QString& name = {});
// The hint only, shown as the control's tool tip.
void applyHint(const QString& section, QWidget* control, const QString& name = {});
