// The error dialog: the one place where a failure meets the user, with a message from the
// module's error message list and the code itself.
#pragma once

#include "ADMTypes.h"
#include "HostTypes.h"
#include "PluginMessages.h"

inline constexpr int32_t kErrorDialogID = 16051;
inline constexpr char kErrorDialogName[] = "Error Dialog";

// What the error dialog shows, handed to it as its user data.
struct ErrorDialogText {
  char message[256];
  char code[16];
};

// Shows the error dialog for `code`, unless the code is 0 or 'STOP' or the dialog manager's
// basic or dialog suite is missing. Called only by PluginMain.
void ReportError(const SPMessageData *message, HostErr code);
// Runs the error dialog modally with `text`; returns 0.
HostErr ShowErrorDialog(const SPMessageData *message, ErrorDialogText *text);
// Init procedure of the error dialog: the OK button and the two texts; returns 0.
HostErr ZV_API ErrorDialogInitProc(ADMDialogRef dialog) noexcept;
