#include "host/engine/Documents.h"

#include "AIArtSetSuite.h"
#include "host/engine/EngineSuites.h"

namespace zvhost {

Documents::Documents()
    : artSets("ArtSet", kAIArtSetSuite, LiveCategory::ArtSet),
      failures_(HostServices::The().failures) {
  SuiteRegistry &suites = HostServices::The().suites;
  engine::OfferTextEngineSuites(suites);
  engine::OfferAIDocumentSuite(suites);
  engine::OfferAIArtSetSuite(suites);
  engine::OfferAITextFrameSuite(suites);
  engine::OfferAIDocumentListSuite(suites);
  gDocuments = this;
}

Documents::~Documents() {
  gDocuments = nullptr;
}

AIArtHandle Documents::ArtHandle(const engine::Document &document, size_t index) const {
  uintptr_t raw = document.artHandleBase + static_cast<uint32_t>(index);
  return reinterpret_cast<AIArtHandle>(raw);
}

bool Documents::FindArt(AIArtHandle art, engine::Document *&document, uint32_t &index) {
  uintptr_t raw = reinterpret_cast<uintptr_t>(art);
  for (auto &open : open_) {
    if (raw >= open->artHandleBase && raw - open->artHandleBase < open->art.size()) {
      document = open.get();
      index = static_cast<uint32_t>(raw - open->artHandleBase);
      return true;
    }
  }
  return false;
}

void Documents::Add(std::unique_ptr<engine::Document> document) {
  document->serial = nextSerial_++;
  // Art handles are numbers that no other open document uses; 0 is never one.
  uint32_t count = static_cast<uint32_t>(document->art.size());
  if (nextArtHandle_ > UINT32_MAX - count) nextArtHandle_ = 1;
  document->artHandleBase = nextArtHandle_;
  nextArtHandle_ += count;
  open_.push_back(std::move(document));
}

}  // namespace zvhost
