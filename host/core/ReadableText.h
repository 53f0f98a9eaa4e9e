// The host's events written for a person: the panel as labelled lines, the document as a
// compact table, codes as number and four characters, notifications by name.
#pragma once

#include <string>

#include "host/core/Output.h"

namespace zvhost {

// The lines (each ending in \n) that say what `event` says.
std::string ReadableText(const Json &event);

// A host code as a person reads it: "0", "-108", "1313166163 'NESS'".
std::string CodeText(int64_t code);

}  // namespace zvhost
