// The prompt on a terminal, driven as a person drives it: Tab completes commands, control
// labels and entries; history survives the session; Ctrl-C clears the line; Ctrl-D and a
// kill end the session with the normal shutdown, preferences written.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>

#include <cstdlib>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"
#include "support/Terminal.h"

namespace {

class PromptHost : public ::testing::Test {
 protected:
  void SetUp() override {
    const char *runner = std::getenv("ZARVEL_HOST_RUNNER");
    if (runner != nullptr && *runner != '\0') {
      GTEST_SKIP() << "the Windows host reads plain lines";
    }
  }
  std::string History() const { return state_.PathOf("zarvel/history"); }
  std::string Prefs() const { return state_.PathOf("prefs.json"); }
  zvtest::Terminal Start() const {
    return zvtest::Terminal({"--prefs", Prefs()}, {"XDG_STATE_HOME=" + state_.Path().string()});
  }

  zvtest::TempFolder state_;
};

TEST_F(PromptHost, TabCompletesCommandsControlLabelsAndEntries) {
  zvtest::Terminal terminal = Start();
  ASSERT_TRUE(terminal.Expect("zarvel> "));
  terminal.Type("ne\t\n");
  ASSERT_TRUE(terminal.Expect("notified: new document")) << terminal.Screen();
  terminal.Type("menu \"Window Utilities/Zarvel/Zarvel\"\n");
  ASSERT_TRUE(terminal.Expect("zarvel> "));
  terminal.Type("panel cho\t");
  // The line editor redraws from the cursor: what the screen gains is the completed rest.
  ASSERT_TRUE(terminal.Expect("ose ")) << terminal.Screen();
  terminal.Type("\"Paragraph D\t");
  ASSERT_TRUE(terminal.Expect("irection\" ")) << terminal.Screen();
  terminal.Type(" Ri\t");
  ASSERT_TRUE(terminal.Expect("\"Right to left\"")) << terminal.Screen();
  terminal.Type("\x15");  // Ctrl-U: the line is dropped
  terminal.Type("\x04");
  EXPECT_EQ(terminal.Wait(), 0) << terminal.Screen();
}

TEST_F(PromptHost, HistoryIsKeptAndCtrlDEndsTheSessionWithPreferencesWritten) {
  {
    zvtest::Terminal terminal = Start();
    ASSERT_TRUE(terminal.Expect("zarvel> "));
    terminal.Type("new\n");
    ASSERT_TRUE(terminal.Expect("zarvel> "));
    terminal.Type("dump refs\n");
    ASSERT_TRUE(terminal.Expect("refs: "));
    // Keys typed before the next prompt could be dropped as the line editor takes the terminal.
    ASSERT_TRUE(terminal.Expect("zarvel> "));
    terminal.Type("\x04");
    EXPECT_EQ(terminal.Wait(), 0) << terminal.Screen();
    EXPECT_NE(terminal.Screen().find("SP Interface Shutdown"), std::string::npos);
  }
  const std::string history = zvtest::ReadFileText(History());
  // The line editor's history file writes a blank as \040.
  EXPECT_NE(history.find("dump\\040refs"), std::string::npos) << history;
  EXPECT_NE(zvtest::ReadFileText(Prefs()).find("ZarvelNonModalDialog"), std::string::npos);

  // The next session finds the last line with the up arrow.
  zvtest::Terminal again = Start();
  ASSERT_TRUE(again.Expect("zarvel> "));
  again.Type("\x1b[A\n");
  EXPECT_TRUE(again.Expect("refs: ")) << again.Screen();
  ASSERT_TRUE(again.Expect("zarvel> "));
  again.Type("quit\n");
  EXPECT_EQ(again.Wait(), 0);
}

TEST_F(PromptHost, CtrlCClearsTheLineAndAKillEndsTheSessionCleanly) {
  zvtest::Terminal terminal = Start();
  ASSERT_TRUE(terminal.Expect("zarvel> "));
  terminal.Type("open no-such-file");
  terminal.Type("\x03");  // Ctrl-C
  ASSERT_TRUE(terminal.Expect("zarvel> ")) << terminal.Screen();
  terminal.Type("dump refs\n");
  ASSERT_TRUE(terminal.Expect("refs: ")) << terminal.Screen();
  EXPECT_EQ(terminal.Screen().find("no-such-file:"), std::string::npos) << terminal.Screen();
  ASSERT_TRUE(terminal.Expect("zarvel> "));
  terminal.Signal(SIGTERM);
  EXPECT_EQ(terminal.Wait(), 0) << terminal.Screen();
  EXPECT_NE(terminal.Screen().find("SP Interface Shutdown"), std::string::npos);
  EXPECT_NE(zvtest::ReadFileText(Prefs()).find("ZarvelNonModalDialog"), std::string::npos);
}

}  // namespace
#endif
