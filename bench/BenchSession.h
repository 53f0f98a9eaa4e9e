// The host with the module linked in, as the benchmarks drive it; what it prints is dropped.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "RunWalks.h"
#include "host/app/Host.h"
#include "host/engine/Story.h"

namespace zvbench {

class Session {
 public:
  static zvhost::HostOptions Options();

  explicit Session(zvhost::HostOptions options = Options());
  ~Session();

  void Run(const std::string &line) { host_.Execute(line); }
  // Opens the benchmarks' document of `runs` runs, shows the panel and selects the frame.
  void OpenAndShowPanel(int runs);
  // The engine's suites that the walks call.
  WalkSuites Suites();
  // The document's text selection, as the module asks for it; the caller releases it.
  TextRangesRef TextSelection();
  // The first story of the current document.
  const zvhost::engine::Story &FirstStory();

 private:
  template <class Suite>
  const Suite *Acquire(const char *name, int32_t version);

  std::ostream sink_{nullptr};
  zvhost::Host host_;
};

// The document's text selection as the module asks for it, released at the end.
class SelectedText {
 public:
  explicit SelectedText(Session &session);
  ~SelectedText();
  TextRangesRef ranges = nullptr;

 private:
  WalkSuites suites_;
};

// Six scans of the story's runs, each reading one attribute of every run: what the walks
// would cost with no calls at all.
int64_t SixBareScans(const zvhost::engine::Story &story);

}  // namespace zvbench
