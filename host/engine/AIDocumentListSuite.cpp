// "AI Document List Suite": how many documents are open.
#include "AIDocumentListSuite.h"

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kAIDocumentListSuite;

HostErr Count(int32_t *count) {
  if (count == nullptr) return kHostBadParameterErr;
  *count = OpenDocuments().Count();
  return kHostNoErr;
}

const AIDocumentListSuite6 kTable = {ZV_CHECKED_ENTRY(Count)};

}  // namespace

void OfferAIDocumentListSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kAIDocumentListSuiteVersion6, &kTable, {"Count"});
}

}  // namespace zvhost::engine
