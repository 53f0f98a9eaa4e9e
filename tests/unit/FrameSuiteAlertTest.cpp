// The alert that names a suite the host does not offer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/HostSuites.h"

namespace {

TEST(FrameSuiteAlert, NamesTheCodeTheSuiteAndItsVersion) {
  const HostSuiteEntry dialogRow{"ADM Dialog Suite", 10, nullptr};
  EXPECT_STREQ(SuiteAlertText(kHostSuiteNotFoundErr, dialogRow).data(),
               "Error: 1394689636, suite: ADM Dialog Suite, version: 10!");
  const HostSuiteEntry itemRow{"ADM Item Suite", 7, nullptr};
  EXPECT_STREQ(SuiteAlertText(-108, itemRow).data(),
               "Error: -108, suite: ADM Item Suite, version: 7!");
}

TEST(FrameSuiteAlert, ALongNameIsCutWithinTheBuffer) {
  const std::string longName(400, 'x');
  const HostSuiteEntry row{longName.c_str(), 1, nullptr};
  const std::array<char, 256> text = SuiteAlertText(1, row);
  EXPECT_EQ(std::strlen(text.data()), 255u);
  EXPECT_EQ(std::string(text.data()).rfind("Error: 1, suite: xxx", 0), 0u);
}

}  // namespace
