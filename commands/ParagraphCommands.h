// Paragraph direction and justification of every selected text frame, and the story
// direction of each selected frame's story. `index` is the panel list's entry index.
#pragma once

#include <cstdint>

#include "HostTypes.h"

HostErr SetParagraphDirection(AIArtHandle *art, int32_t index);
HostErr SetJustification(AIArtHandle *art, int32_t index);
HostErr SetStoryDirection(AIArtHandle *art, int32_t index);
