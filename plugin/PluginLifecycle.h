// The lifecycle handlers: start-up, shut-down, unload, reload and the host's About request.
#pragma once

#include "ADMTypes.h"
#include "HostTypes.h"
#include "PluginMessages.h"

// Acquires the suites, allocates and clears the globals record, then installs the menus,
// the panel and the notifiers; the first failing step's code ends it.
HostErr StartupPlugin(SPMessageData *message);
// Frees the globals record, and with it the panel object the record held.
HostErr ShutdownPlugin(SPMessageData *message);
// Hands the globals record to the host and releases the suites.
HostErr UnloadPlugin(SPMessageData *message);
// Takes the globals record back; the suites are acquired again by the next message that
// needs them.
HostErr ReloadPlugin(SPMessageData *message);
// Runs the plain About box "About Dialog"; returns 0.
HostErr AboutPlugin(SPMessageData *message);

// Init procedure of that About box: the OK button only, no picture.
HostErr ZV_API AboutInitProc(ADMDialogRef dialog) noexcept;
// Notify procedure of a modal dialog's OK button: the dialog manager's own handling, which
// ends the modal run.
void ZV_API AboutOKProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
