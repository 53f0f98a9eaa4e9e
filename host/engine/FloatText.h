// How the document file writes a 32-bit float: the shortest decimal that reads back as the
// same float (0.1, not 0.10000000149011612), and the values JSON has no number for as the
// texts "NaN", "Infinity" and "-Infinity", so that whatever the engine holds can be saved.
#pragma once

#include <optional>
#include <string_view>

#include "host/core/Output.h"

namespace zvhost::engine {

Json FloatJson(float value);
// The float of "NaN", "Infinity" or "-Infinity"; nothing for any other text.
std::optional<float> ParseNonFiniteFloat(std::string_view text);

}  // namespace zvhost::engine
