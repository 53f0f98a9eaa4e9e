// Running script lines: a script stops at its first failing line, the prompt goes on, and a
// line that fails in a way no command foresaw is still that line's error, not the session's end.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/app/ScriptRunner.h"
#include "support/HostHarness.h"

namespace {

using zvtest::Json;

class ScriptRunnerTest : public ::testing::Test {
 protected:
  ScriptRunnerTest() {
    // No command of the host throws anything but its refusals; this one stands for a fault.
    harness_.host().commands.Add(
        {{"explode"}, "explode", "fails unexpectedly", [](const std::vector<std::string> &) {
           throw std::logic_error("a fault of the host");
         }});
  }
  // Runs `script`; the exit status and the errors reported.
  int Run(const std::string &script, bool interactive) {
    std::istringstream in(script);
    harness_.Take();
    int status = zvhost::RunScript(harness_.host(), in, interactive);
    errors_.clear();
    for (const Json &event : harness_.Take()) {
      if (event["kind"] == "error") errors_.push_back(event);
    }
    return status;
  }

  zvtest::HostHarness harness_;
  std::vector<Json> errors_;
};

TEST_F(ScriptRunnerTest, AScriptStopsAtItsFirstFailingLineAndThePromptGoesOn) {
  const std::string script = "new\nexplode\nopen\nnew\n";
  EXPECT_EQ(Run(script, false), 2);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0]["line"], 2);
  EXPECT_EQ(errors_[0]["reason"], "the host failed: a fault of the host");

  EXPECT_EQ(Run(script, true), 0);
  ASSERT_EQ(errors_.size(), 2u);
  EXPECT_EQ(errors_[1]["line"], 3);
  EXPECT_EQ(errors_[1]["reason"], "usage: open FILE");
  EXPECT_EQ(harness_.Finish(), 0) << "the session ends as always";
}

TEST_F(ScriptRunnerTest, AByteOrderMarkIsPassedOverBeforeTheFirstLineOnly) {
  EXPECT_EQ(Run("\xEF\xBB\xBFnew\ndump doc\n", false), 0);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(Run("new\n\xEF\xBB\xBFnew\n", false), 2);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0]["line"], 2);
}

}  // namespace
