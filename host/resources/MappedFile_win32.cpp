#include <windows.h>

#include <string>

#include "host/core/FilePath.h"
#include "host/resources/MappedFile.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

namespace {

std::string LastErrorText() {
  const DWORD code = GetLastError();
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r')) --length;
  return length > 0 ? std::string(buffer, length) : "error " + std::to_string(code);
}

}  // namespace

MappedFile::MappedFile(const std::string &path) {
  const std::wstring name = FilePath(path).wstring();
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    throw FormatError("cannot open " + path + ": it is a folder");
  }
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw FormatError("cannot open " + path + ": " + LastErrorText());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    const std::string reason = LastErrorText();
    CloseHandle(file);
    throw FormatError("cannot read " + path + ": " + reason);
  }
  size_ = static_cast<size_t>(size.QuadPart);
  if (size_ > 0) {
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void *view =
        mapping != nullptr ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    const std::string reason = view == nullptr ? LastErrorText() : std::string();
    if (mapping != nullptr) CloseHandle(mapping);  // the view keeps the mapping
    if (view == nullptr) {
      CloseHandle(file);
      throw FormatError("cannot read " + path + ": " + reason);
    }
    data_ = static_cast<const uint8_t *>(view);
  }
  CloseHandle(file);
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) UnmapViewOfFile(data_);
}

}  // namespace zvhost
