// The plain holder of a dialog reference that every dialog object derives from.
#pragma once

#include "ADMTypes.h"

class IADMDialog {
 public:
  ADMDialogRef GetDialogRef() const { return dialog; }

 protected:
  IADMDialog() = default;
  ~IADMDialog() = default;

  // The dialog bound to this object; null before creation and once the dialog is gone.
  ADMDialogRef dialog = nullptr;
};
