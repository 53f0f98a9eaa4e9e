// Write and read the composer pair (composer engine, every-line flag) of the selected text
// frames. Each returns 0 or the code of the failing request or caught exception.
#pragma once

#include <cstdint>

#include "HostTypes.h"

// Writes engine 1 (useSecondEngine) or 0 and the every-line flag into the first selected
// text frame that the art set gives.
HostErr ApplyZarvelComposer(AIArtHandle *art, bool useSecondEngine, bool everyLine);
// The every-line flag of the last selected text frame, into *everyLine.
HostErr IsSingleLineComposer(AIArtHandle *art, bool *everyLine);
// The composer engine and every-line flag of the last selected text frame.
HostErr GetComposerEngin(AIArtHandle *art, int32_t *engine, bool *everyLine);
