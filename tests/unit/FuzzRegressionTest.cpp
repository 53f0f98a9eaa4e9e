// Every input with which a fuzz target once found a fault (fuzz/regressions/READER/*) is read
// again by its reader: it must end soundly now (the sanitizer build watches for the rest).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Readers.h"

namespace {

const std::filesystem::path kRegressions =
    std::filesystem::path(ZARVEL_SOURCE_DIR) / "fuzz" / "regressions";

TEST(FuzzRegression, EveryFindingIsReadSoundlyByItsReader) {
  int replayed = 0;
  for (const auto &folder : std::filesystem::directory_iterator(kRegressions)) {
    if (!folder.is_directory()) continue;
    const std::string name = folder.path().filename().string();
    const zvfuzz::Reader *reader = zvfuzz::ReaderNamed(name);
    ASSERT_NE(reader, nullptr) << "fuzz/regressions/" << name << " names no reader";
    for (const auto &input : std::filesystem::directory_iterator(folder.path())) {
      SCOPED_TRACE(input.path().string());
      std::ifstream in(input.path(), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
      EXPECT_NO_THROW(reader->read(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()));
      ++replayed;
    }
  }
  RecordProperty("replayed", replayed);
}

// The fuzz build and scripts/fuzz.sh make and run a target for each name in fuzz/readers.txt:
// every reader, and nothing else.
TEST(FuzzRegression, TheReadersListedForTheFuzzTargetsAreTheReaders) {
  std::ifstream list(std::filesystem::path(ZARVEL_SOURCE_DIR) / "fuzz" / "readers.txt");
  ASSERT_TRUE(list) << "fuzz/readers.txt is missing";
  std::vector<std::string> listed;
  for (std::string name; std::getline(list, name);) listed.push_back(name);
  std::vector<std::string> readers;
  for (const zvfuzz::Reader &reader : zvfuzz::Readers()) readers.push_back(reader.name);
  EXPECT_EQ(listed, readers);
}

}  // namespace
