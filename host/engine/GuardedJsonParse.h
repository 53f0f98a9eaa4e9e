// Parses JSON text that comes from outside, refusing what the plain parser would take
// silently or at any cost: nesting deeper than a limit (refused as soon as it is reached,
// before anything walks the value) and a field named twice in one object (the parser would
// keep only one of them). Errors name the place as a path ("stories[0].paragraphs").
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

namespace zvhost::engine {

// Throws DocumentFileError (host/engine/DocumentFile.h) for malformed JSON, for nesting
// deeper than `maxDepth` containers and for duplicate fields.
nlohmann::json GuardedJsonParse(std::string_view text, int maxDepth);

}  // namespace zvhost::engine
