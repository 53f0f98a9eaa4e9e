// The text engine under the load the panel puts on it: a story of ten characters a run, at
// 10k, 100k and 1M runs. Measured in one process: the panel's whole selection-change pass
// through the real module (ten resets, six of which walk every run); the same six walks
// straight through the engine's suites, through the minimal engine that the benchmark
// carries (without checks, and with the host's), and as bare scans of the engine's own run
// array; reading the file into the document against a plain parse of it, and the whole
// `open` command; loading the module and starting up.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "BenchDocument.h"
#include "BenchSession.h"
#include "MinimalEngine.h"
#include "RunWalks.h"
#include "host/app/Host.h"
#include "host/engine/DocumentFile.h"
#include "host/loader/LoadedModule.h"

namespace zvbench {

namespace {

void RunCounts(benchmark::internal::Benchmark *benchmark) {
  benchmark->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

// What the host does when the user selects the frame: the notification and the panel's
// whole pass.
void BM_SelectionPass(benchmark::State &state) {
  Session session;
  session.OpenAndShowPanel(static_cast<int>(state.range(0)));
  for (auto _ : state) session.Run("select art 0");
  state.counters["runs"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_SelectionPass)->Apply(RunCounts);

void BM_SixWalksRealEngine(benchmark::State &state) {
  Session session;
  session.OpenAndShowPanel(static_cast<int>(state.range(0)));
  SelectedText selection(session);
  int64_t runs = 0;
  for (auto _ : state) benchmark::DoNotOptimize(SixWalks(session.Suites(), selection.ranges, runs));
  if (runs != state.range(0)) state.SkipWithError("the walks did not see every run");
}
BENCHMARK(BM_SixWalksRealEngine)->Apply(RunCounts);

void SixWalksMinimalEngine(benchmark::State &state, Checking checking) {
  MinimalEngine engine(static_cast<int>(state.range(0)), checking);
  int64_t runs = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(SixWalks(engine.Suites(), engine.Selection(), runs));
  if (runs != state.range(0)) state.SkipWithError("the walks did not see every run");
}
void BM_SixWalksMinimalEngine(benchmark::State &state) {
  SixWalksMinimalEngine(state, Checking::kNone);
}
BENCHMARK(BM_SixWalksMinimalEngine)->Apply(RunCounts);
// The same with the checks the host keeps: the floor under the real engine.
void BM_SixWalksCheckedMinimalEngine(benchmark::State &state) {
  SixWalksMinimalEngine(state, Checking::kHost);
}
BENCHMARK(BM_SixWalksCheckedMinimalEngine)->Apply(RunCounts);

void BM_SixBareScans(benchmark::State &state) {
  Session session;
  session.OpenAndShowPanel(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SixBareScans(session.FirstStory()));
}
BENCHMARK(BM_SixBareScans)->Apply(RunCounts);

// Reads the document file of state.range(0) runs and hands its text to `parse`, every
// iteration: opening and the plain parse are timed alike, reading included.
template <class Parse>
void ReadAndParse(benchmark::State &state, Parse &&parse) {
  const std::string &path = DocumentFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    benchmark::DoNotOptimize(parse(text));
  }
}

// The file's text read and turned into the document, as `open` does before it hands the
// document to the host (which then composes its pages: BM_OpenAndCompose).
void BM_OpenDocument(benchmark::State &state) {
  ReadAndParse(state, [](const std::string &text) { return zvhost::engine::ReadDocument(text); });
}
BENCHMARK(BM_OpenDocument)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The whole `open` command: reading, the host's composition of the pages, the notifications.
void BM_OpenAndCompose(benchmark::State &state) {
  const std::string &path = DocumentFile(static_cast<int>(state.range(0)));
  Session session;
  for (auto _ : state) {
    session.Run("open " + path);
    state.PauseTiming();
    session.Run("close");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenAndCompose)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Reading the same file into the JSON library's own tree, and nothing more.
void BM_PlainParse(benchmark::State &state) {
  ReadAndParse(state, [](const std::string &text) { return nlohmann::json::parse(text); });
}
BENCHMARK(BM_PlainParse)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One run step as a walk makes it, straight through the suites, restarting at the end of the
// story: the step with the features read, and the step with the character inspector read.
class RunStep {
 public:
  // `session` has a document open and its frame selected.
  explicit RunStep(Session &session) : suites_(session.Suites()), selection_(session) {
    suites_.ranges->GetTextRunsIterator(selection_.ranges, &walk_);
  }
  ~RunStep() { suites_.runs->Release(walk_); }

  TextRangeRef Item() {
    TextRangeRef run = nullptr;
    suites_.runs->Item(walk_, &run);
    return run;
  }
  // Steps on; back to the first run when the walk is done.
  void Next() {
    HostBool notDone = 0;
    suites_.runs->Next(walk_);
    suites_.runs->IsNotDone(walk_, &notDone);
    if (!notDone) suites_.runs->MoveToFirst(walk_);
  }
  const WalkSuites &Suites() const { return suites_; }

 private:
  WalkSuites suites_;
  SelectedText selection_;
  TextRunsIteratorRef walk_ = nullptr;
};

void BM_RunStepWithFeatures(benchmark::State &state) {
  Session session;
  session.OpenAndShowPanel(100'000);
  RunStep step(session);
  const WalkSuites &s = step.Suites();
  for (auto _ : state) {
    TextRangeRef run = step.Item();
    CharFeaturesRef read = nullptr;
    HostBool assigned = 0;
    DigitSet digits = 0;
    s.range->GetCharFeatures(run, &read);
    s.features->GetDigitSet(read, &assigned, &digits);
    benchmark::DoNotOptimize(digits);
    s.features->Release(read);
    s.range->Release(run);
    step.Next();
  }
}
BENCHMARK(BM_RunStepWithFeatures);

void BM_RunStepWithInspector(benchmark::State &state) {
  Session session;
  session.OpenAndShowPanel(100'000);
  RunStep step(session);
  const WalkSuites &s = step.Suites();
  for (auto _ : state) {
    TextRangeRef run = step.Item();
    CharInspectorRef inspected = nullptr;
    ArrayKashidasRef values = nullptr;
    int32_t size = 0;
    Kashidas value = 0;
    s.range->GetCharInspector(run, &inspected);
    s.inspector->GetKashidas(inspected, &values);
    s.kashidas->GetSize(values, &size);
    s.kashidas->Item(values, 0, &value);
    benchmark::DoNotOptimize(value);
    s.kashidas->Release(values);
    s.inspector->Release(inspected);
    s.range->Release(run);
    step.Next();
  }
}
BENCHMARK(BM_RunStepWithInspector);

// The module file loaded as zarvel-host loads it, started and shut down.
void BM_LoadAndStartUp(benchmark::State &state) {
  for (auto _ : state) {
    std::ostream sink(nullptr);
    zvhost::Host host(Session::Options(), sink);
    host.Start(zvhost::OpenModule(ZARVEL_MODULE_FILE));
    host.Finish();
  }
}
BENCHMARK(BM_LoadAndStartUp)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace zvbench
