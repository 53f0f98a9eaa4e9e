#include "BenchSession.h"

#include <stdexcept>
#include <utility>

#include "AIDocumentSuite.h"
#include "BenchDocument.h"
#include "host/engine/Documents.h"
#include "support/InProcessModule.h"

namespace zvbench {

Session::Session(zvhost::HostOptions options) : host_(std::move(options), sink_) {
  host_.Start(zvtest::OpenInProcessModule());
}

Session::~Session() {
  host_.Finish();
}

zvhost::HostOptions Session::Options() {
  zvhost::HostOptions options;
  options.json = true;
  return options;
}

void Session::OpenAndShowPanel(int runs) {
  Run("open " + DocumentFile(runs));
  Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  Run("select art 0");
}

template <class Suite>
const Suite *Session::Acquire(const char *name, int32_t version) {
  const void *table = nullptr;
  if (host_.suites.Acquire(name, version, &table) != 0) throw std::runtime_error(name);
  return static_cast<const Suite *>(table);
}

WalkSuites Session::Suites() {
  return {Acquire<ATETextRangesSuite>(kATETextRangesSuite, 1),
          Acquire<ATETextRangeSuite>(kATETextRangeSuite, 1),
          Acquire<ATETextRunsIteratorSuite>(kATETextRunsIteratorSuite, 1),
          Acquire<ATECharFeaturesSuite>(kATECharFeaturesSuite, 101),
          Acquire<ATECharInspectorSuite>(kATECharInspectorSuite, 101),
          Acquire<ATEArrayKashidasSuite>(kATEArrayKashidasSuite, 1)};
}

const zvhost::engine::Story &Session::FirstStory() {
  return host_.documents->Current()->stories.at(0);
}

TextRangesRef Session::TextSelection() {
  TextRangesRef ranges = nullptr;
  const auto *document = Acquire<AIDocumentSuite12>(kAIDocumentSuite, 12);
  if (document->GetTextSelection(&ranges) != 0) throw std::runtime_error("no text selection");
  return ranges;
}

SelectedText::SelectedText(Session &session)
    : ranges(session.TextSelection()), suites_(session.Suites()) {}

SelectedText::~SelectedText() {
  suites_.ranges->Release(ranges);
}

int64_t SixBareScans(const zvhost::engine::Story &story) {
  int64_t sum = 0;
  for (int attribute = 0; attribute < 6; ++attribute) {
    for (const zvhost::engine::Run &run : story.Runs()) sum += run.attributes[attribute];
  }
  return sum;
}

}  // namespace zvbench
