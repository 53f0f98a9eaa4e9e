// The About box opened from the panel menu and from the plug-in's About menu items.
#pragma once

#include <cstdint>

#include "ADMTypes.h"
#include "HostTypes.h"

// Runs the About box "About Zarvel" modally for `plugin`; returns the dialog manager's result.
int32_t RunAboutBox(HostPluginRef plugin);
// Init procedure of the About box: installs the OK handling and the About picture.
HostErr ZV_API InitializeDialog(ADMDialogRef dialog) noexcept;
// Notify procedure of the About box's OK button.
void ZV_API HandleDialogOKButton(ADMItemRef item, ADMNotifierRef notifier) noexcept;
