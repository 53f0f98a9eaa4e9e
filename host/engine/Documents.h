// The open documents with their art and stories, the selection, the text engine's suites
// and the document commands of the script.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/core/CommandTable.h"
#include "host/core/HandleTable.h"
#include "host/engine/Document.h"
#include "host/engine/TextEngine.h"

namespace zvhost {

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
  // An open document by serial; null once it is closed.
  engine::Document *Find(uint32_t serial);
  engine::Story *FindStory(uint32_t document, uint32_t story);

  AIArtHandle ArtHandle(const engine::Document &document, size_t index) const;
  // The open document and art index of an art handle; false for any other handle.
  bool FindArt(AIArtHandle art, engine::Document *&document, uint32_t &index);

  engine::TextEngine &Engine() { return engine_; }
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
  void Add(std::unique_ptr<engine::Document> document);

  engine::TextEngine engine_;
  std::vector<std::unique_ptr<engine::Document>> open_;
  uint32_t nextSerial_ = 1;
  uint32_t nextArtHandle_ = 1;
};

}  // namespace zvhost
