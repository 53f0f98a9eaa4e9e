#include "host/engine/Documents.h"

#include <string>

#include "AIArtSetSuite.h"
#include "host/core/UsageError.h"
#include "host/engine/EngineSuites.h"

namespace zvhost {

namespace {

constexpr HandleKind kArtKind{"art"};

}  // namespace

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
  return document.artHandles[index];
}

engine::Story *Documents::FindStoryOf(engine::TextSpan &span) {
  span.cachedStory = FindStory(span.document, span.story);
  span.cachedEpoch = closeEpoch_;
  return span.cachedStory;
}

bool Documents::FindArt(AIArtHandle art, const std::string &operation, engine::Document *&document,
                        uint32_t &index) {
  uint64_t target = 0;
  const HandleState state = HostServices::The().handles.Find(art, kArtKind, &target);
  // Art of a closed document is refused quietly, as before: art sets may still hold it.
  if (state == HandleState::kOtherKind) {
    HostServices::The().findings.Report(operation, HandleMisuse(state, kArtKind));
  }
  if (state != HandleState::kLive) return false;
  document = Find(static_cast<uint32_t>(target >> 32));
  index = static_cast<uint32_t>(target);
  return document != nullptr;
}

void Documents::Add(std::unique_ptr<engine::Document> document) {
  document->serial = nextSerial_++;
  for (engine::Story &story : document->stories) story.ReleaseSpareRoom();
  HandleRegistry &handles = HostServices::The().handles;
  for (size_t index = 0; index < document->art.size(); ++index) {
    const uint64_t target = (uint64_t{document->serial} << 32) | index;
    const AIArtHandle art = handles.Add<AIArtHandle>(kArtKind, target);
    if (art == nullptr) {
      for (AIArtHandle made : document->artHandles) handles.Remove(made);
      throw UsageError("it has " + std::to_string(document->art.size()) +
                       " art objects; the open documents may hold at most " +
                       std::to_string(HandleNumber::kMaxSlots) + " together");
    }
    document->artHandles.push_back(art);
  }
  open_.push_back(std::move(document));
}

}  // namespace zvhost
