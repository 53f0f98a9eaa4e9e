// Texts in the platform's byte encoding (Windows-1252), as the module hands them to the host,
// and the UTF-8 the host keeps, prints and reads from scripts and files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zvhost {

// Every byte has a character, so this never fails.
std::string PlatformToUtf8(std::string_view platform);
// Null when the text is not valid UTF-8 or has a character the platform encoding lacks.
std::optional<std::string> Utf8ToPlatform(std::string_view utf8);

}  // namespace zvhost
