#pragma once

#include "app/dialog_units.h"
#include "app/window_template.h"

class QWidget;

// Creates the widget for one template control as a child of parent, placed and sized in pixels, with its id
// as objectName (none for kNoControlId) and its focus policy from the tab-stop flag. Combo boxes keep their
// natural height; the template's height decides how many rows their dropped list shows.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);
