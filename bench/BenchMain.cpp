// The benchmarks' own main: Google Benchmark's runs with a summary after them (the ratios,
// the scaling and the bytes per run), and `--instructions WHAT RUNS`, which does one thing
// once inside Measured() for scripts/bench-instructions.sh to count under callgrind.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "BenchDocument.h"
#include "BenchSession.h"
#include "HeapCount.h"
#include "Measured.h"
#include "MinimalEngine.h"
#include "RunWalks.h"

namespace zvbench {

namespace {

// The console report, and each benchmark's CPU time kept for the summary: the fastest of its
// repetitions, which the machine's load moves least.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const double time = run.GetAdjustedCPUTime();
      auto [kept, first] = times_.try_emplace(run.benchmark_name(), time);
      if (!first && time < kept->second) kept->second = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const {
    std::printf("\nSummary (CPU time, the fastest of each benchmark's repetitions)\n");
    for (const char *runs : {"10000", "100000", "1000000"}) {
      Ratio(std::string("pass / minimal engine's six walks, ") + runs + " runs",
            "BM_SelectionPass/", "BM_SixWalksMinimalEngine/", runs);
      Ratio(std::string("real engine's six walks / minimal engine's, ") + runs + " runs",
            "BM_SixWalksRealEngine/", "BM_SixWalksMinimalEngine/", runs);
      Ratio(std::string("minimal engine's with the host's checks / without, ") + runs + " runs",
            "BM_SixWalksCheckedMinimalEngine/", "BM_SixWalksMinimalEngine/", runs);
      Ratio(std::string("real engine's six walks / checked minimal engine's, ") + runs + " runs",
            "BM_SixWalksRealEngine/", "BM_SixWalksCheckedMinimalEngine/", runs);
      Ratio(std::string("minimal engine's six walks / six bare scans, ") + runs + " runs",
            "BM_SixWalksMinimalEngine/", "BM_SixBareScans/", runs);
    }
    for (const char *name : {"BM_SelectionPass/", "BM_SixWalksRealEngine/"}) {
      Scaling(name, "10000", "100000");
      Scaling(name, "100000", "1000000");
    }
    Ratio("open / plain parse, 100000 runs", "BM_OpenDocument/", "BM_PlainParse/", "100000");
  }

 private:
  double Time(const std::string &name) const {
    auto found = times_.find(name);
    return found == times_.end() ? 0 : found->second;
  }
  void Ratio(const std::string &what, const std::string &over, const std::string &under,
             const std::string &runs) const {
    const double a = Time(over + runs), b = Time(under + runs);
    if (a > 0 && b > 0) std::printf("  %-62s %6.2fx\n", what.c_str(), a / b);
  }
  // Time per run at the larger size over that at the smaller: 1.0 is linear.
  void Scaling(const std::string &name, const std::string &small, const std::string &large) const {
    const double a = Time(name + large), b = Time(name + small);
    if (a <= 0 || b <= 0) return;
    const double factor = (a / std::stod(large)) / (b / std::stod(small));
    std::printf("  %-62s %6.2fx\n",
                (name + " per run, " + large + " over " + small + " runs").c_str(), factor);
  }

  std::map<std::string, double> times_;
};

// The heap the document of `runs` runs holds once open, and the most held while opening it.
void PrintMemory(int runs) {
  const std::string &path = DocumentFile(runs);
  Session session;
  const size_t before = HeapInUse();
  ResetHeapPeak();
  session.Run("open " + path);
  const size_t held = HeapInUse() - before;
  const size_t peak = HeapPeak() - before;
  const zvhost::engine::Story &story = session.FirstStory();
  const size_t runBytes = story.Runs().capacity() * sizeof(zvhost::engine::Run);
  size_t textBytes = 0;
  for (const auto &paragraph : story.Paragraphs()) textBytes += paragraph.text.capacity();
  const double count = static_cast<double>(story.Runs().size());
  std::printf("\nMemory, %d runs\n", runs);
  std::printf("  engine memory per run (the run array)              %6.1f bytes\n",
              runBytes / count);
  std::printf("  the document per run, its text left out            %6.1f bytes\n",
              (held - textBytes) / count);
  std::printf("  the document per run, with its text (%zu bytes)  %6.1f bytes\n", textBytes,
              held / count);
  std::printf(
      "  peak while opening: %.1f MB for a file of %.1f MB and a document of %.1f MB\n", peak / 1e6,
      static_cast<double>(std::ifstream(path, std::ios::ate | std::ios::binary).tellg()) / 1e6,
      held / 1e6);
}

int Instructions(const std::string &what, int runs) {
  if (what == "minimal" || what == "checked") {
    MinimalEngine engine(runs, what == "minimal" ? Checking::kNone : Checking::kHost);
    int64_t seen = 0;
    Measured([&] { SixWalks(engine.Suites(), engine.Selection(), seen); });
    return 0;
  }
  Session session;
  session.OpenAndShowPanel(runs);
  if (what == "pass") {
    Measured([&] { session.Run("select art 0"); });
  } else if (what == "real") {
    SelectedText selection(session);
    int64_t seen = 0;
    Measured([&] { SixWalks(session.Suites(), selection.ranges, seen); });
  } else if (what == "bare") {
    Measured([&] { SixBareScans(session.FirstStory()); });
  } else {
    std::fprintf(stderr,
                 "--instructions: expected pass, real, minimal, checked or bare, found %s\n",
                 what.c_str());
    return 2;
  }
  return 0;
}

}  // namespace

}  // namespace zvbench

int main(int argc, char **argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--instructions") == 0) {
    if (argc != 4) {
      std::fprintf(stderr,
                   "usage: zarvel-bench --instructions pass|real|minimal|checked|bare RUNS\n");
      return 2;
    }
    return zvbench::Instructions(argv[2], std::atoi(argv[3]));
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  zvbench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  zvbench::PrintMemory(100'000);
  benchmark::Shutdown();
  return 0;
}
