// Builds the Qt widget of each control of the window model, dressed as the
// design gives it: the widget class for its kind, the typeface, the colours
// and the pictures. Wiring the widgets to the model is the window's job.
#pragma once

#include "app/controls.h"
#include "app/fonts.h"

#include <QFont>

class QWidget;

namespace kulbo {

// The core's font as Qt asks for it.
QFont qtFont(const FontLook& look);

// The window's own picture.
QIcon windowIcon();

// A new widget for the control, child of parent; nullptr for kinds that have
// none (timers, the form).
QWidget* createWidget(const Control& control, QWidget* parent);

}  // namespace kulbo
