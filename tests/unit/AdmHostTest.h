// The fixture of the dialog manager tests: the real host running the linked module, the
// host's ADM suites as the module acquires them, and readers for what the host printed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ADMBasicSuite.h"
#include "ADMDialogGroupSuite.h"
#include "ADMDialogSuite.h"
#include "ADMEntrySuite.h"
#include "ADMIconSuite.h"
#include "ADMItemSuite.h"
#include "ADMListSuite.h"
#include "ADMNotifierSuite.h"
#include "ADMTrackerSuite.h"
#include "host/adm/DialogManager.h"
#include "host/loader/PluginConnection.h"
#include "support/HostHarness.h"

namespace admtest {

using zvtest::Json;

class AdmHostTest : public ::testing::Test {
 protected:
  explicit AdmHostTest(zvhost::HostOptions options = {}) : harness_(std::move(options)) {}

  ~AdmHostTest() override {
    for (const auto &[name, version] : acquired_) harness_.host().suites.Release(name, version);
  }

  // A suite's table as the module gets it; released when the test ends.
  template <class Suite>
  const Suite &Acquire(const char *name, int32_t version) {
    const void *table = nullptr;
    EXPECT_EQ(harness_.host().suites.Acquire(name, version, &table), kHostNoErr) << name;
    acquired_.emplace_back(name, version);
    return *static_cast<const Suite *>(table);
  }
  const ADMDialogSuite10 &Dialogs() { return Acquire<ADMDialogSuite10>(kADMDialogSuite, 10); }
  const ADMItemSuite7 &Items() { return Acquire<ADMItemSuite7>(kADMItemSuite, 7); }
  const ADMListSuite1 &Lists() { return Acquire<ADMListSuite1>(kADMListSuite, 1); }
  const ADMEntrySuite2 &Entries() { return Acquire<ADMEntrySuite2>(kADMEntrySuite, 2); }

  HostPluginRef Plugin() { return harness_.host().plugin->Ref(); }
  zvhost::DialogManager &Manager() { return *harness_.host().dialogs; }

  // The events of one kind printed since the last Take; the others are dropped.
  std::vector<Json> Take(const std::string &kind) {
    std::vector<Json> matching;
    for (Json &event : harness_.Take()) {
      if (event.value("kind", "") == kind) matching.push_back(std::move(event));
    }
    return matching;
  }

  // Trace texts of the module that begin with `prefix`, in order.
  std::vector<std::string> Traces(const std::string &prefix) {
    std::vector<std::string> matching;
    for (std::string &text : harness_.TakeTraces()) {
      if (text.rfind(prefix, 0) == 0) matching.push_back(std::move(text));
    }
    return matching;
  }

  zvtest::HostHarness harness_;

 private:
  std::vector<std::pair<const char *, int32_t>> acquired_;
};

}  // namespace admtest
