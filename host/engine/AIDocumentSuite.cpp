// "AI Document Suite": the current document's text selection.
#include "AIDocumentSuite.h"

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kAIDocumentSuite;

// The selected text as ranges: the selected characters of one story; or, with art selected
// as a whole, each distinct story of the selected text frames, whole, in art order.
SpanList SelectedText(Document &document) {
  SpanList list;
  const Selection &selection = document.selection;
  auto addStory = [&](int32_t index, int32_t from, int32_t to) {
    Story &story = document.stories[static_cast<size_t>(index)];
    list.spans.push_back(
        OpenDocuments().SpanOf(document.serial, static_cast<uint32_t>(index), story, from, to));
  };
  switch (selection.kind) {
    case Selection::Kind::kText:
      addStory(selection.story, selection.from, selection.to);
      break;
    case Selection::Kind::kArt:
      for (int32_t index : selection.art) {
        const Art &art = document.art[static_cast<size_t>(index)];
        if (art.kind != ArtKind::kText) continue;
        bool seen = false;
        for (const TextSpan &span : list.spans) seen = seen || span.story == uint32_t(art.story);
        if (!seen)
          addStory(art.story, 0, document.stories[static_cast<size_t>(art.story)].Length());
      }
      break;
    case Selection::Kind::kNone:
      break;
  }
  return list;
}

HostErr GetTextSelection(TextRangesRef *ranges) {
  if (ranges == nullptr) return kHostBadParameterErr;
  Document *document = OpenDocuments().Current();
  if (document == nullptr) return kHostNoDocumentErr;
  if (HandOut(Engine().rangeSets, SelectedText(*document), ranges) != kATENoError) {
    return kHostOutOfMemoryErr;
  }
  return kHostNoErr;
}

HostErr HasTextSelection(HostBool *hasSelection) {
  if (hasSelection == nullptr) return kHostBadParameterErr;
  Document *document = OpenDocuments().Current();
  if (document == nullptr) return kHostNoDocumentErr;
  *hasSelection = SelectedText(*document).spans.empty() ? 0 : 1;
  return kHostNoErr;
}

#define DOCUMENT_OPERATIONS(X) X(GetTextSelection) X(HasTextSelection)

const AIDocumentSuite12 kTable = {DOCUMENT_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferAIDocumentSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kAIDocumentSuiteVersion12, &kTable,
               {DOCUMENT_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
