// Files and byte surgery shared by the resource tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "host/resources/ResourceSource.h"
#include "support/TempFolder.h"

namespace zvtest {

inline zvhost::Bytes ReadBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  return zvhost::Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A file in a temporary folder of its own, removed with the object.
class TempFile {
 public:
  explicit TempFile(const std::string &name, const zvhost::Bytes &bytes = {})
      : path_(folder_.PathOf(name)) {
    Write(bytes);
  }

  void Write(const zvhost::Bytes &bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  const std::string &Path() const { return path_; }

 private:
  TempFolder folder_;
  std::string path_;
};

inline zvhost::Bytes BytesOf(const std::string &text) {
  return zvhost::Bytes(text.begin(), text.end());
}

// The bytes with the one occurrence of `from` replaced by `to` (of the same length); fails
// the test unless `from` occurs exactly once.
inline zvhost::Bytes ReplaceOnce(zvhost::Bytes bytes, const zvhost::Bytes &from,
                                 const zvhost::Bytes &to) {
  EXPECT_EQ(from.size(), to.size());
  auto found = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
  EXPECT_NE(found, bytes.end()) << "pattern not found";
  if (found == bytes.end()) return bytes;
  EXPECT_EQ(std::search(found + 1, bytes.end(), from.begin(), from.end()), bytes.end())
      << "pattern found twice";
  std::copy(to.begin(), to.end(), found);
  return bytes;
}

// A UTF-16LE text as bytes, without a terminator.
inline zvhost::Bytes Utf16Bytes(const std::string &ascii) {
  zvhost::Bytes bytes;
  for (char c : ascii) {
    bytes.push_back(static_cast<uint8_t>(c));
    bytes.push_back(0);
  }
  return bytes;
}

}  // namespace zvtest
