// Turns a dialog template into the dialog manager's objects, as a real dialog manager
// makes windows from it: one item per control, each of the kind its window class and style
// name, with a list for the controls that have one.
#pragma once

#include <memory>

#include "host/adm/AdmObjects.h"
#include "host/resources/DialogTemplate.h"

namespace zvhost {

// The kind of control a template item makes.
ItemKind KindOf(const DialogItem &item);

// A dialog with its items, not yet known to the module (no handles). A tabbed floating
// dialog gets the panel-menu item -5 with an empty list after the template's items.
std::unique_ptr<Dialog> BuildDialog(const DialogTemplate &dialogTemplate, int32_t style);

// Screen pixels for dialog units of the dialogs' font, "MS Sans Serif" 8 at 96 dpi.
constexpr double kPixelsPerUnitAcross = 1.5;
constexpr double kPixelsPerUnitDown = 1.625;

}  // namespace zvhost
