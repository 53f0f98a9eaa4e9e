// Writing a whole file in place of what was there: the new text goes into a new file beside
// the old one, which then takes the old one's name, so that the name holds the old text or
// the new, never a part of either. A symbolic link keeps pointing at the file it names, and
// that file gets the new text and keeps its permissions.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zvhost {

// Why a file could not be written, as a user reads it ("it is a folder").
class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `contents` as the file named `path` (UTF-8), following symbolic links. Refuses a
// folder and anything else that is not a regular file. Throws FileWriteError with the reason;
// the old file then stays as it was and nothing is left beside it.
void ReplaceFile(const std::string &path, std::string_view contents);

// The system's part: creates `file`, which must not exist, writes `contents` to it and puts
// them on the disk. The new file gets the permissions of `like` when that is not null.
// Returns false, creating nothing, when `file` exists already; throws FileWriteError for any
// other failure, leaving nothing behind.
bool WriteNewFile(const std::filesystem::path &file, std::string_view contents,
                  const std::filesystem::path *like);

}  // namespace zvhost
