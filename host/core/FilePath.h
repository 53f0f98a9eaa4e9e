// File names. The host's strings hold all text as UTF-8, on every system; a file is opened
// through the system's own path, which on Windows is UTF-16. Every file the host reads or
// writes goes through FilePath, so that a name in any script opens on each system alike.
#pragma once

#include <filesystem>
#include <string>

namespace zvhost {

// Throws UsageError when the name is not UTF-8 and the system needs it converted.
std::filesystem::path FilePath(const std::string &utf8);

std::string Utf8Name(const std::filesystem::path &path);

}  // namespace zvhost
