// Character attributes of the document's text selection. List commands take the panel
// list's entry index; index 0 ("Multiple") and indices without a value write nothing.
#pragma once

#include <cstdint>

#include "HostTypes.h"

HostErr SetCharacterDirection(int32_t index);
HostErr SetDigit(int32_t index);
HostErr SetDiacriticsPosition(int32_t index);
// Non-zero `checked` writes kashidas 0 (on), zero writes 1 (off).
HostErr SetKashidasCheckBox(int32_t checked);
// Written only when a text frame is selected as a whole.
HostErr SetDiacriticsXOffset(float offset);
HostErr SetDiacriticsYOffset(float offset);
