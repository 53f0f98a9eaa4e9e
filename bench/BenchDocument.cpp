#include "BenchDocument.h"

#include <bit>
#include <filesystem>
#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

namespace zvbench {

std::array<int32_t, 6> RunAttributes(int run) {
  const float offset = static_cast<float>((run % 3) * 10);
  return {0, run % 4, 0, std::bit_cast<int32_t>(offset), 0, (run / 4) % 2};
}

const std::string &DocumentFile(int runs) {
  static std::map<int, std::string> written;
  auto [place, added] = written.try_emplace(runs);
  if (!added) return place->second;
  const char *letters[] = {"ب", "ت", "ث", "ج", "ح", "خ", "د", "ر", "س", "٣"};
  std::string runText;
  for (int i = 0; i < kRunLength; ++i) runText += letters[i % 10];
  nlohmann::json paragraphs = nlohmann::json::array();
  for (int run = 0; run < runs;) {
    nlohmann::json fileRuns = nlohmann::json::array();
    std::string text;
    for (int r = 0; r < kRunsPerParagraph; ++r, ++run) {
      const std::array<int32_t, 6> attributes = RunAttributes(run);
      text += runText;
      fileRuns.push_back({{"length", kRunLength},
                          {"digitSet", attributes[1]},
                          {"kashidas", attributes[5]},
                          {"diacXOffset", (run % 3) * 10}});
    }
    paragraphs.push_back({{"text", text}, {"paragraphDirection", 1}, {"runs", fileRuns}});
  }
  nlohmann::json document = {{"format", "zarvel-document/1"},
                             {"stories", nlohmann::json::array({{{"paragraphs", paragraphs}}})},
                             {"art", nlohmann::json::array({{{"kind", "text"}, {"story", 0}}})}};
  auto file = std::filesystem::temp_directory_path() /
              ("zarvel-bench-" + std::to_string(runs) + "-runs.json");
  std::ofstream(file, std::ios::binary) << document.dump();
  place->second = file.string();
  return place->second;
}

}  // namespace zvbench
