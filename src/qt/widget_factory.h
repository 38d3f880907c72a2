// Builds the Qt widget of each control of the window model, dressed as the
// design gives it: the widget class for its kind, the typeface, the colours
// and the pictures. Wiring the widgets to the model is the window's job.
#pragma once

#include "app/controls.h"

#include <QFont>

class QWidget;

namespace kulbo {

// The one typeface of the window, at a size in points (20 twips each).
QFont songFont(double points);

// The window's own picture.
QIcon windowIcon();

// A new widget for the control, child of parent; nullptr for kinds that have
// none (timers, the form).
QWidget* createWidget(const Control& control, QWidget* parent);

}  // namespace kulbo
