// Modules damaged after they were built: a damaged resource is named when the module is
// loaded (it runs all the same), and a damaged program header, which stops the system loader,
// is named by inspect and by loading alike. And every operation `--fail` takes can fail.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

uint32_t U32At(const std::string &bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

uint16_t U16At(const std::string &bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes.at(at)) |
                               static_cast<uint8_t>(bytes.at(at + 1)) << 8);
}

// The module with the data of its first dialog resource overwritten with 0xFF bytes: the
// .res image rides in the module whole, so its entries are walked where it sits.
std::string ModuleWithADamagedDialog() {
  std::string module = zvtest::ReadFileText(zvtest::ModuleInUse());
  const std::string image = zvtest::ReadFileText(ZARVEL_RES_FILE);
  const size_t start = module.find(image);
  if (start == std::string::npos) return "";
  for (size_t entry = start; entry + 12 <= start + image.size();) {
    const uint32_t dataSize = U32At(module, entry);
    const uint32_t headerSize = U32At(module, entry + 4);
    if (U16At(module, entry + 8) == 0xFFFF && U16At(module, entry + 10) == 5 && dataSize > 0) {
      module.replace(entry + headerSize, dataSize, dataSize, '\xFF');
      return module;
    }
    entry += (headerSize + dataSize + 3) / 4 * 4;
  }
  return "";
}

TEST(DamagedModule, ADamagedResourceIsNamedWhenTheModuleIsLoaded) {
  if (std::getenv("ZARVEL_HOST_RUNNER") != nullptr) GTEST_SKIP() << "a Linux module";
  const zvtest::TempFolder temp;
  const std::string damaged = ModuleWithADamagedDialog();
  ASSERT_FALSE(damaged.empty()) << "no dialog resource found in the module";
  const std::string module = temp.Write("Damaged.aip", damaged);
  zvtest::HostRun run = zvtest::RunHostRaw({"--json", "--plugin", module, temp.Write("s", "")});
  EXPECT_EQ(run.status, 0) << run.errors;
  bool named = false;
  for (const auto &note : run.OfKind("note")) {
    const std::string text = note["text"];
    named = named || (text.find(module + ": damaged resource DIALOG") == 0);
  }
  EXPECT_TRUE(named) << "no note names the damaged dialog";
  zvtest::HostRun sound = zvtest::RunHost("");
  EXPECT_TRUE(sound.OfKind("note").empty()) << "a sound module loads without a word";
}

TEST(DamagedModule, AProgramHeaderPastTheEndIsNamedByInspectAndByLoading) {
  if (std::getenv("ZARVEL_HOST_RUNNER") != nullptr) GTEST_SKIP() << "a Linux module";
  const zvtest::TempFolder temp;
  std::string bytes = zvtest::ReadFileText(zvtest::ModuleInUse());
  ASSERT_EQ(bytes[4], 2) << "a 64-bit module";
  // e_phoff, the program headers' offset, at byte 32 of the ELF64 header.
  const uint64_t pastTheEnd = bytes.size() + 64;
  for (int i = 0; i < 8; ++i) bytes[32 + i] = static_cast<char>(pastTheEnd >> (8 * i));
  const std::string module = temp.Write("Damaged.aip", bytes);

  zvtest::HostRun inspect = zvtest::RunHostRaw({"inspect", module});
  EXPECT_EQ(inspect.status, 3);
  EXPECT_NE(inspect.errors.find("program headers at offset"), std::string::npos) << inspect.errors;
  zvtest::HostRun load = zvtest::RunHostRaw({"--json", "--plugin", module, temp.Write("s", "")});
  EXPECT_EQ(load.status, 3);
  const auto errors = load.OfKind("error");
  ASSERT_EQ(errors.size(), 1u) << load.errors;
  EXPECT_NE(errors[0]["reason"].get<std::string>().find("program headers at offset"),
            std::string::npos)
      << errors[0];
}

TEST(DamagedModule, AnOperationThatCannotFailIsNotOfferedToFail) {
  zvtest::HostRun run = zvtest::RunHost("", {"--fail", "SP Basic Suite/IsEqual:-108"});
  EXPECT_EQ(run.status, 2);
  zvtest::HostRun listed = zvtest::RunHostRaw({"--list-operations"});
  std::string text;
  for (const auto &line : listed.OfKind("text")) text += line["text"].get<std::string>() + "\n";
  EXPECT_EQ(text.find("SP Basic Suite/IsEqual"), std::string::npos);
  EXPECT_NE(text.find("SP Basic Suite/FreeBlock"), std::string::npos);
}

}  // namespace
