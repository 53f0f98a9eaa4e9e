// Files whose size once made reading them quadratic: each is read in time linear in its
// size, whether it is refused (many empty objects) or taken (many runs in one paragraph, many
// preferences in one prefix).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSession.h"
#include "host/core/UsageError.h"

namespace zvbench {

namespace {

std::string WriteTemporary(const std::string &name, const std::string &text) {
  const auto file = std::filesystem::temp_directory_path() / name;
  std::ofstream(file, std::ios::binary) << text;
  return file.string();
}

// 600 KB of empty objects as the stories: refused at the first, once it is read.
void BM_OpenManyEmptyObjects(benchmark::State &state) {
  std::string text = R"({"format": "zarvel-document/1", "art": [], "stories": [)";
  for (int i = 0; i < 200'000; ++i) text += i == 0 ? "{}" : ",{}";
  text += "]}";
  const std::string path = WriteTemporary("zarvel-bench-empty-objects.json", text);
  Session session;
  for (auto _ : state) {
    try {
      session.Run("open " + path);
      state.SkipWithError("the file was taken");
    } catch (const zvhost::UsageError &) {
    }
  }
}
BENCHMARK(BM_OpenManyEmptyObjects)->Unit(benchmark::kMillisecond);

// One paragraph of 250,000 runs of one character each, neighbours differing.
void BM_OpenOneParagraphOfManyRuns(benchmark::State &state) {
  constexpr int kRuns = 250'000;
  std::string text = R"({"format": "zarvel-document/1", "art": [{"kind": "text", "story": 0}],)"
                     R"( "stories": [{"paragraphs": [{"text": ")";
  for (int i = 0; i < kRuns; ++i) text += "b";
  text += R"(", "runs": [)";
  for (int i = 0; i < kRuns; ++i) {
    text += (i == 0 ? "" : ",") + std::string(R"({"length": 1, "digitSet": )") +
            std::to_string(i % 2) + "}";
  }
  text += "]}]}]}";
  const std::string path = WriteTemporary("zarvel-bench-many-runs.json", text);
  Session session;
  for (auto _ : state) {
    session.Run("open " + path);
    state.PauseTiming();
    session.Run("close");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenOneParagraphOfManyRuns)->Unit(benchmark::kMillisecond);

// A preferences file of 100,000 keys in one prefix, read at start-up and written at the end.
void BM_PreferencesOfManyKeys(benchmark::State &state) {
  std::string text = R"({"ZarvelNonModalDialog": {)";
  for (int i = 0; i < 100'000; ++i) {
    text +=
        (i == 0 ? "" : ",") + std::string("\"key") + std::to_string(i) + "\": " + std::to_string(i);
  }
  text += "}}";
  const std::string path = WriteTemporary("zarvel-bench-prefs.json", text);
  for (auto _ : state) {
    state.PauseTiming();
    WriteTemporary("zarvel-bench-prefs.json", text);
    state.ResumeTiming();
    zvhost::HostOptions options = Session::Options();
    options.prefsPath = path;
    Session session(options);
  }
}
BENCHMARK(BM_PreferencesOfManyKeys)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace zvbench
