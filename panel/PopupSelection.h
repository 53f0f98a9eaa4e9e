// Reading which entry of a control's list the user chose.
#pragma once

#include <cstdint>

#include "ADMTypes.h"

namespace panel {

// The index of the list's chosen entry, or -1 when none is chosen (an index that no command
// acts on). Traced under the panel's name, as the dialog's own read.
int32_t PopupSelection(ADMItemRef item);

}  // namespace panel
