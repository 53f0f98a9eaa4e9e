#include "host/core/FileReplace.h"

#include <random>
#include <system_error>

#include "host/core/FilePath.h"

namespace zvhost {

namespace {

namespace fs = std::filesystem;

// As many links in a row as the Linux kernel follows before it gives up.
constexpr int kMaxLinks = 40;

struct Resolved {
  fs::path path;  // not a symbolic link
  fs::file_status status;
};

// The file that `path` names after every symbolic link on the way is followed. A link to a
// file that does not exist yet resolves to that file, which saving then creates.
Resolved FollowLinks(fs::path path) {
  for (int links = 0;; ++links) {
    std::error_code error;
    fs::file_status status = fs::symlink_status(path, error);
    if (error && status.type() != fs::file_type::not_found) {
      throw FileWriteError(error.message());
    }
    if (!fs::is_symlink(status)) return {std::move(path), status};
    if (links == kMaxLinks) {
      throw FileWriteError(
          std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
    }
    fs::path target = fs::read_symlink(path, error);
    if (error) throw FileWriteError(error.message());
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
}

// A name beside `target` that no file has yet, with the file written under it.
fs::path WriteBeside(const fs::path &target, std::string_view contents, const fs::path *like) {
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path temporary = target;
    temporary += "." + std::to_string(random() % 1000000) + ".part";
    if (WriteNewFile(temporary, contents, like)) return temporary;
  }
  throw FileWriteError("no free name for a new file beside it");
}

}  // namespace

void ReplaceFile(const std::string &name, std::string_view contents) {
  const Resolved target = FollowLinks(FilePath(name));
  if (fs::is_directory(target.status)) throw FileWriteError("it is a folder");
  const bool exists = fs::exists(target.status);
  if (exists && !fs::is_regular_file(target.status)) {
    throw FileWriteError("it is not a regular file");
  }
  const fs::path folder = target.path.parent_path();
  std::error_code error;
  if (!folder.empty() && !fs::is_directory(fs::status(folder, error))) {
    throw FileWriteError(error && error != std::errc::no_such_file_or_directory
                             ? error.message()
                             : "there is no folder " + Utf8Name(folder));
  }
  const fs::path temporary = WriteBeside(target.path, contents, exists ? &target.path : nullptr);
  fs::rename(temporary, target.path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileWriteError(error.message());
  }
}

}  // namespace zvhost
