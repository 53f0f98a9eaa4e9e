// The one boundary helper: whatever a body throws ends as a host error code.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "base/Boundary.h"
#include "panel/AboutBox.h"
#include "plugin/ErrorReport.h"
#include "plugin/PluginLifecycle.h"

extern "C" HostErr ZV_API PluginMain(const char *caller, const char *selector,
                                     void *message) noexcept;

namespace {

// The procedures the host calls by pointer cannot let an exception through.
static_assert(noexcept(PluginMain(nullptr, nullptr, nullptr)));
static_assert(noexcept(ErrorDialogInitProc(nullptr)));
static_assert(noexcept(AboutInitProc(nullptr)));
static_assert(noexcept(AboutOKProc(nullptr, nullptr)));
static_assert(noexcept(InitializeDialog(nullptr)));
static_assert(noexcept(HandleDialogOKButton(nullptr, nullptr)));

TEST(BaseBoundary, AThrownExceptionBecomesItsCode) {
  struct Case {
    const char *name;
    std::function<HostErr()> body;
    HostErr expected;
  };
  const Case cases[] = {
      {"a code returned", [] { return HostErr{42}; }, 42},
      {"a host error", []() -> HostErr { throw ai::Error(kHostBadParameterErr); },
       kHostBadParameterErr},
      {"a text-engine error", []() -> HostErr { throw ATE::Exception(-7); }, -7},
      {"an allocation that failed", []() -> HostErr { throw std::bad_alloc(); },
       kHostOutOfMemoryErr},
      {"a standard exception", []() -> HostErr { throw std::runtime_error("x"); },
       kUnexpectedExceptionErr},
      {"something that is no exception", []() -> HostErr { throw 3; }, kUnexpectedExceptionErr},
  };
  for (const Case &c : cases) EXPECT_EQ(AtBoundary(c.body), c.expected) << c.name;
}

TEST(BaseBoundary, ABodyThatReturnsNothingGivesZeroOrTheCodeOfWhatItThrew) {
  bool ran = false;
  EXPECT_EQ(AtBoundary([&] { ran = true; }), kHostNoErr);
  EXPECT_TRUE(ran);
  EXPECT_EQ(AtBoundary([] { throw ai::Error(kHostSuiteNotFoundErr); }), kHostSuiteNotFoundErr);
}

}  // namespace
