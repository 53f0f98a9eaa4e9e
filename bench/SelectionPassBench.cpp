// The text engine under the load the panel puts on it: a story of a million characters in a
// hundred thousand runs, opened from its file, and the whole selection-change pass over it
// (ten resets, six of which walk every run) through the real module; then one run step of
// each kind of walk, straight through the suites.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "AIDocumentSuite.h"
#include "ate/ATESuites.h"
#include "host/app/Host.h"
#include "support/InProcessModule.h"

namespace {

using zvhost::Json;

constexpr int kParagraphs = 100;
constexpr int kRunsPerParagraph = 1000;
constexpr int kRunLength = 10;

// Arabic letters and digits; neighbouring runs differ in their digit set, so none merge.
std::string BigDocumentFile() {
  static const std::string path = [] {
    const char *letters[] = {"ب", "ت", "ث", "ج", "ح", "خ", "د", "ر", "س", "٣"};
    std::string runText;
    for (int i = 0; i < kRunLength; ++i) runText += letters[i % 10];
    Json paragraphs = Json::array();
    int runIndex = 0;
    for (int p = 0; p < kParagraphs; ++p) {
      Json runs = Json::array();
      std::string text;
      for (int r = 0; r < kRunsPerParagraph; ++r, ++runIndex) {
        text += runText;
        runs.push_back({{"length", kRunLength},
                        {"digitSet", runIndex % 4},
                        {"kashidas", (runIndex / 4) % 2},
                        {"diacXOffset", (runIndex % 3) * 10}});
      }
      paragraphs.push_back({{"text", text}, {"paragraphDirection", 1}, {"runs", runs}});
    }
    Json document = {{"format", "zarvel-document/1"},
                     {"stories", Json::array({{{"paragraphs", paragraphs}}})},
                     {"art", Json::array({{{"kind", "text"}, {"story", 0}}})}};
    auto file = std::filesystem::temp_directory_path() / "zarvel-bench-million.json";
    std::ofstream(file, std::ios::binary) << document.dump();
    return file.string();
  }();
  return path;
}

// The host with the module linked in; what it prints is dropped.
class Session {
 public:
  Session() : host_(Options(), sink_) { host_.Start(zvtest::OpenInProcessModule()); }
  ~Session() { host_.Finish(); }

  void Run(const std::string &line) { host_.Execute(line); }
  template <class Suite>
  const Suite &Acquire(const char *name, int32_t version) {
    const void *table = nullptr;
    if (host_.suites.Acquire(name, version, &table) != 0) throw std::runtime_error(name);
    return *static_cast<const Suite *>(table);
  }

 private:
  static zvhost::HostOptions Options() {
    zvhost::HostOptions options;
    options.json = true;
    return options;
  }
  std::ostream sink_{nullptr};
  zvhost::Host host_;
};

void BM_OpenMillionCharacterStory(benchmark::State &state) {
  std::string path = BigDocumentFile();
  Session session;
  for (auto _ : state) {
    session.Run("open " + path);
    state.PauseTiming();
    session.Run("close");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenMillionCharacterStory)->Unit(benchmark::kMillisecond);

// What the host does when the user selects the frame: the notification and the panel's
// whole pass. The requirement is 16 ms.
void BM_SelectionPass(benchmark::State &state) {
  Session session;
  session.Run("open " + BigDocumentFile());
  session.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  for (auto _ : state) session.Run("select art 0");
  state.counters["runs"] = kParagraphs * kRunsPerParagraph;
}
BENCHMARK(BM_SelectionPass)->Unit(benchmark::kMillisecond);

// The run walks as the panel's resets make them, one step per iteration, restarting at the
// end of the story.
struct RunWalkFixture {
  explicit RunWalkFixture(Session &session)
      : ranges(session.Acquire<ATETextRangesSuite>(kATETextRangesSuite, 1)),
        range(session.Acquire<ATETextRangeSuite>(kATETextRangeSuite, 1)),
        runs(session.Acquire<ATETextRunsIteratorSuite>(kATETextRunsIteratorSuite, 1)),
        features(session.Acquire<ATECharFeaturesSuite>(kATECharFeaturesSuite, 101)),
        inspector(session.Acquire<ATECharInspectorSuite>(kATECharInspectorSuite, 101)),
        kashidas(session.Acquire<ATEArrayKashidasSuite>(kATEArrayKashidasSuite, 1)) {
    session.Run("open " + BigDocumentFile());
    session.Run("select art 0");
    const auto &document = session.Acquire<AIDocumentSuite12>(kAIDocumentSuite, 12);
    document.GetTextSelection(&selection);
    ranges.GetTextRunsIterator(selection, &walk);
  }
  ~RunWalkFixture() {
    runs.Release(walk);
    ranges.Release(selection);
  }
  // Steps on; back to the first run when the walk is done.
  void Next() {
    HostBool notDone = 0;
    runs.Next(walk);
    runs.IsNotDone(walk, &notDone);
    if (!notDone) runs.MoveToFirst(walk);
  }

  const ATETextRangesSuite &ranges;
  const ATETextRangeSuite &range;
  const ATETextRunsIteratorSuite &runs;
  const ATECharFeaturesSuite &features;
  const ATECharInspectorSuite &inspector;
  const ATEArrayKashidasSuite &kashidas;
  TextRangesRef selection = nullptr;
  TextRunsIteratorRef walk = nullptr;
};

void BM_RunStepWithFeatures(benchmark::State &state) {
  Session session;
  RunWalkFixture f(session);
  for (auto _ : state) {
    TextRangeRef run = nullptr;
    CharFeaturesRef read = nullptr;
    HostBool assigned = 0;
    DigitSet digits = 0;
    f.runs.Item(f.walk, &run);
    f.range.GetCharFeatures(run, &read);
    f.features.GetDigitSet(read, &assigned, &digits);
    benchmark::DoNotOptimize(digits);
    f.features.Release(read);
    f.range.Release(run);
    f.Next();
  }
}
BENCHMARK(BM_RunStepWithFeatures);

void BM_RunStepWithInspector(benchmark::State &state) {
  Session session;
  RunWalkFixture f(session);
  for (auto _ : state) {
    TextRangeRef run = nullptr;
    CharInspectorRef inspected = nullptr;
    ArrayKashidasRef values = nullptr;
    int32_t size = 0;
    Kashidas value = 0;
    f.runs.Item(f.walk, &run);
    f.range.GetCharInspector(run, &inspected);
    f.inspector.GetKashidas(inspected, &values);
    f.kashidas.GetSize(values, &size);
    f.kashidas.Item(values, 0, &value);
    benchmark::DoNotOptimize(value);
    f.kashidas.Release(values);
    f.inspector.Release(inspected);
    f.range.Release(run);
    f.Next();
  }
}
BENCHMARK(BM_RunStepWithInspector);

}  // namespace

BENCHMARK_MAIN();
