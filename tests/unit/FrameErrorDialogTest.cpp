// The error dialog as PluginMain shows a handler's failure, through the real host: the
// message looked up in the module's own list and the code as text.
#include <gtest/gtest.h>

#include "FrameHostTest.h"

namespace {

using frametest::Json;
using frametest::OfKind;

constexpr char kMemory[] =
    "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr char kUnknown[] = "The filter cannot complete because of an unknown error.";

// Start-up failing with `code` where it allocates the globals record.
std::vector<Json> StartUpFailingWith(const std::string &code) {
  auto host = frametest::StartHost({"SP Basic Suite/AllocateBlock:" + code});
  return host->Take();
}

TEST(FrameErrorDialog, ShowsTheListedMessageAndTheCode) {
  struct Case {
    const char *failure;  // as --fail spells the code
    const char *message;
    const char *codeText;
    HostErr code;  // what start-up returns, unchanged
  };
  const Case cases[] = {
      {"-108", kMemory, "-108", -108},
      {"271", kMemory, "271", 271},
      {"SEGM", "The filter cannot complete because a layer is locked or invisible.", "SEGM",
       ZV_FOUR_CHAR('S', 'E', 'G', 'M')},
      {"NESS", "The filter cannot complete because a path has too many anchor points.", "NESS",
       frametest::kNess},
      {"!sel", "The selection is not valid for this filter.", "!sel",
       ZV_FOUR_CHAR('!', 's', 'e', 'l')},
      {"ABCD", kUnknown, "ABCD", ZV_FOUR_CHAR('A', 'B', 'C', 'D')},
      {"65535", kUnknown, "65535", 65535},
      {"-65536", kUnknown, "-65536", -65536},
      {"2", kUnknown, "2", 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.failure);
    const std::vector<Json> events = StartUpFailingWith(c.failure);
    const std::vector<Json> modals = OfKind(events, "modal");
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0]["name"], "Error Dialog");
    EXPECT_EQ(modals[0]["resource"], 16051);
    EXPECT_EQ(modals[0]["title"], "Plug-in Error");
    EXPECT_EQ(frametest::ItemText(modals[0], 2), c.message);
    EXPECT_EQ(frametest::ItemText(modals[0], 3), c.codeText);
    EXPECT_EQ(frametest::ResultOf(events, "SP Interface", "Startup"), c.code);
  }
}

TEST(FrameErrorDialog, QuietCodesReachTheHostWithoutADialog) {
  for (const char *code : {"1", "S!Fd", "STOP"}) {
    SCOPED_TRACE(code);
    const std::vector<Json> events = StartUpFailingWith(code);
    EXPECT_TRUE(OfKind(events, "modal").empty());
    EXPECT_NE(frametest::ResultOf(events, "SP Interface", "Startup").value_or(0), kHostNoErr);
  }
}

TEST(FrameErrorDialog, ACodeOutsideSixteenBitsIsShownAsFourCharacters) {
  const std::vector<Json> events = StartUpFailingWith("65536");
  const std::vector<Json> modals = OfKind(events, "modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(frametest::ItemText(modals[0], 2), kUnknown);
  EXPECT_EQ(frametest::ItemText(modals[0], 3), "????");
  EXPECT_EQ(frametest::ResultOf(events, "SP Interface", "Startup"), 65536);
}

}  // namespace
