// The benchmarks set the real engine against a minimal one, without checks and with the
// checks the host keeps. The comparison holds only if all three serve the walks alike and
// the checked one really checks.
#include <gtest/gtest.h>

#include "BenchSession.h"
#include "EngineChecks.h"
#include "MinimalEngine.h"
#include "RunWalks.h"

namespace zvbench {
namespace {

constexpr int kRuns = 1000;

TEST(WalkEngines, EveryEngineReadsWhatTheRealOneReads) {
  int64_t real = 0;
  {
    Session session;
    session.OpenAndShowPanel(kRuns);
    SelectedText selection(session);
    int64_t runs = 0;
    real = SixWalks(session.Suites(), selection.ranges, runs);
    EXPECT_EQ(runs, kRuns);
  }
  for (Checking checking : {Checking::kNone, Checking::kHost}) {
    SCOPED_TRACE(checking == Checking::kNone ? "no checks" : "the host's checks");
    MinimalEngine engine(kRuns, checking);
    int64_t runs = 0;
    EXPECT_EQ(SixWalks(engine.Suites(), engine.Selection(), runs), real);
    EXPECT_EQ(runs, kRuns);
    if (checking == Checking::kHost) {
      EXPECT_EQ(HostChecks::LiveRefs(), 0u) << "the walks leave no object behind";
      EXPECT_EQ(HostChecks::Findings(), 0u);
    }
  }
}

TEST(WalkEngines, TheHostsChecksRefuseReleasedAndForeignHandles) {
  MinimalEngine engine(10, Checking::kHost);
  const WalkSuites s = engine.Suites();
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(s.ranges->GetTextRunsIterator(engine.Selection(), &walk), kATENoError);
  ASSERT_EQ(s.runs->MoveToFirst(walk), kATENoError);
  TextRangeRef run = nullptr;
  ASSERT_EQ(s.runs->Item(walk, &run), kATENoError);
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(s.range->GetCharFeatures(run, &features), kATENoError);
  EXPECT_EQ(HostChecks::LiveRefs(), 3u);

  CharFeaturesRef more = nullptr;
  EXPECT_EQ(s.range->GetCharFeatures(reinterpret_cast<TextRangeRef>(features), &more),
            kATEBadParameterErr)
      << "a handle of another kind";
  s.range->Release(run);
  EXPECT_EQ(s.range->GetCharFeatures(run, &more), kATEBadParameterErr) << "a released handle";
  TextRangeRef next = nullptr;
  ASSERT_EQ(s.runs->Item(walk, &next), kATENoError);
  EXPECT_NE(next, run) << "a reused number has a new generation";
  EXPECT_EQ(s.range->GetCharFeatures(run, &more), kATEBadParameterErr)
      << "a released handle whose number is in use again";
  s.range->Release(run);
  EXPECT_EQ(HostChecks::Findings(), 4u);

  s.range->Release(next);
  s.features->Release(features);
  s.runs->Release(walk);
  EXPECT_EQ(HostChecks::LiveRefs(), 0u);
}

TEST(WalkEngines, TheHostsChecksFailACallOnDemand) {
  MinimalEngine engine(10, Checking::kHost);
  const WalkSuites s = engine.Suites();
  HostChecks::Failures().Add(zvhost::FailurePlan::Parse("Minimal Engine/Item:7@2"));
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(s.ranges->GetTextRunsIterator(engine.Selection(), &walk), kATENoError);
  ASSERT_EQ(s.runs->MoveToFirst(walk), kATENoError);
  TextRangeRef first = nullptr, second = nullptr, third = nullptr;
  EXPECT_EQ(s.runs->Item(walk, &first), kATENoError);
  EXPECT_EQ(s.runs->Item(walk, &second), 7) << "the second call fails as planned";
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(s.runs->Item(walk, &third), kATENoError);
  EXPECT_EQ(HostChecks::Failures().Calls("Minimal Engine/Item"), 3u);
  HostChecks::Failures().Add(zvhost::FailurePlan::Parse("Minimal Engine/GetCharFeatures:9"));
  CharFeaturesRef features = nullptr;
  EXPECT_EQ(s.range->GetCharFeatures(first, &features), 9) << "a derived object's failure";
  EXPECT_EQ(features, nullptr);
  s.range->Release(first);
  s.range->Release(third);
  s.runs->Release(walk);
  EXPECT_EQ(HostChecks::LiveRefs(), 0u);
}

}  // namespace
}  // namespace zvbench
