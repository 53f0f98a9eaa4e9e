// The open documents with their art and stories, the selection, the text engine's suites
// and the document commands of the script.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/core/CommandTable.h"
#include "host/core/FailurePlan.h"
#include "host/core/HandleTable.h"
#include "host/engine/Document.h"
#include "host/engine/TextEngine.h"

namespace zvhost {

class Documents;

// The documents of the running host, for the suite functions, which have no context
// argument; set while a Documents object exists.
inline Documents *gDocuments = nullptr;

class Documents {
 public:
  // Offers the text-engine suites and the document, art set, text frame and document list
  // suites.
  Documents();
  ~Documents();

  void RegisterCommands(CommandTable &commands);

  // The last document opened or created that is still open; null when none is.
  engine::Document *Current() { return open_.empty() ? nullptr : open_.back().get(); }
  int32_t Count() const { return static_cast<int32_t>(open_.size()); }
  // An open document by serial; null once it is closed. Inline: every text-engine call on a
  // range asks, and it is nearly always the current document.
  engine::Document *Find(uint32_t serial) {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
      if ((*it)->serial == serial) return it->get();
    }
    return nullptr;
  }
  engine::Story *FindStory(uint32_t document, uint32_t story) {
    engine::Document *found = Find(document);
    if (found == nullptr || story >= found->stories.size()) return nullptr;
    return &found->stories[story];
  }

  // Changes with every close; never 0, which marks a story not yet found.
  uint32_t CloseEpoch() const { return closeEpoch_; }
  // The story of a span, or null once its document is closed.
  engine::Story *StoryOf(engine::TextSpan &span) {
    if (span.cachedEpoch == closeEpoch_ && span.cachedStory != nullptr) [[likely]]
      return span.cachedStory;
    return FindStoryOf(span);
  }
  // A span of [start, end) of a story of an open document, its run hint and story found.
  engine::TextSpan SpanOf(uint32_t document, uint32_t storyIndex, engine::Story &story,
                          int32_t start, int32_t end) const {
    return {document, storyIndex, start, end, story.RunAt(start), closeEpoch_, &story};
  }

  AIArtHandle ArtHandle(const engine::Document &document, size_t index) const;
  // The open document and art index of an art handle; false for any other handle.
  // A handle of another kind is also reported as misuse of `operation` ("SUITE/OPERATION").
  bool FindArt(AIArtHandle art, const std::string &operation, engine::Document *&document,
               uint32_t &index);

  engine::TextEngine &Engine() { return engine_; }
  // The host's failures on demand, which every suite function consults first.
  FailurePlan &Failures() { return failures_; }
  // Art sets the module made and has not disposed of: lists of art handles.
  HandleTable<std::vector<AIArtHandle>> artSets;

  // The script's document commands. Each throws UsageError for what cannot be done and
  // leaves everything as it was then; the notifications follow a change.
  void New();
  void Open(const std::string &path);
  void Close();
  void Save(const std::string &path);
  void Select(engine::Selection selection);

 private:
  // Opens `document` beside the others. Throws UsageError, opening nothing, when the open
  // documents would hold more art than the host has handles for.
  void Add(std::unique_ptr<engine::Document> document);
  // The current document's story that `word` names; UsageError (naming `command`) otherwise.
  const engine::Story &StoryOf(const std::string &word, const char *command);
  // StoryOf() for a span whose story is not found since the last close: finds it and keeps
  // it in the span.
  engine::Story *FindStoryOf(engine::TextSpan &span);
  void SelectText(const std::vector<std::string> &args);

  FailurePlan &failures_;
  engine::TextEngine engine_;
  std::vector<std::unique_ptr<engine::Document>> open_;
  uint32_t nextSerial_ = 1;
  // Counts the closes: a story pointer found before the last close may be gone.
  uint32_t closeEpoch_ = 1;
};

}  // namespace zvhost
