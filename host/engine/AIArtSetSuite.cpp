// "AI Art Set Suite": lists of the current document's art, made and disposed of by the
// module; the host counts those not yet disposed of.
#include "AIArtSetSuite.h"

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kAIArtSetSuite;

using ArtList = std::vector<AIArtHandle>;

ArtList *Find(AIArtSet artSet, const char *operation) {
  return OpenDocuments().artSets.Get(artSet, operation);
}

int16_t ArtType(const Art &art) {
  return art.kind == ArtKind::kText ? kTextFrameArt : kPathArt;
}

// Art selected as a whole is selected and fully selected; the frames of a story whose
// characters are selected with the text tool are selected, but not as a whole.
int32_t ArtAttributes(const Document &document, size_t index) {
  const Selection &selection = document.selection;
  switch (selection.kind) {
    case Selection::Kind::kArt:
      for (int32_t selected : selection.art) {
        if (static_cast<size_t>(selected) == index) return kArtSelected | kArtFullySelected;
      }
      break;
    case Selection::Kind::kText: {
      const Art &art = document.art[index];
      if (art.kind == ArtKind::kText && art.story == selection.story) return kArtSelected;
      break;
    }
    case Selection::Kind::kNone:
      break;
  }
  return 0;
}

bool Matches(const AIArtMatch &match, int16_t type, int32_t attributes) {
  return (match.type == kAnyArt || match.type == type) &&
         (attributes & match.whichAttr) == match.attr;
}

HostErr NewArtSet(AIArtSet *artSet) {
  if (artSet == nullptr) return kHostBadParameterErr;
  AIArtSet made = OpenDocuments().artSets.Make<AIArtSet>(ArtList{});
  if (made == nullptr) return kHostOutOfMemoryErr;
  *artSet = made;
  return kHostNoErr;
}

HostErr DisposeArtSet(AIArtSet *artSet) {
  if (artSet == nullptr) return kHostBadParameterErr;
  if (*artSet == nullptr) return kHostNoErr;
  // A set disposed of before is misuse, found (and named) by the lookup.
  if (Find(*artSet, "DisposeArtSet") == nullptr) return kHostBadParameterErr;
  OpenDocuments().artSets.Release(*artSet, "DisposeArtSet");
  *artSet = nullptr;
  return kHostNoErr;
}

HostErr MatchingArtSet(AIArtMatch *matches, int16_t numMatches, AIArtSet artSet) {
  ArtList *list = Find(artSet, "MatchingArtSet");
  if (list == nullptr || matches == nullptr || numMatches <= 0) return kHostBadParameterErr;
  const Document *document = OpenDocuments().Current();
  if (document == nullptr) return kHostNoDocumentErr;
  list->clear();
  for (size_t index = 0; index < document->art.size(); ++index) {
    int16_t type = ArtType(document->art[index]);
    int32_t attributes = ArtAttributes(*document, index);
    for (int16_t i = 0; i < numMatches; ++i) {
      if (Matches(matches[i], type, attributes)) {
        list->push_back(OpenDocuments().ArtHandle(*document, index));
        break;
      }
    }
  }
  return kHostNoErr;
}

HostErr CountArtSet(AIArtSet artSet, int32_t *count) {
  const ArtList *list = Find(artSet, "CountArtSet");
  if (list == nullptr || count == nullptr) return kHostBadParameterErr;
  *count = static_cast<int32_t>(list->size());
  return kHostNoErr;
}

HostErr IndexArtSet(AIArtSet artSet, int32_t index, AIArtHandle *art) {
  const ArtList *list = Find(artSet, "IndexArtSet");
  if (list == nullptr || art == nullptr) return kHostBadParameterErr;
  if (index < 0 || static_cast<size_t>(index) >= list->size()) return kHostBadParameterErr;
  *art = (*list)[static_cast<size_t>(index)];
  return kHostNoErr;
}

HostErr AddArtToArtSet(AIArtSet artSet, AIArtHandle art) {
  ArtList *list = Find(artSet, "AddArtToArtSet");
  Document *document = nullptr;
  uint32_t index = 0;
  if (list == nullptr ||
      !OpenDocuments().FindArt(art, std::string(kSuite) + "/AddArtToArtSet", document, index)) {
    return kHostBadParameterErr;
  }
  list->push_back(art);
  return kHostNoErr;
}

#define ART_SET_OPERATIONS(X) \
  X(NewArtSet) X(DisposeArtSet) X(MatchingArtSet) X(CountArtSet) X(IndexArtSet) X(AddArtToArtSet)

const AIArtSetSuite6 kTable = {ART_SET_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferAIArtSetSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kAIArtSetSuiteVersion6, &kTable, {ART_SET_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
