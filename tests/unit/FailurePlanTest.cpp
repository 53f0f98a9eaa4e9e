// The failure plan: how "--fail" and `fail` read a rule, and which calls a rule fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/core/Failpoint.h"
#include "host/core/FailurePlan.h"
#include "host/core/UsageError.h"

namespace {

using zvhost::FailurePlan;
using zvhost::FailureRule;
using When = FailureRule::When;

constexpr char kSuite[] = "AI Art Set Suite";
constexpr char kOperation[] = "IndexArtSet";

TEST(FailurePlan, ReadsEveryFormOfARule) {
  struct Case {
    const char *text;
    When when;
    int remaining;
    uint64_t call;
    HostErr code;
  };
  const Case cases[] = {
      {"AI Art Set Suite/IndexArtSet:-108", When::kNext, 1, 0, -108},
      {"AI Art Set Suite/IndexArtSet:-108:3", When::kNext, 3, 0, -108},
      {"AI Art Set Suite/IndexArtSet:!sel:0", When::kNext, 0, 0, ZV_FOUR_CHAR('!', 's', 'e', 'l')},
      {"AI Art Set Suite/IndexArtSet:-108@2", When::kExactly, 1, 2, -108},
      {"AI Art Set Suite/IndexArtSet:!sel@1", When::kExactly, 1, 1,
       ZV_FOUR_CHAR('!', 's', 'e', 'l')},
      {"AI Art Set Suite/IndexArtSet:-108@3+", When::kFromCallOn, 1, 3, -108},
      {"AI Art Set Suite/IndexArtSet:-108@18446744073709551615", When::kExactly, 1, UINT64_MAX,
       -108},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    const FailureRule rule = FailurePlan::Parse(c.text);
    EXPECT_EQ(rule.operation, "AI Art Set Suite/IndexArtSet");
    EXPECT_EQ(rule.when, c.when);
    EXPECT_EQ(rule.code, c.code);
    if (c.when == When::kNext) {
      EXPECT_EQ(rule.remaining, c.remaining);
    } else {
      EXPECT_EQ(rule.call, c.call);
    }
  }
}

TEST(FailurePlan, RefusesABadRuleSayingWhereItIsWrong) {
  struct Case {
    const char *text;
    const char *reason;
  };
  const Case cases[] = {
      {"X/Op:-108@0", "failure 'X/Op:-108@0': call number 0: calls are counted from 1"},
      {"X/Op:-108@", "failure 'X/Op:-108@': expected a call number after '@' (1 or more)"},
      {"X/Op:-108@+", "failure 'X/Op:-108@+': expected a call number after '@' (1 or more)"},
      {"X/Op:-108@x", "failure 'X/Op:-108@x': call number 'x' after '@' is not a whole number"},
      {"X/Op:-108@-2", "failure 'X/Op:-108@-2': call number '-2' after '@' is not a whole number"},
      {"X/Op:-108@2++",
       "failure 'X/Op:-108@2++': call number '2+' after '@' is not a whole number"},
      {"X/Op:-108@1:3",
       "failure 'X/Op:-108@1:3': a call number (@N) and a count (:COUNT) cannot be combined"},
      {"X/Op:-108:3@1",
       "failure 'X/Op:-108:3@1': a call number (@N) and a count (:COUNT) cannot be combined"},
      {"X/Op:-108@18446744073709551616",
       "failure 'X/Op:-108@18446744073709551616': call number 18446744073709551616 is too "
       "large (at most 18446744073709551615)"},
      {"X/Op:0@2", "failure 'X/Op:0@2': code 0 is success"},
      {"X/Op:@2", "error code '' is neither a decimal number nor four printable characters"},
      {"X/Op:-108:x", "failure 'X/Op:-108:x': count 'x' is not a number from 0 up"},
      {"X/Op", "failure 'X/Op': expected SUITE/OPERATION:CODE[:COUNT], :CODE@N or :CODE@N+"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    try {
      FailurePlan::Parse(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const zvhost::UsageError &error) {
      EXPECT_EQ(std::string(error.what()), c.reason);
    }
  }
}

// Which of the first six calls fail under one rule.
std::vector<bool> FailingCalls(const std::string &rule) {
  FailurePlan plan;
  plan.Add(FailurePlan::Parse(rule));
  std::vector<bool> failing;
  for (int call = 1; call <= 6; ++call) failing.push_back(plan.Take(kSuite, kOperation) != 0);
  return failing;
}

TEST(FailurePlan, FailsTheCallsItsRuleNames) {
  const std::string op = "AI Art Set Suite/IndexArtSet:-108";
  EXPECT_EQ(FailingCalls(op), (std::vector<bool>{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(FailingCalls(op + ":2"), (std::vector<bool>{1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FailingCalls(op + ":0"), (std::vector<bool>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(FailingCalls(op + "@2"), (std::vector<bool>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FailingCalls(op + "@4+"), (std::vector<bool>{0, 0, 0, 1, 1, 1}));
}

TEST(FailurePlan, CountsCallsFromStartUpWhetherOrNotAFailureIsPlanned) {
  FailurePlan plan;
  // The same names at other addresses are the same operation.
  const std::string suite = kSuite;
  const std::string operation = kOperation;
  EXPECT_EQ(plan.Take(kSuite, kOperation), 0);
  EXPECT_EQ(plan.Take(suite.c_str(), operation.c_str()), 0);
  EXPECT_EQ(plan.Take(kSuite, "CountArtSet"), 0);
  EXPECT_EQ(plan.Calls("AI Art Set Suite/IndexArtSet"), 2u);

  try {
    plan.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108@2"));
    ADD_FAILURE() << "a call made already was accepted";
  } catch (const zvhost::UsageError &error) {
    EXPECT_EQ(std::string(error.what()),
              "failure of call 2 of AI Art Set Suite/IndexArtSet: that call has been made "
              "already (calls are counted from start-up on; 2 so far)");
  }
  plan.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108@2+"));
  plan.Add(FailurePlan::Parse("AI Art Set Suite/CountArtSet:-108@3"));
  EXPECT_EQ(plan.Take(kSuite, kOperation), -108);
  EXPECT_EQ(plan.Take(kSuite, "CountArtSet"), 0);
  EXPECT_EQ(plan.Take(kSuite, "CountArtSet"), -108);
  EXPECT_EQ(plan.Take(kSuite, "CountArtSet"), 0);
}

TEST(FailurePlan, AnOperationHasOneNumberInEveryPlanAndEachPlanCountsItsOwnCalls) {
  const uint32_t number = FailurePlan::OperationNumber(kSuite, kOperation);
  EXPECT_EQ(FailurePlan::OperationNumber(std::string(kSuite), std::string(kOperation)), number);
  EXPECT_NE(FailurePlan::OperationNumber(kSuite, "CountArtSet"), number);

  FailurePlan first;
  FailurePlan second;
  first.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108@2"));
  // Calls by number and by name are calls of the one operation.
  EXPECT_EQ(first.Take(number), 0);
  EXPECT_EQ(first.Take(kSuite, kOperation), -108);
  EXPECT_EQ(first.Take(number), 0);
  EXPECT_EQ(second.Take(number), 0);
  EXPECT_EQ(first.Calls("AI Art Set Suite/IndexArtSet"), 3u);
  EXPECT_EQ(second.Calls("AI Art Set Suite/IndexArtSet"), 1u);
  EXPECT_EQ(second.Calls("AI Art Set Suite/NoSuchOperation"), 0u);
}

// The host's plan counts an operation that has a failure point of its own in the point's
// counter, which call sites increment themselves, and says when it plans a failure; every
// other plan keeps counting its own calls.
TEST(FailurePlan, TheHostsPlanCountsInTheFailurePointsOwnCounters) {
  using Point = ZV_FAILPOINT("AI Art Set Suite", "IndexArtSet");
  const uint32_t number = FailurePlan::OperationNumber(kSuite, kOperation);
  EXPECT_EQ(Point::number, number);
  Point::hostCalls = 7;  // calls of an earlier host
  {
    FailurePlan host(FailurePlan::Counting::kHostCalls);
    FailurePlan other;
    EXPECT_EQ(Point::hostCalls, 0u);  // counted from the host's start-up on
    // A second plan counting in the same counters is refused, and leaves the counts alone.
    ++Point::hostCalls;
    EXPECT_THROW(FailurePlan{FailurePlan::Counting::kHostCalls}, std::logic_error);
    EXPECT_EQ(Point::hostCalls, 1u);
    Point::hostCalls = 0;
    EXPECT_TRUE(Point::CountUnplanned());
    EXPECT_EQ(host.Take(kSuite, kOperation), 0);  // by name: the same counter
    EXPECT_EQ(host.Take(number), 0);
    EXPECT_EQ(Point::hostCalls, 3u);
    EXPECT_EQ(host.Calls("AI Art Set Suite/IndexArtSet"), 3u);
    EXPECT_EQ(other.Take(number), 0);
    EXPECT_EQ(other.Calls("AI Art Set Suite/IndexArtSet"), 1u);
    EXPECT_EQ(Point::hostCalls, 3u);

    // A rule of another plan leaves the host's calls on their way.
    other.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108"));
    EXPECT_FALSE(FailurePlan::HostPlanArmed());
    host.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108@5"));
    EXPECT_TRUE(FailurePlan::HostPlanArmed());
    EXPECT_FALSE(Point::CountUnplanned());  // call 4
    EXPECT_EQ(host.TakeCounted(number), 0);
    EXPECT_FALSE(Point::CountUnplanned());  // call 5
    EXPECT_EQ(host.TakeCounted(number), -108);
    EXPECT_FALSE(FailurePlan::HostPlanArmed());  // the rule is used up
    EXPECT_TRUE(Point::CountUnplanned());
    EXPECT_EQ(host.Calls("AI Art Set Suite/IndexArtSet"), 6u);

    host.Add(FailurePlan::Parse("AI Art Set Suite/IndexArtSet:-108"));
    EXPECT_TRUE(FailurePlan::HostPlanArmed());
  }
  // Gone, the host plans nothing, and the next host may make its plan.
  EXPECT_FALSE(FailurePlan::HostPlanArmed());
  EXPECT_NO_THROW(FailurePlan{FailurePlan::Counting::kHostCalls});
}

}  // namespace
