// "AI Text Frame Suite": from a text frame art object to the text engine's frame and range.
#include "AITextFrameSuite.h"

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kAITextFrameSuite;

// The text frame art behind a handle of the current documents: kHostNoErr and the place,
// or the code that says why not.
HostErr FindFrame(AIArtHandle textFrame, const char *operation, Document *&document,
                  uint32_t &index) {
  if (OpenDocuments().Current() == nullptr) return kHostNoDocumentErr;
  if (!OpenDocuments().FindArt(textFrame, std::string(kSuite) + "/" + operation, document, index)) {
    return kHostBadParameterErr;
  }
  if (document->art[index].kind != ArtKind::kText) return kHostBadParameterErr;
  return kHostNoErr;
}

HostErr GetATETextRange(AIArtHandle textFrame, TextRangeRef *range) {
  if (range == nullptr) return kHostBadParameterErr;
  Document *document = nullptr;
  uint32_t index = 0;
  if (HostErr err = FindFrame(textFrame, "GetATETextRange", document, index)) return err;
  uint32_t storyIndex = static_cast<uint32_t>(document->art[index].story);
  Story &story = document->stories[storyIndex];
  TextSpan whole = OpenDocuments().SpanOf(document->serial, storyIndex, story, 0, story.Length());
  return HandOut(Engine().ranges, whole, range) == kATENoError ? kHostNoErr : kHostOutOfMemoryErr;
}

HostErr GetATETextFrame(AIArtHandle textFrame, TextFrameRef *frame) {
  if (frame == nullptr) return kHostBadParameterErr;
  Document *document = nullptr;
  uint32_t index = 0;
  if (HostErr err = FindFrame(textFrame, "GetATETextFrame", document, index)) return err;
  return HandOut(Engine().frames, FramePlace{document->serial, index}, frame) == kATENoError
             ? kHostNoErr
             : kHostOutOfMemoryErr;
}

#define TEXT_FRAME_OPERATIONS(X) X(GetATETextRange) X(GetATETextFrame)

const AITextFrameSuite2 kTable = {TEXT_FRAME_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferAITextFrameSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kAITextFrameSuiteVersion2, &kTable,
               {TEXT_FRAME_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
