// The art set of the text frames selected as a whole: what the frame walk and the frame
// commands count and visit.
#pragma once

#include <cstdint>

#include "HostTypes.h"

// Makes a new art set of the text frames selected as a whole into *artSet and stores their
// number in *count. Sets neither on failure; the caller disposes of a non-null art set.
void GetCountArtSet(AIArtSet *artSet, int32_t *count);
