// The panel object has one owner whichever of its dialog's destroy procedures is installed:
// a failed call of SetDestroyProc, the base class's (the first) or the panel's own (the
// second, after the first succeeded), leaves a session that ends as every session ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HostProcess.h"

namespace {

TEST(PanelOwnerHost, AFailedSetDestroyProcDeletesThePanelOnce) {
  for (const char *failure :
       {"ADM Dialog Suite/SetDestroyProc:-108@1", "ADM Dialog Suite/SetDestroyProc:-108@2"}) {
    SCOPED_TRACE(failure);
    const zvtest::HostRun run = zvtest::RunHost("menu \"Window Utilities/Zarvel/Zarvel\"\n",
                                                {"--strict", "--fail", failure});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.OfKind("misuse").empty());
    EXPECT_TRUE(run.OfKind("leaks").empty());
    std::vector<std::string> selectors;
    for (const auto &message : run.OfKind("message")) selectors.push_back(message["selector"]);
    ASSERT_GE(selectors.size(), 2u);
    EXPECT_EQ(selectors[selectors.size() - 2], "Shutdown");
    EXPECT_EQ(selectors.back(), "Unload");
  }
}

}  // namespace
